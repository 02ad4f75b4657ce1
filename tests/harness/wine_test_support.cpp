#include "wine_test_support.h"

#include <vector>

namespace {

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

struct FindRequest {
    DWORD processId;
    const char* className;
    const char* caption;
    HWND found;
};

BOOL CALLBACK FindInProcess(HWND window, LPARAM parameter) {
    auto* request = reinterpret_cast<FindRequest*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != request->processId || !IsWindowVisible(window)) return TRUE;
    if (request->className != nullptr && ClassName(window) != request->className) return TRUE;
    if (request->caption != nullptr && WindowText(window) != request->caption) return TRUE;
    request->found = window;
    return FALSE;
}

}  // namespace

const char* const kTestWindowClass = "QorinSPY.TestWindow";

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        PumpMessages();
        if (done()) return true;
        if (GetTickCount64() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

std::string ExeDirectory() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path, n);
    return directory.substr(0, directory.find_last_of('\\') + 1);
}

ChildProcess::~ChildProcess() {
    if (info_.hProcess != nullptr) {
        Kill();
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
}

bool ChildProcess::Start(const std::string& commandLine, const std::string& extraEnvironment) {
    // The child's environment: ours, plus the extra pairs.
    std::vector<char> environment;
    if (!extraEnvironment.empty()) {
        char* own = GetEnvironmentStringsA();
        for (const char* entry = own; *entry != '\0'; entry += strlen(entry) + 1) {
            environment.insert(environment.end(), entry, entry + strlen(entry) + 1);
        }
        FreeEnvironmentStringsA(own);
        std::string pairs = extraEnvironment;
        for (char& c : pairs) {
            if (c == '\n') c = '\0';
        }
        environment.insert(environment.end(), pairs.begin(), pairs.end());
        environment.push_back('\0');
        environment.push_back('\0');
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    return CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0,
                          environment.empty() ? nullptr : environment.data(), nullptr, &startup,
                          &info_) != FALSE;
}

bool ChildProcess::WaitForExit(DWORD timeoutMs) {
    return WaitUntil([this] { return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; }, timeoutMs);
}

DWORD ChildProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

void ChildProcess::Kill() {
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
}

HWND FindProcessWindow(DWORD processId, const char* className, const char* caption) {
    FindRequest request{processId, className, caption, nullptr};
    EnumWindows(FindInProcess, reinterpret_cast<LPARAM>(&request));
    return request.found;
}

HWND FindMessageBox(DWORD processId, const char* caption) {
    return FindProcessWindow(processId, "#32770", caption);
}

std::string MessageBoxText(HWND box) { return WindowText(GetDlgItem(box, 0xFFFF)); }

std::string WindowText(HWND window) {
    char text[4096];
    const int n = GetWindowTextA(window, text, sizeof text);
    return std::string(text, n > 0 ? static_cast<std::size_t>(n) : 0);
}

std::string ClassName(HWND window) {
    char name[256];
    const int n = GetClassNameA(window, name, sizeof name);
    return std::string(name, n > 0 ? static_cast<std::size_t>(n) : 0);
}

TestWindow::TestWindow(const std::string& title) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!GetClassInfoExA(instance, kTestWindowClass, &windowClass)) {
        windowClass = WNDCLASSEXA{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = TestWindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = kTestWindowClass;
        RegisterClassExA(&windowClass);
    }
    window_ = CreateWindowExA(0, kTestWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW, 40, 40, 300, 200,
                              nullptr, nullptr, instance, nullptr);
}

TestWindow::~TestWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
}

bool TestWindow::Activate() {
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    return WaitUntil([this] { return GetForegroundWindow() == window_; }, 5000);
}

bool ClickMiddleOf(HWND window) {
    RECT r;
    if (!GetWindowRect(window, &r) || !SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2)) return false;
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    return SendInput(2, clicks, sizeof(INPUT)) == 2;
}

ULONGLONG ThreadCpuTime(HANDLE thread) {
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(thread, &created, &exited, &kernel, &user)) return 0;
    const auto value = [](const FILETIME& t) {
        return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return value(kernel) + value(user);
}

bool ReadClipboardText(std::string& text) {
    bool opened = false;
    WaitUntil([&opened] { return opened = OpenClipboard(nullptr) != FALSE; }, 3000);
    if (!opened) return false;
    bool ok = false;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text.assign(bytes);
            ok = true;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return ok;
}
