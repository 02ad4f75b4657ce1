#include "ui/join_lines.h"

#include <algorithm>
#include <mutex>

#include "support/text_builder.h"

namespace {
constexpr std::int32_t kJoinCapacity = 5120;
constexpr std::int32_t kJoinGrowthStep = 5120;
}  // namespace

Text JoinLines(const LineLog& lines, const char* separator) {
    TextBuilder* builder = TextBuilder::Create();
    builder->Init(kJoinCapacity, kJoinGrowthStep);
    {
        std::lock_guard<const LineLog> hold(lines);  // no append or trim between count and reads
        const std::size_t count = lines.Count();
        for (std::size_t position = 1; position <= count; ++position) {
            const Text line = lines.LineAt(position);
            if (line.empty()) continue;
            builder->AppendText(line.c_str(), separator);
        }
    }
    const ByteSequence bytes = builder->TakeBytes();
    const Text text(bytes.begin(), std::find(bytes.begin(), bytes.end(), '\0'));  // up to the first zero byte
    builder->Release();
    builder->Destroy();
    return text;
}
