// Drives the test build of the program (QorinSPY_test.exe) from another
// process: starts it with a trace file, finds its window and controls, reads
// its labels and boxes, and reads its exit code and trace.
#pragma once

#include <string>
#include <vector>

#include "wine_test_support.h"

class ProgramUnderTest {
public:
    ProgramUnderTest();
    ~ProgramUnderTest();

    // Starts the program; extraEnvironment as for ChildProcess::Start.
    bool Start(const std::string& extraEnvironment = "");
    bool WaitForWindow(DWORD timeoutMs = 20000);  // its main window is visible
    bool WaitForExit(DWORD timeoutMs = 20000) { return process_.WaitForExit(timeoutMs); }
    DWORD ExitCode() const { return process_.ExitCode(); }
    DWORD Id() const { return process_.Id(); }
    bool Running() const { return WaitForSingleObject(process_.Handle(), 0) == WAIT_TIMEOUT; }

    HWND Main() const { return main_; }
    HWND Control(int id) const { return GetDlgItem(main_, id); }
    std::string Label(int id) const { return WindowText(Control(id)); }

    // Waits until the four value labels show the window: handle, class, title, path.
    bool WaitForLabelsShowing(HWND window, const std::string& expectedTitle, DWORD timeoutMs = 10000) const;

    // Lines the program's test hooks wrote ("exit-routine", "released", ...).
    std::vector<std::string> Trace() const;
    int TraceCount(const std::string& event) const;

private:
    ChildProcess process_;
    std::string tracePath_;
    HWND main_ = nullptr;
};

// Presses the button and waits for the box with that caption; null if none came.
HWND PressAndWaitForBox(const ProgramUnderTest& program, const char* caption, DWORD timeoutMs = 15000);

// One clipboard line taken apart: time|handle|class|title|path.
struct ClipboardLine {
    long long time = 0;
    std::string handle, className, title, path;
};
bool ParseLine(const std::string& line, ClipboardLine& parsed);

// Splits a clipboard text into lines; false unless every line, the last too,
// ends in CR LF and no line is empty.
bool SplitClipboardLines(const std::string& text, std::vector<std::string>& lines);

// The decimal text of a window handle as the program shows it (signed 32 bits).
std::string HandleText(HWND window);

// This test exe's own path, as the program reads it for the test's windows.
std::string OwnExePath();

// Leaves no window of the test in the foreground (the foreground becomes none).
bool ClearForeground();
