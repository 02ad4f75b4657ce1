#include "core/focus_tracker.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "core/focus_data.h"
#include "fakes/fake_platform.h"

namespace {

constexpr std::int64_t kEpochFileTime = 116444736000000000;
constexpr std::int64_t kUnitsPerMs = 10000;
constexpr platform::WindowHandle kWindowA = 0x42;
constexpr platform::WindowHandle kWindowB = 0x43;
constexpr std::uint32_t kQueryAndRead = 0x0410;
constexpr std::uint32_t kLimitedQuery = 0x1000;

FakeWindow Window(const std::string& title, const std::string& className, std::uint32_t processId) {
    FakeWindow window;
    window.title = title;
    window.className = className;
    window.processId = processId;
    return window;
}

FakeProcess ProcessWithModule(const std::string& modulePath) {
    FakeProcess process;
    process.modulePath = modulePath;
    return process;
}

class FocusTrackerTest : public testing::Test {
protected:
    void SetUp() override {
        ResetFake();
        CreateFocusData();
    }
    void TearDown() override {
        EXPECT_EQ(Fake().handlesOpen, 0) << "every process handle opened must be closed";
        ReleaseFocusData();
    }

    // Takes every queued record, oldest first.
    static std::vector<FocusRecord> TakeQueued() {
        std::vector<FocusRecord> records;
        while (PendingQueue->Count() > 0) {
            records.push_back(PendingQueue->First());
            PendingQueue->RemoveFirst();
        }
        return records;
    }

    static int ProbeCount() {
        return Fake().titleProbes + Fake().classProbes + Fake().pathProbes +
               static_cast<int>(Fake().openedAccess.size());
    }
};

TEST_F(FocusTrackerTest, QueuesNothingWhileNoWindowHasTheForegroundFromTheStart) {
    Fake().foreground = 0;
    FocusTrackerTurn();
    FocusTrackerTurn();

    EXPECT_EQ(PendingQueue->Count(), 0u);
    EXPECT_EQ(ProbeCount(), 0);
}

TEST_F(FocusTrackerTest, QueuesEachChangeInOrderIncludingTheDesktopBetween) {
    Fake().windows[kWindowA] = Window("TitleA", "ClassA", 100);
    Fake().windows[kWindowB] = Window("TitleB", "ClassB", 200);
    Fake().processes[100] = ProcessWithModule("C:\\a.exe");
    Fake().processes[200] = ProcessWithModule("C:\\b.exe");

    Fake().foreground = kWindowA;
    FocusTrackerTurn();
    Fake().foreground = 0;
    const int probesBefore = ProbeCount();
    FocusTrackerTurn();
    EXPECT_EQ(ProbeCount(), probesBefore) << "no window: nothing to probe";
    Fake().foreground = kWindowB;
    FocusTrackerTurn();

    const std::vector<FocusRecord> records = TakeQueued();
    ASSERT_EQ(records.size(), 3u);

    EXPECT_EQ(records[0].handle, 0x42u);
    EXPECT_EQ(records[0].title, "TitleA");
    EXPECT_EQ(records[0].className, "ClassA");
    EXPECT_EQ(records[0].programPath, "C:\\a.exe");

    EXPECT_EQ(records[1].handle, 0u);
    EXPECT_EQ(records[1].title, "系统桌面");
    EXPECT_EQ(records[1].className, "");
    EXPECT_EQ(records[1].programPath, "");

    EXPECT_EQ(records[2].handle, 0x43u);
    EXPECT_EQ(records[2].title, "TitleB");
    EXPECT_EQ(records[2].className, "ClassB");
    EXPECT_EQ(records[2].programPath, "C:\\b.exe");
}

TEST_F(FocusTrackerTest, SameHandleWithANewTitleIsNoChange) {
    Fake().windows[kWindowA] = Window("before", "ClassA", 100);
    Fake().foreground = kWindowA;
    FocusTrackerTurn();
    Fake().windows[kWindowA].title = "after";
    FocusTrackerTurn();

    const std::vector<FocusRecord> records = TakeQueued();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].title, "before");
    EXPECT_EQ(Fake().titleProbes, 1);
}

TEST_F(FocusTrackerTest, StampsTheClockAtTheChange) {
    Fake().windows[kWindowA] = Window("TitleA", "ClassA", 100);
    Fake().windows[kWindowB] = Window("TitleB", "ClassB", 100);

    Fake().fileTime = kEpochFileTime + 1000 * kUnitsPerMs;
    Fake().foreground = kWindowA;
    FocusTrackerTurn();
    Fake().fileTime = kEpochFileTime + 2000 * kUnitsPerMs;
    FocusTrackerTurn();  // no change: the clock moving on is not a record
    Fake().fileTime = kEpochFileTime + 3000 * kUnitsPerMs;
    Fake().foreground = kWindowB;
    FocusTrackerTurn();

    const std::vector<FocusRecord> records = TakeQueued();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].time, 1000);
    EXPECT_EQ(records[1].time, 3000);
}

