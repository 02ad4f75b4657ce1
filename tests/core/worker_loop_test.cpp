#include "core/worker_loop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

// Waits for a condition another thread brings about; false when the deadline passes first.
template <typename Condition>
bool WaitFor(Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::yield();
    }
    return true;
}

// The stop request is one-way and process-wide, so the whole lifetime is one
// walk: workers in their loops, the stop with one worker stuck, the stuck one
// let go, then a worker that starts too late.
TEST(WorkerLoopTest, StopBringsWorkersOutWaitsForThemAndBarsLateOnes) {
    std::atomic<bool> leavingIn{false};
    std::atomic<bool> leavingOut{false};
    std::thread leaving([&] {
        {
            WorkerLoop loop;
            while (loop.Continue()) {
                leavingIn = true;
                std::this_thread::yield();
            }
        }
        leavingOut = true;
    });

    std::atomic<bool> stuckIn{false};
    std::atomic<bool> letGo{false};
    std::thread stuck([&] {
        WorkerLoop loop;
        stuckIn = loop.Continue();
        while (!letGo) std::this_thread::yield();  // does not look at Continue()
    });

    const bool bothIn = WaitFor([&] { return leavingIn.load() && stuckIn.load(); });
    EXPECT_TRUE(bothIn) << "both workers should have entered their loops";

    EXPECT_FALSE(StopWorkers(100)) << "a worker still in its loop must make the stop fail";
    EXPECT_TRUE(WaitFor([&] { return leavingOut.load(); })) << "the worker that checks Continue() should leave";
    leaving.join();

    letGo = true;
    EXPECT_TRUE(StopWorkers(10000)) << "every worker has left once the stuck one is let go";
    stuck.join();

    WorkerLoop late;
    EXPECT_FALSE(late.Continue()) << "a loop made after the stop must never turn";
    EXPECT_TRUE(StopWorkers(100)) << "a loop made after the stop must not count as a worker in its loop";
}

}  // namespace
