// Waits until a visible window of the given class exists (default "QorinSPY"),
// then exits 0; exits 1 after the time-out (seconds, default 30). Used by the
// run script to take its screenshot once the window shows.
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
    const char* className = argc > 1 ? argv[1] : "QorinSPY";
    const DWORD timeoutMs = (argc > 2 ? static_cast<DWORD>(std::atoi(argv[2])) : 30) * 1000;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        HWND window = FindWindowA(className, nullptr);
        if (window != nullptr && IsWindowVisible(window)) return 0;
        Sleep(50);
    }
    return 1;
}
