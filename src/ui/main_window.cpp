#include "ui/main_window.h"

#include <cstdint>

#include "core/focus_presenter.h"
#include "core/focus_tracker.h"
#include "platform/win32_api.h"
#include "ui/copy_info_command.h"
#include "ui/main_window_controls.h"
#include "ui/test_hooks.h"

namespace {

constexpr std::uint32_t kWindowStyle = 0x02CA0000;  // overlapped, caption, system menu, minimise box, clip children
constexpr std::uint32_t kButtonStyle = 0x44012F00;  // child, clip siblings, tab stop, centred multi-line push button

const ControlLayout kControls[] = {
    {标签1, ControlKind::Label, 16, 8, 64, 24, "窗口句柄：", 0},
    {标签_句柄, ControlKind::Label, 96, 8, 250, 24, "", 0},
    {标签4, ControlKind::Label, 16, 35, 64, 24, "窗体类名：", 0},
    {标签_类名, ControlKind::Label, 96, 35, 250, 24, "", 0},
    {标签2, ControlKind::Label, 16, 65, 64, 24, "窗口名称：", 0},
    {标签_名称, ControlKind::Label, 96, 65, 250, 24, "", 0},
    {标签3, ControlKind::Label, 16, 98, 64, 24, "程序路径：", 0},
    {标签_路径, ControlKind::Label, 96, 98, 250, 24, "", 0},
    {按钮1, ControlKind::Button, 19, 136, 336, 40, "复制信息", kButtonStyle},
};

void MainWindowClicked(ControlId control) {
    if (control == 按钮1) CopyInfoCommand();
}

DWORD WINAPI TrackerThreadBody(void*) {
    FocusTracker();
    return 0;
}

DWORD WINAPI PresenterThreadBody(void*) {
    FocusPresenter();
    return 0;
}

}  // namespace

const WindowLayout MainWindow = {
    "QorinSPY",
    " Qorin - 焦点窗口跟踪检测",
    380,
    213,
    kWindowStyle,
    "DEFAULT_ICON",
    kControls,
    static_cast<int>(sizeof kControls / sizeof kControls[0]),
    MainWindowCreated,
    MainWindowClicked,
};

WorkerThread TrackerThread;
WorkerThread PresenterThread;

bool StartWorker(LPTHREAD_START_ROUTINE routine, void* parameter, HANDLE& handle, bool keep,
                 bool suspended, SIZE_T stackSize) {
    handle = nullptr;
    DWORD threadId = 0;
    HANDLE created = win32::CreateThread(nullptr, stackSize, routine, parameter,
                                         suspended ? CREATE_SUSPENDED : 0, &threadId);
    if (static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(created)) <= 0) return false;
    if (keep) {
        handle = created;
    } else {
        win32::CloseHandle(created);
    }
    return true;
}

void MainWindowCreated() {
    HWND window = reinterpret_cast<HWND>(NativeWindowHandle());
    // Never activated, so watching or clicking it leaves the foreground where
    // it was; and still on the taskbar, which the no-activate style alone would
    // take away, so a minimised window can be restored.
    const LONG extendedStyle = win32::GetWindowLongA(window, GWL_EXSTYLE);
    win32::SetWindowLongA(window, GWL_EXSTYLE, extendedStyle | WS_EX_NOACTIVATE | WS_EX_APPWINDOW);

    if (StartWorker(TrackerThreadBody, nullptr, TrackerThread.handle, true, false, 0)) {
        TestTrace("tracker-started");
    }
    if (StartWorker(PresenterThreadBody, nullptr, PresenterThread.handle, true, false, 0)) {
        TestTrace("presenter-started");
    }
}
