// The seam between the program's logic and the operating system: every system
// routine that the platform-free code (tracker, clock, text builder) calls.
// On Windows each is bound by library file name and routine name on its first
// call (desktop_platform_win32.cpp); the host build links a scripted fake.
// Types are plain integers and pointers so that this header builds anywhere.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

using WindowHandle = std::uintptr_t;  // HWND; 0 = none
using Handle = void*;                 // kernel object handle; null = none

constexpr std::uint32_t kInfinite = 0xFFFFFFFFu;
constexpr std::uint32_t kWaitObject0 = 0;
constexpr std::uint32_t kWaitFailed = 0xFFFFFFFFu;
constexpr std::uint32_t kMemCommit = 0x1000;
constexpr std::uint32_t kMemRelease = 0x8000;
constexpr std::uint32_t kPageReadWrite = 0x04;

// user32
WindowHandle GetForegroundWindow();
int GetWindowTextA(WindowHandle window, char* buffer, int capacity);
int GetClassNameA(WindowHandle window, char* buffer, int capacity);
std::uint32_t GetWindowThreadProcessId(WindowHandle window, std::uint32_t* processId);
std::uint32_t MsgWaitForMultipleObjects(std::uint32_t count, const Handle* handles, bool waitAll,
                                        std::uint32_t timeoutMs, std::uint32_t wakeMask);

// kernel32
Handle OpenProcess(std::uint32_t access, bool inheritHandle, std::uint32_t processId);
bool QueryFullProcessImageNameA(Handle process, std::uint32_t flags, char* buffer,
                                std::uint32_t* size);
bool CloseHandle(Handle handle);
std::int64_t GetSystemTimeAsFileTime();  // 100-ns units since 1601-01-01 UTC
Handle CreateWaitableTimerA(void* security, bool manualReset, const char* name);
bool SetWaitableTimer(Handle timer, std::int64_t dueTime, std::int32_t periodMs);
void* VirtualAlloc(void* address, std::size_t size, std::uint32_t allocationType,
                   std::uint32_t protect);
bool VirtualFree(void* address, std::size_t size, std::uint32_t freeType);
void MoveBytes(void* destination, const void* source, std::size_t bytes);  // RtlMoveMemory
void Sleep(std::uint32_t ms);

// psapi
std::uint32_t GetModuleFileNameExA(Handle process, Handle module, char* buffer,
                                   std::uint32_t capacity);

}  // namespace platform

namespace platform {

// Owns a kernel object handle and closes it once.
class OwnedHandle {
public:
    explicit OwnedHandle(Handle handle = nullptr) : handle_(handle) {}
    ~OwnedHandle() {
        if (handle_ != nullptr) CloseHandle(handle_);
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    Handle handle_;
};

}  // namespace platform
