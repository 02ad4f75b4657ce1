#include "core/worker_loop.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace {
// Never destroyed before the workers: the process ends with them still alive.
std::mutex g_lock;
std::condition_variable g_allLeft;
int g_inLoop = 0;
std::atomic<bool> g_stopRequested{false};
}  // namespace

WorkerLoop::WorkerLoop() {
    std::lock_guard<std::mutex> hold(g_lock);
    entered_ = !g_stopRequested.load();
    if (entered_) ++g_inLoop;
}

WorkerLoop::~WorkerLoop() {
    if (!entered_) return;
    std::lock_guard<std::mutex> hold(g_lock);
    if (--g_inLoop == 0) g_allLeft.notify_all();
}

bool WorkerLoop::Continue() const { return entered_ && !g_stopRequested.load(); }

bool StopWorkers(int boundMs) {
    std::unique_lock<std::mutex> hold(g_lock);
    g_stopRequested.store(true);
    return g_allLeft.wait_for(hold, std::chrono::milliseconds(boundMs), [] { return g_inLoop == 0; });
}
