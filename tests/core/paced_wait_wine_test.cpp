// The paced wait on a real message queue: its deadline, messages dispatched
// during it, and WM_QUIT left in place without a busy thread.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/clock.h"
#include "wine_test_support.h"

namespace {

double NowMs() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::atomic<double> g_dispatchedAtMs{0};

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) g_dispatchedAtMs = NowMs();
    return DefWindowProcA(window, message, wParam, lParam);
}

// Runs PacedWait(ms) on a thread of its own, with a window of that thread to
// post to. The test posts once the thread is inside the wait.
struct WaitingThread {
    explicit WaitingThread(int ms) : waitMs(ms) {}

    void Run() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = RecordingProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "PacedWaitTarget";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "PacedWaitTarget", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 windowClass.hInstance, nullptr);
        threadId = GetCurrentThreadId();
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // the thread has a queue from here on
        cpuAtStart = ThreadCpuTime(GetCurrentThread());
        startedMs = NowMs();
        ready = true;
        PacedWait(waitMs);
        endedMs = NowMs();
        cpuAtEnd = ThreadCpuTime(GetCurrentThread());  // read here: a thread that has ended reads 0
        quitStillQueued = PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
        DestroyWindow(window);
        done = true;
    }

    int waitMs;
    HWND window = nullptr;
    DWORD threadId = 0;
    ULONGLONG cpuAtStart = 0;  // 100-ns units
    ULONGLONG cpuAtEnd = 0;
    std::atomic<bool> ready{false};
    std::atomic<bool> done{false};
    std::atomic<double> startedMs{0};
    std::atomic<double> endedMs{0};
    std::atomic<bool> quitStillQueued{false};
};

}  // namespace

TEST(PacedWait, ReturnsNoEarlierThanTheRequestedTime) {
    for (int i = 0; i < 5; ++i) {
        const double start = NowMs();
        PacedWait(50);
        const double elapsed = NowMs() - start;
        EXPECT_GE(elapsed, 50.0) << "turn " << i;
    }
}

TEST(PacedWait, DispatchesAPostedMessageDuringTheWaitAndKeepsItsDeadline) {
    WaitingThread waiting(300);
    g_dispatchedAtMs = 0;
    std::thread thread([&waiting] { waiting.Run(); });
    ASSERT_TRUE(WaitUntil([&] { return waiting.ready.load(); }, 5000));
    ASSERT_TRUE(PostMessageA(waiting.window, WM_APP, 0, 0));
    ASSERT_TRUE(WaitUntil([&] { return waiting.done.load(); }, 10000));
    thread.join();

    ASSERT_GT(g_dispatchedAtMs.load(), 0.0) << "the posted message was never dispatched";
    EXPECT_LT(g_dispatchedAtMs.load(), waiting.endedMs.load()) << "dispatched only after the wait";
    EXPECT_GE(waiting.endedMs - waiting.startedMs, 300.0) << "the message cut the wait short";
}

TEST(PacedWait, LeavesWmQuitInTheQueueAndDoesNotSpin) {
    WaitingThread waiting(500);
    std::thread thread([&waiting] { waiting.Run(); });
    ASSERT_TRUE(WaitUntil([&] { return waiting.ready.load(); }, 5000));
    ASSERT_TRUE(PostThreadMessageA(waiting.threadId, WM_QUIT, 7, 0));
    ASSERT_TRUE(WaitUntil([&] { return waiting.done.load(); }, 10000));
    thread.join();
    const ULONGLONG cpuUsed = waiting.cpuAtEnd - waiting.cpuAtStart;

    EXPECT_TRUE(waiting.quitStillQueued.load()) << "WM_QUIT was taken out of the queue";
    EXPECT_GE(waiting.endedMs - waiting.startedMs, 500.0) << "WM_QUIT cut the wait short";
    // An idle wait costs well under a millisecond; a loop that wakes on the
    // queued WM_QUIT again and again costs a good part of the 500 ms.
    EXPECT_LT(cpuUsed, 30u * 10000u) << "the waiting thread used " << cpuUsed / 10000 << " ms of CPU";
}
