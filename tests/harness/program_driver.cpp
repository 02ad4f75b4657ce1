#include "program_driver.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "ui/main_window_controls.h"

ProgramUnderTest::ProgramUnderTest() {
    char directory[MAX_PATH];
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, directory);
    GetTempFileNameA(directory, "qst", 0, path);  // creates it empty
    tracePath_ = path;
}

ProgramUnderTest::~ProgramUnderTest() {
    process_.Kill();
    DeleteFileA(tracePath_.c_str());
}

bool ProgramUnderTest::Start(const std::string& extraEnvironment) {
    std::string environment = "QORINSPY_TEST_TRACE=" + tracePath_;
    if (!extraEnvironment.empty()) environment += "\n" + extraEnvironment;
    return process_.Start("\"" + ExeDirectory() + "QorinSPY_test.exe\"", environment);
}

bool ProgramUnderTest::WaitForWindow(DWORD timeoutMs) {
    return WaitUntil([this] { return (main_ = FindProcessWindow(Id(), "QorinSPY", nullptr)) != nullptr; },
                     timeoutMs);
}

bool ProgramUnderTest::WaitForLabelsShowing(HWND window, const std::string& expectedTitle,
                                            DWORD timeoutMs) const {
    const std::string handle = HandleText(window);
    const std::string className = ClassName(window);
    const std::string path = OwnExePath();
    return WaitUntil(
        [&] {
            return Label(标签_句柄) == handle && Label(标签_类名) == className &&
                   Label(标签_名称) == expectedTitle && lstrcmpiA(Label(标签_路径).c_str(), path.c_str()) == 0;
        },
        timeoutMs);
}

std::vector<std::string> ProgramUnderTest::Trace() const {
    std::vector<std::string> lines;
    std::ifstream file(tracePath_);
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

int ProgramUnderTest::TraceCount(const std::string& event) const {
    int count = 0;
    for (const std::string& line : Trace()) count += line == event ? 1 : 0;
    return count;
}

std::string HandleText(HWND window) {
    return std::to_string(static_cast<int>(reinterpret_cast<std::uintptr_t>(window) & 0xFFFFFFFFu));
}

std::string OwnExePath() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, n);
}

bool ClearForeground() {
    if (GetForegroundWindow() == nullptr) return true;
    // The foreground goes to nothing once the last window that held it is gone.
    {
        TestWindow window("clearing the foreground");
        if (!window.Activate()) return false;
    }
    return WaitUntil([] { return GetForegroundWindow() == nullptr; }, 5000);
}

HWND PressAndWaitForBox(const ProgramUnderTest& program, const char* caption, DWORD timeoutMs) {
    PostMessageA(program.Control(按钮1), BM_CLICK, 0, 0);
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindMessageBox(program.Id(), caption)) != nullptr; }, timeoutMs);
    return box;
}

bool ParseLine(const std::string& line, ClipboardLine& parsed) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t bar; (bar = line.find('|', start)) != std::string::npos; start = bar + 1) {
        fields.push_back(line.substr(start, bar - start));
    }
    fields.push_back(line.substr(start));
    if (fields.size() != 5 || fields[0].empty() || fields[1].empty()) return false;
    char* end = nullptr;
    parsed.time = std::strtoll(fields[0].c_str(), &end, 10);
    if (*end != '\0') return false;
    std::strtol(fields[1].c_str(), &end, 10);
    if (*end != '\0') return false;
    parsed.handle = fields[1];
    parsed.className = fields[2];
    parsed.title = fields[3];
    parsed.path = fields[4];
    return true;
}

bool SplitClipboardLines(const std::string& text, std::vector<std::string>& lines) {
    lines.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos || end == start) return false;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return true;
}
