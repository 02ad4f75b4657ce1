// Figures of the running program, printed, not judged: CPU used while idle
// and while the foreground changes, memory, and the size of the executable.
// Starts QorinSPY.exe from its own folder and closes it at the end.
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <string>

namespace {

std::string OwnDirectory() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path, n);
    return directory.substr(0, directory.find_last_of('\\') + 1);
}

// CPU time of every thread of the process, in ms. (GetProcessTimes on
// another process is not reliable under Wine; the threads' sum is.)
double ProcessCpuMs(DWORD processId) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    ULONGLONG total = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != processId) continue;
        HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
        FILETIME created, exited, kernel, user;
        if (thread != nullptr && GetThreadTimes(thread, &created, &exited, &kernel, &user)) {
            total += ((static_cast<ULONGLONG>(kernel.dwHighDateTime) << 32) | kernel.dwLowDateTime) +
                     ((static_cast<ULONGLONG>(user.dwHighDateTime) << 32) | user.dwLowDateTime);
        }
        if (thread != nullptr) CloseHandle(thread);
    }
    CloseHandle(snapshot);
    return static_cast<double>(total) / 10000.0;
}

void Pump(DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    while (GetTickCount64() < end) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

}  // namespace

int main() {
    const std::string exe = OwnDirectory() + "QorinSPY.exe";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string line = "\"" + exe + "\"";
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::printf("cannot start %s\n", exe.c_str());
        return 1;
    }
    HWND main = nullptr;
    for (int i = 0; i < 400 && main == nullptr; ++i) {
        main = FindWindowA("QorinSPY", nullptr);
        Sleep(25);
    }
    if (main == nullptr) {
        std::printf("the window did not show\n");
        TerminateProcess(process.hProcess, 1);
        return 1;
    }
    Pump(1000);  // past start-up

    const DWORD idleMs = 5000;
    const double idleStart = ProcessCpuMs(process.dwProcessId);
    Pump(idleMs);
    const double idleCpu = ProcessCpuMs(process.dwProcessId) - idleStart;

    // Foreground changes at about the tracker's pace: two windows, 40 flips.
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "QorinSPY.Bench";
    RegisterClassA(&windowClass);
    HWND windows[2];
    for (HWND& w : windows) {
        w = CreateWindowExA(0, "QorinSPY.Bench", "bench window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 200,
                            120, nullptr, nullptr, windowClass.hInstance, nullptr);
    }
    const int flips = 40;
    const double busyStart = ProcessCpuMs(process.dwProcessId);
    const ULONGLONG busyBegin = GetTickCount64();
    for (int i = 0; i < flips; ++i) {
        SetForegroundWindow(windows[i % 2]);
        Pump(100);
    }
    const double busyCpu = ProcessCpuMs(process.dwProcessId) - busyStart;
    const double busyMs = static_cast<double>(GetTickCount64() - busyBegin);

    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);

    WIN32_FILE_ATTRIBUTE_DATA file{};
    GetFileAttributesExA(exe.c_str(), GetFileExInfoStandard, &file);

    std::printf("QorinSPY figures (this machine, under Wine)\n");
    std::printf("  idle CPU:               %.1f ms over %lu ms (%.2f %%)\n", idleCpu, idleMs,
                100.0 * idleCpu / idleMs);
    std::printf("  CPU with %d changes:    %.1f ms over %.0f ms (%.2f %%)\n", flips, busyCpu, busyMs,
                100.0 * busyCpu / busyMs);
    std::printf("  working set:            %.0f KiB (peak %.0f KiB)\n", memory.WorkingSetSize / 1024.0,
                memory.PeakWorkingSetSize / 1024.0);
    std::printf("  executable size:        %lu bytes\n", file.nFileSizeLow);

    PostMessageA(main, WM_CLOSE, 0, 0);
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    std::printf("  exit code after close:  %lu\n", code);
    for (HWND w : windows) DestroyWindow(w);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
