#include "core/clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"

namespace {

constexpr std::int64_t kEpochFileTime = 116444736000000000;  // 1970-01-01 in 100-ns units since 1601
constexpr std::int64_t kUnitsPerMs = 10000;

// --- File time to milliseconds ---

struct FileTimeCase {
    const char* name;
    std::int64_t fileTime;
    std::int64_t expectedMs;
};

// Test names show the case by its name.
void PrintTo(const FileTimeCase& c, std::ostream* out) { *out << c.name; }

class EpochMillisFromFileTimeTest : public testing::TestWithParam<FileTimeCase> {};

TEST_P(EpochMillisFromFileTimeTest, ConvertsInDoubleWithTruncation) {
    EXPECT_EQ(EpochMillisFromFileTime(GetParam().fileTime), GetParam().expectedMs);
}

// Near 1970 a double holds file times in steps of 16 units, so the boundary
// of the first millisecond falls where the rounding to 16 lands, not at 10000.
const FileTimeCase kFileTimeCases[] = {
    {"AtTheEpoch", kEpochFileTime, 0},
    {"OneMillisecondLater", kEpochFileTime + kUnitsPerMs, 1},
    {"EightUnitsShortOfFirstMillisecond", kEpochFileTime + kUnitsPerMs - 8, 0},
    {"SevenUnitsShortOfFirstMillisecondRoundsUp", kEpochFileTime + kUnitsPerMs - 7, 1},
    {"HalfAMillisecondBeforeTruncatesToZero", kEpochFileTime - kUnitsPerMs / 2, 0},
    {"OneMillisecondBefore", kEpochFileTime - kUnitsPerMs, -1},
};

INSTANTIATE_TEST_SUITE_P(Cases, EpochMillisFromFileTimeTest, testing::ValuesIn(kFileTimeCases),
                         [](const testing::TestParamInfo<FileTimeCase>& info) {
                             return std::string(info.param.name);
                         });

class ClockTest : public testing::Test {
protected:
    void SetUp() override { ResetFake(); }
};

TEST_F(ClockTest, EpochMillisReadsTheSystemFileTime) {
    Fake().fileTime = kEpochFileTime + 1700000000123 * kUnitsPerMs;
    EXPECT_EQ(EpochMillis(), 1700000000123);
    Fake().fileTime = kEpochFileTime + 42 * kUnitsPerMs;
    EXPECT_EQ(EpochMillis(), 42);
}

// --- The paced wait ---

TEST_F(ClockTest, PacedWaitArmsOneRelativeTimerAndDispatchesUntilItFires) {
    Fake().waitResults = {1, 1, 0};  // two message wake-ups, then the timer

    PacedWait(50);

    EXPECT_EQ(Fake().timersCreated, 1);
    EXPECT_EQ(Fake().dueTimes, (std::vector<std::int64_t>{-500000}));
    EXPECT_EQ(Fake().waits, 3);
    EXPECT_EQ(Fake().wakeMasks, (std::vector<std::uint32_t>{0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Fake().dispatches, 2);
    EXPECT_TRUE(Fake().sleeps.empty());
    EXPECT_EQ(Fake().handlesOpen, 0) << "the timer must be closed";
}

TEST_F(ClockTest, PacedWaitSleepsWhenNoTimerCanBeCreated) {
    Fake().timerCreationFails = true;

    PacedWait(50);

    EXPECT_EQ(Fake().sleeps, (std::vector<std::uint32_t>{50}));
    EXPECT_EQ(Fake().waits, 0);
    EXPECT_EQ(Fake().dispatches, 0);
}

TEST_F(ClockTest, PacedWaitSleepsOnceWhenTheWaitFails) {
    Fake().waitResults = {1, 0xFFFFFFFFu, 1, 1};  // the results after the failure must not be asked for

    PacedWait(50);

    EXPECT_EQ(Fake().waits, 2);
    EXPECT_EQ(Fake().dispatches, 1);
    EXPECT_EQ(Fake().sleeps, (std::vector<std::uint32_t>{50}));
    EXPECT_EQ(Fake().handlesOpen, 0) << "the timer must be closed";
}

}  // namespace
