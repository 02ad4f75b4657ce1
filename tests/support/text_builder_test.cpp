#include "support/text_builder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"

namespace {

using Sizes = std::vector<std::int64_t>;

class TextBuilderTest : public testing::Test {
protected:
    void SetUp() override {
        ResetFake();
        Fake().blockFill = 0xCD;  // so that a missing zero terminator shows
        builder_ = TextBuilder::Create();
    }
    void TearDown() override {
        if (builder_ != nullptr) builder_->Destroy();
    }

    std::string Content() const {
        const ByteSequence bytes = builder_->TakeBytes();
        return std::string(bytes.begin(), bytes.end());
    }

    TextBuilder* builder_ = nullptr;
};

TEST_F(TextBuilderTest, CreateHoldsADefaultBlock) {
    EXPECT_EQ(builder_->Capacity(), 1024);
    EXPECT_EQ(builder_->GrowthStep(), 1024);
    EXPECT_EQ(builder_->Length(), 0);
    EXPECT_EQ(builder_->ContentStart(), builder_->Block());
    EXPECT_EQ(Fake().allocationSizes, (Sizes{1024}));
}

// --- Growth ---

struct GrowthCase {
    const char* name;
    std::size_t textLength;
    std::int64_t expectedCapacity;
    Sizes expectedAllocations;  // the creation block first
};

// Test names show the case by its name.
void PrintTo(const GrowthCase& c, std::ostream* out) { *out << c.name; }

class TextBuilderGrowthTest : public TextBuilderTest, public testing::WithParamInterface<GrowthCase> {};

TEST_P(TextBuilderGrowthTest, GrowsOneStepAtATimeUntilTextAndZeroFitWithRoomToSpare) {
    const GrowthCase& c = GetParam();
    builder_->Init(5120, 5120);
    std::string text(c.textLength, ' ');
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char>('a' + i % 26);

    builder_->AppendText(text.c_str(), "");

    EXPECT_EQ(builder_->Capacity(), c.expectedCapacity);
    EXPECT_EQ(Fake().allocationSizes, c.expectedAllocations);
    EXPECT_EQ(builder_->Length(), static_cast<std::int64_t>(c.textLength));
    EXPECT_TRUE(Content() == text) << "content changed while the block grew";
    EXPECT_EQ(builder_->ContentStart()[builder_->Length()], '\0');
    EXPECT_EQ(Fake().frees, static_cast<int>(c.expectedAllocations.size()) - 1) << "each replaced block is freed";
}

const GrowthCase kGrowthCases[] = {
    {"FitsWithOneByteSpare", 5118, 5120, Sizes{1024, 5120}},
    {"ExactFitStillGrows", 5119, 10240, Sizes{1024, 5120, 10240}},
    {"GrowsTwice", 12000, 15360, Sizes{1024, 5120, 10240, 15360}},
};

INSTANTIATE_TEST_SUITE_P(Cases, TextBuilderGrowthTest, testing::ValuesIn(kGrowthCases),
                         [](const testing::TestParamInfo<GrowthCase>& info) { return std::string(info.param.name); });

// --- Appending and taking ---

TEST_F(TextBuilderTest, AppendsTextThenSuffixAndZeroTerminates) {
    struct Case {
        const char* text;
        const char* suffix;
        std::string expected;
    };
    const Case cases[] = {
        {"", "", ""}, {nullptr, nullptr, ""}, {"abc", "\r\n", "abc\r\n"}, {"", "\r\n", "\r\n"}, {"x", nullptr, "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("appending \"" + std::string(c.text ? c.text : "(null)") + "\" + \"" +
                     std::string(c.suffix ? c.suffix : "(null)") + "\"");
        builder_->Init(5120, 5120);  // a fresh block, filled with non-zero bytes
        builder_->AppendText(c.text, c.suffix);
        EXPECT_EQ(Content(), c.expected);
        EXPECT_EQ(builder_->ContentStart()[builder_->Length()], '\0');
    }
}

TEST_F(TextBuilderTest, TakeBytesGivesExactlyTheContent) {
    EXPECT_TRUE(builder_->TakeBytes().empty());

    builder_->AppendText("abc", "\r\n");
    builder_->AppendText("de", nullptr);
    const ByteSequence bytes = builder_->TakeBytes();
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "abc\r\nde");
    EXPECT_EQ(builder_->Length(), 7) << "taking leaves the builder unchanged";
}

// --- Blocks held and released ---

TEST_F(TextBuilderTest, InitReleasesTheHeldBlockAndStartsEmpty) {
    builder_->AppendText("something", "");
    builder_->Init(5120, 2048);

    EXPECT_EQ(Fake().frees, 1);
    EXPECT_EQ(Fake().allocationSizes, (Sizes{1024, 5120}));
    EXPECT_EQ(builder_->Length(), 0);
    EXPECT_EQ(builder_->Capacity(), 5120);
    EXPECT_EQ(builder_->GrowthStep(), 2048);
    EXPECT_EQ(Content(), "");
}

TEST_F(TextBuilderTest, ReleaseThenDestroyFreesTheBlockOnce) {
    builder_->AppendText("abc", "");
    builder_->Release();
    EXPECT_EQ(Fake().frees, 1);
    EXPECT_EQ(builder_->Block(), nullptr);
    EXPECT_EQ(builder_->Length(), 0);
    EXPECT_EQ(builder_->Capacity(), 0);

    builder_->Destroy();
    builder_ = nullptr;
    EXPECT_EQ(Fake().frees, Fake().allocations);
}

// --- Memory that cannot be had ---

TEST_F(TextBuilderTest, AllocationSucceedsOnTheLastOfOneHundredAttempts) {
    Fake().allocationFailures = 99;
    builder_->Init(5120, 5120);

    EXPECT_EQ(Fake().allocations, 1 + 100);
    EXPECT_EQ(builder_->Capacity(), 5120);
    builder_->AppendText("still usable", "");
    EXPECT_EQ(Content(), "still usable");
}

TEST_F(TextBuilderTest, OneHundredFailedAttemptsAreFatal) {
    EXPECT_EXIT(
        {
            Fake().allocationFailures = 100;
            builder_->Init(5120, 5120);
        },
        testing::ExitedWithCode(255), testing::HasSubstr("分配 5120 字节内存失败!"));

    EXPECT_EXIT(
        {
            builder_->Init(1024, 4096);
            Fake().allocationFailures = 100;
            builder_->AppendText(std::string(1024, 'g').c_str(), "");  // needs the step to 5120
        },
        testing::ExitedWithCode(255), testing::HasSubstr("分配 5120 字节内存失败!"));
}

}  // namespace
