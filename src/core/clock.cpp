#include "core/clock.h"

#include "platform/desktop_platform.h"
#include "toolkit/toolkit.h"

namespace {
constexpr double kEpochOffset = 116444736000000000.0;  // 1601 to 1970 in 100-ns units; exact
constexpr double kUnitsPerMillisecond = 10000.0;
constexpr double kDueTimeFactor = -10000.0;  // negative due time: relative to arming
constexpr std::uint32_t kWakeMask = 0xFF;    // QS_KEY .. QS_HOTKEY, no QS_ALLPOSTMESSAGE or QS_RAWINPUT
}  // namespace

std::int64_t EpochMillisFromFileTime(std::int64_t fileTime) {
    const double sinceEpoch = static_cast<double>(fileTime) - kEpochOffset;
    const std::int64_t units = static_cast<std::int64_t>(sinceEpoch);  // truncates toward zero
    return static_cast<std::int64_t>(static_cast<double>(units) / kUnitsPerMillisecond);
}

std::int64_t EpochMillis() { return EpochMillisFromFileTime(platform::GetSystemTimeAsFileTime()); }

void PacedWait(std::int32_t ms) {
    const std::int64_t dueTime = static_cast<std::int64_t>(static_cast<double>(ms) * kDueTimeFactor);
    platform::Handle timer = platform::CreateWaitableTimerA(nullptr, false, nullptr);
    if (timer == nullptr) {
        // Without a timer the wait below would fail at once and spin; a plain
        // sleep still gives the callers their pace.
        platform::Sleep(static_cast<std::uint32_t>(ms));
        return;
    }
    platform::SetWaitableTimer(timer, dueTime, 0);
    for (;;) {
        const std::uint32_t result =
            platform::MsgWaitForMultipleObjects(1, &timer, false, platform::kInfinite, kWakeMask);
        if (result == platform::kWaitObject0) break;
        if (result == platform::kWaitFailed) {
            platform::Sleep(static_cast<std::uint32_t>(ms));  // same reason as above
            break;
        }
        DispatchPendingMessages();
    }
    platform::CloseHandle(timer);
}
