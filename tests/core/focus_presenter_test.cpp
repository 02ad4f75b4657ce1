#include "core/focus_presenter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/focus_data.h"
#include "fakes/fake_platform.h"
#include "ui/main_window_controls.h"

namespace {

using CaptionWrites = std::vector<std::pair<ControlId, std::string>>;

// Record n: every field says n, so a line or caption shows which record it came from.
FocusRecord NumberedRecord(int n) {
    const std::string digits = std::to_string(n);
    FocusRecord record;
    record.handle = static_cast<std::uint32_t>(n);
    record.className = ("Class" + digits).c_str();
    record.title = ("Title" + digits).c_str();
    record.programPath = ("C:\\p" + digits + ".exe").c_str();
    record.time = 1000 + n;
    return record;
}

std::string LineOf(int n) {
    const std::string digits = std::to_string(n);
    return std::to_string(1000 + n) + "|" + digits + "|Class" + digits + "|Title" + digits + "|C:\\p" + digits +
           ".exe";
}

CaptionWrites CaptionsOf(int n) {
    const std::string digits = std::to_string(n);
    return {{标签_句柄, digits},
            {标签_类名, "Class" + digits},
            {标签_名称, "Title" + digits},
            {标签_路径, "C:\\p" + digits + ".exe"}};
}

std::vector<std::string> LogLines() {
    std::vector<std::string> lines;
    for (std::size_t position = 1; position <= ActivityLog->Count(); ++position) {
        lines.push_back(ActivityLog->LineAt(position).c_str());
    }
    return lines;
}

std::vector<std::string> LinesOf(int first, int last) {
    std::vector<std::string> lines;
    for (int n = first; n <= last; ++n) lines.push_back(LineOf(n));
    return lines;
}

CaptionWrites LastFourWrites() {
    const CaptionWrites& writes = Fake().captionWrites;
    return CaptionWrites(writes.end() - std::min<std::ptrdiff_t>(4, static_cast<std::ptrdiff_t>(writes.size())),
                         writes.end());
}

class FocusPresenterTest : public testing::Test {
protected:
    void SetUp() override {
        ResetFake();
        CreateFocusData();
    }
    void TearDown() override { ReleaseFocusData(); }
};

TEST_F(FocusPresenterTest, EmptyQueueChangesNothing) {
    ActivityLog->AppendLine("earlier");
    FocusPresenterTurn();

    EXPECT_TRUE(Fake().captionWrites.empty());
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"earlier"}));
}

TEST_F(FocusPresenterTest, ShowsOneWaitingRecordPerTurnOldestFirst) {
    for (int n = 1; n <= 3; ++n) PendingQueue->AppendCopy(NumberedRecord(n));

    for (int turn = 1; turn <= 3; ++turn) {
        SCOPED_TRACE("turn " + std::to_string(turn));
        FocusPresenterTurn();
        EXPECT_EQ(Fake().captionWrites.size(), 4u * static_cast<std::size_t>(turn));
        EXPECT_EQ(LastFourWrites(), CaptionsOf(turn));
        EXPECT_EQ(LogLines(), LinesOf(1, turn));
        EXPECT_EQ(PendingQueue->Count(), static_cast<std::size_t>(3 - turn));
    }
}

TEST_F(FocusPresenterTest, KeepsTheLastTwentyLinesTrimmingInTheSameTurn) {
    for (int n = 1; n <= 25; ++n) PendingQueue->AppendCopy(NumberedRecord(n));

    for (int turn = 1; turn <= 25; ++turn) {
        SCOPED_TRACE("turn " + std::to_string(turn));
        FocusPresenterTurn();
        EXPECT_EQ(LogLines(), LinesOf(std::max(1, turn - 19), turn));
    }
    EXPECT_EQ(PendingQueue->Count(), 0u);
    EXPECT_EQ(LogLines(), LinesOf(6, 25));
}

TEST_F(FocusPresenterTest, NoForegroundRecordShowsTheDesktop) {
    FocusRecord desktop;
    desktop.handle = 0;
    desktop.title = "系统桌面";
    desktop.time = 77;
    PendingQueue->AppendCopy(desktop);

    FocusPresenterTurn();

    EXPECT_EQ(Fake().captionWrites,
              (CaptionWrites{{标签_句柄, "0"}, {标签_类名, ""}, {标签_名称, "系统桌面"}, {标签_路径, ""}}));
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"77|0||系统桌面|"}));
}

TEST_F(FocusPresenterTest, TopBitHandlesShowNegative) {
    FocusRecord record = NumberedRecord(1);
    record.handle = 0x80000000u;
    PendingQueue->AppendCopy(record);
    record.handle = 0xFFFFFFFFu;
    PendingQueue->AppendCopy(record);

    FocusPresenterTurn();
    EXPECT_EQ(Fake().captions[标签_句柄], "-2147483648");
    FocusPresenterTurn();
    EXPECT_EQ(Fake().captions[标签_句柄], "-1");

    EXPECT_EQ(LogLines(), (std::vector<std::string>{"1001|-2147483648|Class1|Title1|C:\\p1.exe",
                                                    "1001|-1|Class1|Title1|C:\\p1.exe"}));
}

}  // namespace
