#include "fake_platform.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

FakePlatform g_fake;

// Process handles are pointers to a tag holding the process id.
struct FakeHandle {
    bool isTimer;
    std::uint32_t processId;
};

// Writes like the Win32 text queries: at most capacity - 1 bytes and a zero.
int WriteLikeWin32(const std::string& text, char* buffer, int capacity) {
    if (capacity <= 0) return 0;
    const int n = static_cast<int>(text.size()) < capacity - 1 ? static_cast<int>(text.size()) : capacity - 1;
    std::memcpy(buffer, text.data(), static_cast<std::size_t>(n));
    buffer[n] = '\0';
    return n;
}

}  // namespace

FakePlatform& Fake() { return g_fake; }
void ResetFake() { g_fake = FakePlatform(); }

namespace platform {

WindowHandle GetForegroundWindow() { return g_fake.foreground; }

int GetWindowTextA(WindowHandle window, char* buffer, int capacity) {
    ++g_fake.titleProbes;
    auto it = g_fake.windows.find(window);
    if (it == g_fake.windows.end() || it->second.writesNothing) return 0;
    return WriteLikeWin32(it->second.title, buffer, capacity);
}

int GetClassNameA(WindowHandle window, char* buffer, int capacity) {
    ++g_fake.classProbes;
    auto it = g_fake.windows.find(window);
    if (it == g_fake.windows.end() || it->second.writesNothing) return 0;
    return WriteLikeWin32(it->second.className, buffer, capacity);
}

std::uint32_t GetWindowThreadProcessId(WindowHandle window, std::uint32_t* processId) {
    ++g_fake.pathProbes;
    auto it = g_fake.windows.find(window);
    if (it == g_fake.windows.end() || !it->second.hasOwnerThread) return 0;
    *processId = it->second.processId;
    return 7;
}

Handle OpenProcess(std::uint32_t access, bool, std::uint32_t processId) {
    g_fake.openedAccess.push_back(access);
    auto it = g_fake.processes.find(processId);
    if (it == g_fake.processes.end()) return nullptr;
    const bool allowed = access == 0x1000 ? it->second.opensForLimitedQuery : it->second.opensForQueryAndRead;
    if (!allowed) return nullptr;
    ++g_fake.handlesOpen;
    return new FakeHandle{false, processId};
}

std::uint32_t GetModuleFileNameExA(Handle process, Handle, char* buffer, std::uint32_t capacity) {
    if (process == nullptr) return 0;
    const std::string& path = g_fake.processes[static_cast<FakeHandle*>(process)->processId].modulePath;
    if (path.empty()) return 0;
    return static_cast<std::uint32_t>(WriteLikeWin32(path, buffer, static_cast<int>(capacity)));
}

bool QueryFullProcessImageNameA(Handle process, std::uint32_t, char* buffer, std::uint32_t* size) {
    if (process == nullptr) return false;
    const std::string& path = g_fake.processes[static_cast<FakeHandle*>(process)->processId].imagePath;
    if (path.empty() || path.size() + 1 > *size) return false;
    *size = static_cast<std::uint32_t>(WriteLikeWin32(path, buffer, static_cast<int>(*size)));
    return true;
}

bool CloseHandle(Handle handle) {
    if (handle == nullptr) return false;
    --g_fake.handlesOpen;
    delete static_cast<FakeHandle*>(handle);
    return true;
}

std::int64_t GetSystemTimeAsFileTime() { return g_fake.fileTime; }

Handle CreateWaitableTimerA(void*, bool, const char*) {
    if (g_fake.timerCreationFails) return nullptr;
    ++g_fake.timersCreated;
    ++g_fake.handlesOpen;
    return new FakeHandle{true, 0};
}

bool SetWaitableTimer(Handle, std::int64_t dueTime, std::int32_t) {
    g_fake.dueTimes.push_back(dueTime);
    return true;
}

std::uint32_t MsgWaitForMultipleObjects(std::uint32_t, const Handle*, bool, std::uint32_t,
                                        std::uint32_t wakeMask) {
    g_fake.wakeMasks.push_back(wakeMask);
    const std::size_t turn = static_cast<std::size_t>(g_fake.waits++);
    return turn < g_fake.waitResults.size() ? g_fake.waitResults[turn] : kWaitObject0;
}

void* VirtualAlloc(void*, std::size_t size, std::uint32_t, std::uint32_t) {
    ++g_fake.allocations;
    g_fake.allocationSizes.push_back(static_cast<std::int64_t>(size));
    if (g_fake.allocationFailures > 0) {
        --g_fake.allocationFailures;
        return nullptr;
    }
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block != nullptr) std::memset(block, g_fake.blockFill, size);
    return block;
}

bool VirtualFree(void* address, std::size_t, std::uint32_t) {
    ++g_fake.frees;
    std::free(address);
    return true;
}

void MoveBytes(void* destination, const void* source, std::size_t bytes) {
    std::memmove(destination, source, bytes);
}

void Sleep(std::uint32_t ms) { g_fake.sleeps.push_back(ms); }

}  // namespace platform

void SetLabelCaption(ControlId label, const char* text) {
    const std::string caption = text != nullptr ? text : "";
    g_fake.captions[label] = caption;
    g_fake.captionWrites.emplace_back(label, caption);
}

void DispatchPendingMessages() { ++g_fake.dispatches; }

// A fatal error in a host test ends the process the way the real one does,
// with -1, after saying what the box would have said; death tests read it.
void FatalRuntimeErrorNumbered(int number, const char* message) {
    char text[2048];
    FormatFatalErrorText(text, sizeof text, number, message);
    std::fputs(text, stderr);
    std::fflush(stderr);
    std::_Exit(255);
}
