#include "core/focus_tracker.h"

#include <cstring>

#include "core/clock.h"
#include "core/focus_data.h"
#include "core/worker_loop.h"

namespace {

constexpr int kPaceMs = 50;
constexpr int kNameCapacity = 255;
constexpr std::uint32_t kPathCapacity = 1024;
constexpr std::uint32_t kQueryAndReadAccess = 0x0410;  // PROCESS_QUERY_INFORMATION | PROCESS_VM_READ
constexpr std::uint32_t kLimitedQueryAccess = 0x1000;  // PROCESS_QUERY_LIMITED_INFORMATION
const char* const kNoForegroundTitle = "系统桌面";

// A probe buffer: capacity spaces and a zero byte, so an unwritten buffer reads as spaces.
template <std::size_t Capacity>
struct SpaceFilled {
    SpaceFilled() {
        std::memset(bytes, ' ', Capacity);
        bytes[Capacity] = '\0';
    }
    char bytes[Capacity + 1];
};

}  // namespace

Text ReadWindowTitle(platform::WindowHandle window) {
    SpaceFilled<kNameCapacity> buffer;
    platform::GetWindowTextA(window, buffer.bytes, kNameCapacity);
    return Text(buffer.bytes);
}

Text ReadWindowClass(platform::WindowHandle window) {
    SpaceFilled<kNameCapacity> buffer;
    platform::GetClassNameA(window, buffer.bytes, kNameCapacity);
    return Text(buffer.bytes);
}

Text ReadProgramPath(platform::WindowHandle window) {
    std::uint32_t processId = 0;
    if (platform::GetWindowThreadProcessId(window, &processId) == 0) return Text();
    {
        SpaceFilled<kPathCapacity> buffer;
        platform::OwnedHandle process(platform::OpenProcess(kQueryAndReadAccess, false, processId));
        if (platform::GetModuleFileNameExA(process.get(), nullptr, buffer.bytes, kPathCapacity) != 0) {
            return Text(buffer.bytes);
        }
    }
    // Elevated and protected processes refuse the access above, and they are
    // often the ones that take the focus: ask again with the limited query.
    SpaceFilled<kPathCapacity> buffer;
    platform::OwnedHandle process(platform::OpenProcess(kLimitedQueryAccess, false, processId));
    std::uint32_t size = kPathCapacity;
    if (process && platform::QueryFullProcessImageNameA(process.get(), 0, buffer.bytes, &size)) {
        return Text(buffer.bytes);
    }
    return Text();
}

void FocusTrackerTurn() {
    const platform::WindowHandle window = platform::GetForegroundWindow();
    const std::uint32_t handle = static_cast<std::uint32_t>(window);  // handles compare as 32 bits
    if (handle == CurrentFocus->handle) return;

    CurrentFocus->handle = handle;
    CurrentFocus->time = EpochMillis();  // before the probes: the moment the change was seen
    if (window != 0) {
        CurrentFocus->title = ReadWindowTitle(window);
        CurrentFocus->className = ReadWindowClass(window);
        CurrentFocus->programPath = ReadProgramPath(window);
    } else {
        CurrentFocus->title = kNoForegroundTitle;
        CurrentFocus->className.clear();
        CurrentFocus->programPath.clear();
    }
    PendingQueue->AppendCopy(*CurrentFocus);
}

void FocusTracker() {
    WorkerLoop loop;
    while (loop.Continue()) {
        FocusTrackerTurn();
        PacedWait(kPaceMs);
    }
}