TEST_F(FocusTrackerTest, LongTitleAndClassAreCutAt254Bytes) {
    Fake().windows[kWindowA] = Window(std::string(300, 't'), std::string(300, 'c'), 100);
    Fake().foreground = kWindowA;
    FocusTrackerTurn();

    ASSERT_EQ(PendingQueue->Count(), 1u);
    const FocusRecord record = PendingQueue->First();
    EXPECT_EQ(record.title, Text(254, 't'));
    EXPECT_EQ(record.className, Text(254, 'c'));
}

TEST_F(FocusTrackerTest, ProbeThatWritesNothingLeavesTheSpaces) {
    FakeWindow silent = Window("unseen", "unseen", 100);
    silent.writesNothing = true;
    Fake().windows[kWindowA] = silent;
    Fake().foreground = kWindowA;
    FocusTrackerTurn();

    ASSERT_EQ(PendingQueue->Count(), 1u);
    const FocusRecord record = PendingQueue->First();
    EXPECT_EQ(record.title, Text(255, ' '));
    EXPECT_EQ(record.className, Text(255, ' '));
}

TEST_F(FocusTrackerTest, HandlesCompareAsTheirLow32Bits) {
    if constexpr (sizeof(platform::WindowHandle) < 8) {
        GTEST_SKIP() << "window handles have only 32 bits here";
    }
    const platform::WindowHandle sameLowBits = static_cast<platform::WindowHandle>(std::uint64_t{0x100000042});
    Fake().windows[kWindowA] = Window("TitleA", "ClassA", 100);
    Fake().windows[sameLowBits] = Window("Other", "Other", 100);

    Fake().foreground = kWindowA;
    FocusTrackerTurn();
    Fake().foreground = sameLowBits;
    FocusTrackerTurn();

    const std::vector<FocusRecord> records = TakeQueued();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].title, "TitleA");
    EXPECT_EQ(CurrentFocus->handle, 0x42u);
}

// --- The program path, by what the owning process allows ---

struct PathCase {
    const char* name;
    bool hasOwnerThread;
    bool processKnown;
    FakeProcess process;
    const char* expectedPath;
    std::vector<std::uint32_t> expectedAccess;
};

// Test names show the case by its name.
void PrintTo(const PathCase& c, std::ostream* out) { *out << c.name; }

FakeProcess Process(const char* modulePath, bool opensForQueryAndRead, bool opensForLimitedQuery,
                    const char* imagePath) {
    FakeProcess process;
    process.modulePath = modulePath;
    process.opensForQueryAndRead = opensForQueryAndRead;
    process.opensForLimitedQuery = opensForLimitedQuery;
    process.imagePath = imagePath;
    return process;
}

class ProgramPathTest : public FocusTrackerTest, public testing::WithParamInterface<PathCase> {};

TEST_P(ProgramPathTest, ReadsThePathWithTheAccessItCanGet) {
    const PathCase& c = GetParam();
    FakeWindow window = Window("Title", "Class", 300);
    window.hasOwnerThread = c.hasOwnerThread;
    Fake().windows[kWindowA] = window;
    if (c.processKnown) Fake().processes[300] = c.process;
    Fake().foreground = kWindowA;

    FocusTrackerTurn();

    ASSERT_EQ(PendingQueue->Count(), 1u);
    const FocusRecord record = PendingQueue->First();
    EXPECT_EQ(record.programPath, c.expectedPath);
    EXPECT_EQ(record.title, "Title");
    EXPECT_EQ(record.className, "Class");
    EXPECT_EQ(Fake().openedAccess, c.expectedAccess);
}

const PathCase kPathCases[] = {
    {"ModuleQuery", true, true, Process("C:\\m.exe", true, true, "C:\\i.exe"), "C:\\m.exe", {kQueryAndRead}},
    {"LimitedQueryWhenFullAccessRefused", true, true, Process("C:\\m.exe", false, true, "C:\\i.exe"),
     "C:\\i.exe", {kQueryAndRead, kLimitedQuery}},
    {"LimitedQueryWhenModuleQueryGivesNothing", true, true, Process("", true, true, "C:\\i.exe"), "C:\\i.exe",
     {kQueryAndRead, kLimitedQuery}},
    {"EmptyWhenBothQueriesFail", true, true, Process("", true, true, ""), "", {kQueryAndRead, kLimitedQuery}},
    {"EmptyWhenProcessCannotBeOpened", true, true, Process("C:\\m.exe", false, false, "C:\\i.exe"), "",
     {kQueryAndRead, kLimitedQuery}},
    {"EmptyWhenProcessIsGone", true, false, FakeProcess(), "", {kQueryAndRead, kLimitedQuery}},
    {"EmptyWithoutOpeningWhenNoOwnerThread", false, true, Process("C:\\m.exe", true, true, "C:\\i.exe"), "", {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, ProgramPathTest, testing::ValuesIn(kPathCases),
                         [](const testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

}  // namespace
