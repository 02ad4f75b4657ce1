// What the toolkit's own files share: the UI thread's state and the private
// messages through which other threads reach it. Windows only.
#pragma once

#include <windows.h>

#include "toolkit/toolkit.h"

// Private messages of the toolkit's hidden window, all in one place.
enum ToolkitMessage : UINT {
    kMessageSetCaption = WM_APP + 1,  // wParam: label id, lParam: Text* the receiver frees
    kMessageEndProgram = WM_APP + 2,  // wParam: exit code
};

namespace toolkit_internal {

bool OnUiThread();
bool CleanUpUnderway();
HWND HiddenWindow();
HINSTANCE Instance();

// Window side (window_builder.cpp), UI thread only.
HWND MainWindow();
void ApplyLabelCaption(ControlId label, const char* text);
bool HandleWindowKey(const MSG& message);  // true when the key was the window's own (Esc)

// Lifecycle side (program_lifecycle.cpp).
void OnMainWindowGone();
int QuitCode();

}  // namespace toolkit_internal
