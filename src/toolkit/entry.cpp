// The program's entry: the toolkit runs the start-up routine on the UI thread
// and, once its message loop has ended, ends the program with the quit code.
#include <windows.h>

#include "toolkit/toolkit.h"
#include "toolkit/toolkit_internal.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ProgramMain();
    EndProgram(toolkit_internal::QuitCode());
}
