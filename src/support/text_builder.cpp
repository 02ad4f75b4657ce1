#include "support/text_builder.h"

#include <cstring>

#include "platform/desktop_platform.h"
#include "toolkit/fatal_error.h"

namespace {
constexpr int kAllocationAttempts = 100;
}

void* AllocateBlock(std::int64_t size) {
    for (int attempt = 0; attempt < kAllocationAttempts; ++attempt) {
        void* block = platform::VirtualAlloc(nullptr, static_cast<std::size_t>(size),
                                             platform::kMemCommit, platform::kPageReadWrite);
        if (block != nullptr) return block;
    }
    return nullptr;
}

void FreeBlock(void* block) { platform::VirtualFree(block, 0, platform::kMemRelease); }

TextBuilder* TextBuilder::Create() {
    TextBuilder* builder = NewObject<TextBuilder>();
    builder->Init();
    return builder;
}

char* TextBuilder::NewBlock(std::int64_t size) {
    // Asking again after 100 failed attempts would hang with no way out.
    void* block = AllocateBlock(size);
    if (block == nullptr) FatalOutOfMemory(static_cast<std::size_t>(size));
    return static_cast<char*>(block);
}

void TextBuilder::Destroy() {
    Release();
    DeleteObject(this);
}

ByteSequence TextBuilder::TakeBytes() const {
    ByteSequence bytes(static_cast<std::size_t>(length_));
    if (length_ > 0) platform::MoveBytes(bytes.data(), contentStart_, static_cast<std::size_t>(length_));
    return bytes;
}

void TextBuilder::Init(std::optional<std::int32_t> capacity, std::optional<std::int32_t> growthStep) {
    const std::int32_t size = capacity.value_or(kDefaultCapacity);
    if (block_ != nullptr) Release();
    block_ = NewBlock(size);
    contentStart_ = block_;
    capacity_ = size;
    length_ = 0;
    growthStep_ = growthStep.value_or(kDefaultGrowthStep);
}

void TextBuilder::Release() {
    if (block_ == nullptr) return;
    FreeBlock(block_);
    block_ = nullptr;
    contentStart_ = nullptr;
    length_ = 0;
    capacity_ = 0;
}

void TextBuilder::EnsureRoom(std::int64_t count) {
    while (!(capacity_ > length_ + count)) {  // equality grows too
        capacity_ += growthStep_;
        char* grown = NewBlock(capacity_);
        if (length_ > 0) platform::MoveBytes(grown, contentStart_, static_cast<std::size_t>(length_));
        FreeBlock(block_);
        block_ = grown;
        contentStart_ = grown;
    }
}

void TextBuilder::AppendText(const char* text, const char* suffix) {
    const std::int64_t textLength = text != nullptr ? static_cast<std::int64_t>(std::strlen(text)) : 0;
    const std::int64_t suffixLength = suffix != nullptr ? static_cast<std::int64_t>(std::strlen(suffix)) : 0;
    EnsureRoom(textLength + suffixLength + 1);  // + 1 for the zero byte
    if (textLength > 0) {
        platform::MoveBytes(contentStart_ + length_, text, static_cast<std::size_t>(textLength));
        length_ += textLength;
    }
    if (suffixLength > 0) {
        platform::MoveBytes(contentStart_ + length_, suffix, static_cast<std::size_t>(suffixLength));
        length_ += suffixLength;
    }
    contentStart_[length_] = '\0';
}
