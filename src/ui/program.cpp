// Start-up and shut-down: the shared objects, the exit routine, the window
// and the message loop, in that order.
#include "core/focus_data.h"
#include "core/worker_loop.h"
#include "toolkit/toolkit.h"
#include "ui/main_window.h"
#include "ui/test_hooks.h"

namespace {

// How long the end waits for both workers to leave their loops: a turn and a
// 50 ms wait take far less, unless the machine stalls.
constexpr int kWorkerRestBoundMs = 2000;

void ExitRoutine() {
    TestTrace("exit-routine");
    if (NativeWindowHandle() != 0) TestTrace("window-still-open");
    if (StopWorkers(kWorkerRestBoundMs)) {
        ReleaseFocusData();
        TestTrace("released");
    } else {
        // A worker may still be in a turn: nothing is freed under it; the
        // process end takes it all.
        KeepPlatformBindingsToProcessEnd();
        TestTrace("release-skipped");
    }
}

// The same window refused by the platform: a top-level child cannot be made.
WindowLayout UnloadableWindow() {
    WindowLayout layout = MainWindow;
    layout.style |= WS_CHILD;
    return layout;
}

}  // namespace

int ProgramMain() {
    InitialiseToolkit();
    CreateFocusData();  // before the window: its workers use these from their first turn
    RegisterExitRoutine(ExitRoutine);
    if (TestForcesWindowLoadFailure()) {
        static const WindowLayout unloadable = UnloadableWindow();
        LoadWindow(unloadable);
    } else {
        LoadWindow(MainWindow);
    }
    RunMessageLoop();
    return 0;
}
