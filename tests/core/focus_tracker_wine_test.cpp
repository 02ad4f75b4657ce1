// The tracker on a real desktop: a window of the test takes the foreground
// and the tracker thread records it with its handle, title, class and path.
#include <gtest/gtest.h>

#include <thread>

#include "core/clock.h"
#include "core/focus_data.h"
#include "core/focus_tracker.h"
#include "core/worker_loop.h"
#include "wine_test_support.h"

namespace {

bool QueueHolds(std::uint32_t handle, FocusRecord& found) {
    // The tracker only appends; drain what came so far.
    while (PendingQueue->Count() > 0) {
        FocusRecord record = PendingQueue->First();
        PendingQueue->RemoveFirst();
        if (record.handle == handle) {
            found = record;
            return true;
        }
    }
    return false;
}

}  // namespace

TEST(FocusTrackerOnWindows, RecordsAWindowOfTheTestThatTakesTheForeground) {
    CreateFocusData();
    std::thread tracker(FocusTracker);

    const std::string title = "跟踪测试 | 窗口";
    TestWindow window(title);
    const std::int64_t before = EpochMillis();
    ASSERT_TRUE(window.Activate());
    const std::uint32_t handle = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window.Handle()));

    FocusRecord record;
    const bool recorded = WaitUntil([&] { return QueueHolds(handle, record); }, 10000);
    const std::int64_t after = EpochMillis();
    EXPECT_TRUE(StopWorkers(5000)) << "the tracker did not leave its loop";
    tracker.join();

    ASSERT_TRUE(recorded) << "no record for the test's window";
    EXPECT_EQ(record.title.c_str(), title);
    EXPECT_EQ(record.className.c_str(), std::string(kTestWindowClass));
    char ownPath[MAX_PATH];
    GetModuleFileNameA(nullptr, ownPath, MAX_PATH);
    EXPECT_STRCASEEQ(record.programPath.c_str(), ownPath);
    EXPECT_GE(record.time, before);
    EXPECT_LE(record.time, after);
    ReleaseFocusData();
}
