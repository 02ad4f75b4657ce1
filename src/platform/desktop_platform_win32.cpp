// The platform seam on Windows: each routine passes straight to its bound
// Win32 routine, converting only the portable handle and time types.
#include "platform/desktop_platform.h"

#include "platform/win32_api.h"

namespace platform {

namespace {
HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
}  // namespace

WindowHandle GetForegroundWindow() {
    return reinterpret_cast<WindowHandle>(win32::GetForegroundWindow());
}

int GetWindowTextA(WindowHandle window, char* buffer, int capacity) {
    return win32::GetWindowTextA(ToHwnd(window), buffer, capacity);
}

int GetClassNameA(WindowHandle window, char* buffer, int capacity) {
    return win32::GetClassNameA(ToHwnd(window), buffer, capacity);
}

std::uint32_t GetWindowThreadProcessId(WindowHandle window, std::uint32_t* processId) {
    DWORD id = processId != nullptr ? *processId : 0;
    const DWORD thread = win32::GetWindowThreadProcessId(ToHwnd(window), &id);
    if (processId != nullptr) *processId = id;
    return thread;
}

std::uint32_t MsgWaitForMultipleObjects(std::uint32_t count, const Handle* handles, bool waitAll,
                                        std::uint32_t timeoutMs, std::uint32_t wakeMask) {
    return win32::MsgWaitForMultipleObjects(count, const_cast<HANDLE*>(handles), waitAll ? TRUE : FALSE,
                                            timeoutMs, wakeMask);
}

Handle OpenProcess(std::uint32_t access, bool inheritHandle, std::uint32_t processId) {
    return win32::OpenProcess(access, inheritHandle ? TRUE : FALSE, processId);
}

bool QueryFullProcessImageNameA(Handle process, std::uint32_t flags, char* buffer,
                                std::uint32_t* size) {
    DWORD length = *size;
    const BOOL ok = win32::QueryFullProcessImageNameA(process, flags, buffer, &length);
    *size = length;
    return ok != FALSE;
}

bool CloseHandle(Handle handle) { return win32::CloseHandle(handle) != FALSE; }

std::int64_t GetSystemTimeAsFileTime() {
    FILETIME time{};
    win32::GetSystemTimeAsFileTime(&time);
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) |
                                     time.dwLowDateTime);
}

Handle CreateWaitableTimerA(void* security, bool manualReset, const char* name) {
    return win32::CreateWaitableTimerA(static_cast<SECURITY_ATTRIBUTES*>(security),
                                       manualReset ? TRUE : FALSE, name);
}

bool SetWaitableTimer(Handle timer, std::int64_t dueTime, std::int32_t periodMs) {
    LARGE_INTEGER due;
    due.QuadPart = dueTime;
    return win32::SetWaitableTimer(timer, &due, periodMs, nullptr, nullptr, FALSE) != FALSE;
}

void* VirtualAlloc(void* address, std::size_t size, std::uint32_t allocationType,
                   std::uint32_t protect) {
    return win32::VirtualAlloc(address, size, allocationType, protect);
}

bool VirtualFree(void* address, std::size_t size, std::uint32_t freeType) {
    return win32::VirtualFree(address, size, freeType) != FALSE;
}

void MoveBytes(void* destination, const void* source, std::size_t bytes) {
    win32::MoveBytes(destination, source, bytes);
}

void Sleep(std::uint32_t ms) { win32::Sleep(ms); }

std::uint32_t GetModuleFileNameExA(Handle process, Handle module, char* buffer,
                                   std::uint32_t capacity) {
    return win32::GetModuleFileNameExA(process, static_cast<HMODULE>(module), buffer, capacity);
}

}  // namespace platform
