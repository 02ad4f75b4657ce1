// The UI thread's life: initialisation with the hidden window, the message
// loop, the hand-over of captions and of the end from other threads, the exit
// routines, the end of the program and the fatal runtime error box.
#include <atomic>

#include "platform/routine_binding.h"
#include "platform/win32_api.h"
#include "support/owned_memory.h"
#include "toolkit/fatal_error.h"
#include "toolkit/toolkit_internal.h"

namespace {

const char* const kHiddenClassName = "QorinSPY.Toolkit";
constexpr int kMaxExitRoutines = 4;

DWORD g_uiThreadId = 0;
HINSTANCE g_instance = nullptr;
HWND g_hiddenWindow = nullptr;
bool g_loopStarted = false;
int g_quitCode = 0;
std::atomic<bool> g_cleanUpUnderway{false};
std::atomic<bool> g_keepBindings{false};
std::atomic<int> g_exitRoutineCount{0};
void (*g_exitRoutines[kMaxExitRoutines])() = {};

LRESULT CALLBACK HiddenWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kMessageSetCaption: {
        Text* caption = reinterpret_cast<Text*>(lParam);
        if (!g_cleanUpUnderway.load()) {
            toolkit_internal::ApplyLabelCaption(static_cast<ControlId>(wParam), caption->c_str());
        }
        DeleteObject(caption);
        return 0;
    }
    case kMessageEndProgram:
        EndProgram(static_cast<int>(wParam));
    default:
        return win32::DefWindowProcA(window, message, wParam, lParam);
    }
}

// Runs on the UI thread: exit routines, then the toolkit's own resources.
[[noreturn]] void CleanUpAndEnd(int exitCode) {
    g_cleanUpUnderway.store(true);
    const int count = g_exitRoutineCount.load();
    for (int i = 0; i < count && i < g_exitRoutineCount.load(); ++i) g_exitRoutines[i]();
    if (g_hiddenWindow != nullptr) {
        win32::DestroyWindow(g_hiddenWindow);
        g_hiddenWindow = nullptr;
    }
    if (!g_keepBindings.load()) ReleaseBoundLibraries();
    ::ExitProcess(static_cast<UINT>(exitCode));  // imported at load: the bindings may be gone
}

}  // namespace

namespace toolkit_internal {

bool OnUiThread() { return ::GetCurrentThreadId() == g_uiThreadId; }
bool CleanUpUnderway() { return g_cleanUpUnderway.load(); }
HWND HiddenWindow() { return g_hiddenWindow; }
HINSTANCE Instance() { return g_instance; }
int QuitCode() { return g_quitCode; }

void OnMainWindowGone() {
    if (g_loopStarted) win32::PostQuitMessage(0);
}

}  // namespace toolkit_internal

void InitialiseToolkit() {
    g_uiThreadId = ::GetCurrentThreadId();
    g_instance = win32::GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = HiddenWindowProc;
    windowClass.hInstance = g_instance;
    windowClass.lpszClassName = kHiddenClassName;
    win32::RegisterClassExA(&windowClass);
    // A message-only window: never shown, never in the window list.
    g_hiddenWindow = win32::CreateWindowExA(0, kHiddenClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                            nullptr, g_instance, nullptr);
}

std::uintptr_t HiddenWindowHandle() { return reinterpret_cast<std::uintptr_t>(g_hiddenWindow); }

void RunMessageLoop() {
    g_loopStarted = true;
    if (toolkit_internal::MainWindow() == nullptr) return;
    MSG message;
    for (;;) {
        const BOOL got = win32::GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            g_quitCode = static_cast<int>(message.wParam);
            return;
        }
        if (got == -1) return;
        if (toolkit_internal::HandleWindowKey(message)) continue;
        win32::TranslateMessage(&message);
        win32::DispatchMessageA(&message);
    }
}

void DispatchPendingMessages() {
    MSG message;
    while (win32::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
        if (message.message == WM_QUIT) return;  // left for whoever ends this thread's loop
        if (!win32::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return;
        if (message.message == WM_QUIT) {  // came in between the two looks: put it back
            win32::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        win32::TranslateMessage(&message);
        win32::DispatchMessageA(&message);
    }
}

void SetLabelCaption(ControlId label, const char* text) {
    if (toolkit_internal::CleanUpUnderway()) return;
    if (toolkit_internal::OnUiThread()) {
        toolkit_internal::ApplyLabelCaption(label, text);
        return;
    }
    // Posted, never sent: a worker must not wait on a UI thread that may be
    // inside a modal box or ending the program.
    Text* caption = NewObject<Text>(TextOf(text));
    HWND hidden = g_hiddenWindow;
    if (hidden == nullptr ||
        !win32::PostMessageA(hidden, kMessageSetCaption, static_cast<WPARAM>(label),
                             reinterpret_cast<LPARAM>(caption))) {
        DeleteObject(caption);
    }
}

void RegisterExitRoutine(void (*routine)()) {
    const int count = g_exitRoutineCount.load();
    if (count >= kMaxExitRoutines) return;
    g_exitRoutines[count] = routine;
    g_exitRoutineCount.store(count + 1);
}

void KeepPlatformBindingsToProcessEnd() { g_keepBindings.store(true); }

void EndProgram(int exitCode) {
    if (toolkit_internal::OnUiThread()) CleanUpAndEnd(exitCode);
    HWND hidden = g_hiddenWindow;
    if (!g_cleanUpUnderway.load() && hidden != nullptr &&
        win32::PostMessageA(hidden, kMessageEndProgram, static_cast<WPARAM>(exitCode), 0)) {
        for (;;) ::Sleep(INFINITE);  // the UI thread ends the process
    }
    ::ExitProcess(static_cast<UINT>(exitCode));  // no UI thread to hand it to
}

void FatalRuntimeErrorNumbered(int number, const char* message) {
    // One box at a time. A second fatal error on the same thread (the box
    // itself failing) ends at once; on another thread it waits for the first.
    static std::atomic<DWORD> failingThread{0};
    DWORD expected = 0;
    const DWORD self = ::GetCurrentThreadId();
    if (!failingThread.compare_exchange_strong(expected, self)) {
        if (expected == self) ::ExitProcess(static_cast<UINT>(-1));
        for (;;) ::Sleep(INFINITE);
    }
    char text[2048];
    FormatFatalErrorText(text, sizeof text, number, message);
    win32::MessageBoxA(nullptr, text, "错误", MB_OK | MB_ICONHAND);
    g_exitRoutineCount.store(0);  // a fatal end runs no exit routine...
    g_keepBindings.store(true);   // ...so workers may still be running: keep their routines
    EndProgram(-1);
}
