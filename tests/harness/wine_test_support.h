// Helpers for the tests that run under Wine: waiting on conditions with a
// deadline, child processes, windows of the test's own, message boxes of
// another process, and CPU time of a thread.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Pumps the calling thread's messages and polls until done() or the deadline.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs);

// Dispatches whatever is waiting in the calling thread's queue.
void PumpMessages();

// The directory of the running test exe, with a trailing backslash.
std::string ExeDirectory();

// A process started by the test; killed at the end if still running.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // commandLine as for CreateProcessA; extraEnvironment: "NAME=value" pairs
    // separated by '\n', added to the test's own environment.
    bool Start(const std::string& commandLine, const std::string& extraEnvironment = "");
    bool WaitForExit(DWORD timeoutMs);  // true once it has ended
    DWORD ExitCode() const;             // STILL_ACTIVE while it runs
    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }
    void Kill();

private:
    PROCESS_INFORMATION info_{};
};

// The first visible top-level window of the process with that class and caption (null: any).
HWND FindProcessWindow(DWORD processId, const char* className, const char* caption);

// A message box (#32770) of the process with that caption, and its text.
HWND FindMessageBox(DWORD processId, const char* caption);
std::string MessageBoxText(HWND box);

std::string WindowText(HWND window);
std::string ClassName(HWND window);

// A plain top-level window of the test, on the calling thread.
class TestWindow {
public:
    explicit TestWindow(const std::string& title);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Handle() const { return window_; }
    bool Activate();  // brings it to the foreground and waits until it is there

private:
    HWND window_ = nullptr;
};

extern const char* const kTestWindowClass;

// A real left click (SendInput) in the middle of a window; true when sent.
bool ClickMiddleOf(HWND window);

// CPU time (kernel + user) used so far by a thread, in 100-ns units.
ULONGLONG ThreadCpuTime(HANDLE thread);

// Text on the clipboard as CF_TEXT; false when there is none or it cannot be opened.
bool ReadClipboardText(std::string& text);

// A test exe that needs a second process relaunches itself: a registered
// child routine runs instead of the tests when the exe is started with
// "--child=NAME" (ChildCommandLine gives that line).
using ChildMain = int (*)();
struct ChildRegistration {
    ChildRegistration(const char* name, ChildMain main);
};
std::string ChildCommandLine(const char* name);
