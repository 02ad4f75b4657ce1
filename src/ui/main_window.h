// The program's one window: four caption labels, four value labels that the
// presenter fills, and the button that copies the history. Its created
// handler makes it non-activating and starts the two workers.
#pragma once

#include <windows.h>

#include "toolkit/toolkit.h"

extern const WindowLayout MainWindow;

void MainWindowCreated();

// A worker's thread handle as the created handler keeps it. The command
// closes it once; the value stays for reference.
struct WorkerThread {
    HANDLE handle = nullptr;
    bool closed = false;
};
extern WorkerThread TrackerThread;
extern WorkerThread PresenterThread;

// Creates a thread; true when it was created. With keep, the handle goes to
// the variable; otherwise it is closed at once.
bool StartWorker(LPTHREAD_START_ROUTINE routine, void* parameter, HANDLE& handle, bool keep,
                 bool suspended, SIZE_T stackSize);
