// The button's command: the history onto the clipboard, a confirmation box
// owned by the main window, then the end of the program with exit code 0.
// When the clipboard cannot be written, an error box says so and the program
// keeps running with its history, so that the next press can succeed.
#pragma once

#include <windows.h>

void CopyInfoCommand();

// Closes a thread handle when the thread's exit code can be read; does not
// stop or wait for the thread. True when both calls succeed.
bool ReleaseThreadHandle(HANDLE thread);

// A modal box with MB_TOPMOST always added; the button's identifier - 1
// (0 for OK), or -1 when no box could be shown.
int ShowMessage(const char* text, UINT style, const char* caption, HWND owner);
