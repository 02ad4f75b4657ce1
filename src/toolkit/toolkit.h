// Our windowing toolkit: a thin layer over Win32 with just what the program
// needs. It builds the one window from a layout, runs the UI thread's message
// loop, hands captions set on other threads to the UI thread, keeps the exit
// routines and ends the program. Portable types only, so that the host build
// can fake the few operations the workers call.
#pragma once

#include <cstdint>

using ControlId = int;

enum class ControlKind { Label, Button };

struct ControlLayout {
    ControlId id;
    ControlKind kind;
    int left, top, width, height;  // client coordinates, pixels
    const char* text;              // at start
    std::uint32_t style;           // native style of a button; labels have fixed settings
};

struct WindowLayout {
    const char* className;
    const char* caption;
    int width, height;      // outer size, frame included; centred on the primary screen
    std::uint32_t style;    // native style at creation
    const char* iconGroup;  // icon group resource of the executable
    const ControlLayout* controls;
    int controlCount;
    void (*created)();           // raised once the controls exist, before the first show
    void (*clicked)(ControlId);  // a button was clicked
};

// --- Used by the workers (and faked on the host) ---

// Gives a label its text (null = empty). From a worker thread the text is
// copied and handed to the UI thread, never waited on; once the window is
// gone, or the end of the program is under way, it is dropped.
void SetLabelCaption(ControlId label, const char* text);

// Dispatches the messages waiting in the calling thread's queue, leaving
// WM_QUIT in place. Never waits.
void DispatchPendingMessages();

// --- Used by start-up, the window and the command (Windows only) ---

void InitialiseToolkit();  // the calling thread becomes the UI thread

// Builds and shows the window; when it cannot be built, the fatal runtime
// error "载入启动窗口失败" (does not return).
void LoadWindow(const WindowLayout& layout);

// Dispatches the UI thread's messages until the quit message; returns at
// once when no window is loaded. The quit is posted once the window is gone.
void RunMessageLoop();

std::uintptr_t NativeWindowHandle();  // HWND of the loaded window; 0 = none
std::uintptr_t HiddenWindowHandle();  // the toolkit's own window on the UI thread

void RegisterExitRoutine(void (*routine)());

// Runs the exit routines on the UI thread, releases the toolkit and ends the
// process with exitCode. From another thread the request goes to the UI
// thread and the caller waits.
[[noreturn]] void EndProgram(int exitCode);

// For an exit routine that could not bring every worker to rest: the bound
// system libraries then stay loaded until the process itself ends.
void KeepPlatformBindingsToProcessEnd();

// The program's start-up routine, run by the toolkit on the UI thread.
int ProgramMain();

// Puts text on the clipboard as CF_TEXT, opened with the toolkit's window.
// A clipboard held by another program is asked again for about a second.
// True only when the text is on the clipboard.
bool PutTextOnClipboard(const char* text);
