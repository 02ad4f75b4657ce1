// The worker that watches the foreground window. Each 50 ms turn asks which
// window holds the foreground; when its handle differs from CurrentFocus's,
// the record is refreshed and a deep copy of it is queued for the presenter.
#pragma once

#include "platform/desktop_platform.h"
#include "support/owned_memory.h"

void FocusTracker();      // the thread's body; loops until the program ends
void FocusTrackerTurn();  // one poll, without the wait

// Probes of a window. Title and class name come from buffers pre-filled with
// 255 spaces, cut at the first zero byte; a failed probe is not reported.
Text ReadWindowTitle(platform::WindowHandle window);
Text ReadWindowClass(platform::WindowHandle window);
Text ReadProgramPath(platform::WindowHandle window);  // empty when not to be had
