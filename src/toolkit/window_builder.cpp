// Builds the program's one window from its layout, with self-painting labels
// and native buttons, and keeps the labels' texts. UI thread only.
#include "platform/win32_api.h"
#include "support/owned_memory.h"
#include "toolkit/fatal_error.h"
#include "toolkit/toolkit_internal.h"

namespace {

const char* const kLabelClassName = "QorinSPY.Label";
constexpr UINT kLabelTextFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;  // 0x0124
constexpr DWORD kLabelStyle = WS_CHILD | WS_CLIPSIBLINGS;
constexpr int kMaxControls = 16;

struct LoadedControl {
    ControlId id = 0;
    ControlKind kind = ControlKind::Label;
    HWND window = nullptr;
    Text caption;
};

const WindowLayout* g_layout = nullptr;
HWND g_mainWindow = nullptr;
LoadedControl g_controls[kMaxControls];
int g_controlCount = 0;

LoadedControl* ControlByWindow(HWND window) {
    for (int i = 0; i < g_controlCount; ++i) {
        if (g_controls[i].window == window) return &g_controls[i];
    }
    return nullptr;
}

HFONT GuiFont() { return static_cast<HFONT>(win32::GetStockObject(DEFAULT_GUI_FONT)); }

void PaintLabel(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = win32::BeginPaint(window, &paint);
    RECT area;
    win32::GetClientRect(window, &area);
    win32::FillRect(dc, &area, win32::GetSysColorBrush(COLOR_BTNFACE));
    const LoadedControl* label = ControlByWindow(window);
    if (label != nullptr && !label->caption.empty()) {
        HGDIOBJ previousFont = win32::SelectObject(dc, GuiFont());
        win32::SetBkMode(dc, TRANSPARENT);
        win32::SetTextColor(dc, RGB(0, 0, 0));
        win32::DrawTextA(dc, label->caption.c_str(), -1, &area, kLabelTextFormat);
        win32::SelectObject(dc, previousFont);
    }
    win32::EndPaint(window, &paint);
}

LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // the paint fills the whole label
    case WM_PAINT:
        PaintLabel(window);
        return 0;
    default:
        return win32::DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEACTIVATE:
        // The window never takes the activation, not even on a click: the
        // extended style alone does not stop every system from activating it.
        return MA_NOACTIVATE;
    case WM_ERASEBKGND: {
        RECT area;
        win32::GetClientRect(window, &area);
        win32::FillRect(reinterpret_cast<HDC>(wParam), &area, win32::GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && lParam != 0 && !toolkit_internal::CleanUpUnderway() &&
            g_layout != nullptr && g_layout->clicked != nullptr) {
            g_layout->clicked(static_cast<ControlId>(LOWORD(wParam)));
        }
        return 0;
    case WM_DESTROY:
        g_mainWindow = nullptr;
        g_controlCount = 0;
        toolkit_internal::OnMainWindowGone();
        return 0;
    default:
        return win32::DefWindowProcA(window, message, wParam, lParam);
    }
}

bool RegisterClassOnce(const char* name, WNDPROC procedure, UINT style) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (win32::GetClassInfoExA(toolkit_internal::Instance(), name, &windowClass)) return true;
    windowClass = WNDCLASSEXA{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = toolkit_internal::Instance();
    windowClass.hCursor = win32::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(win32::GetStockObject(NULL_BRUSH));  // we paint
    windowClass.lpszClassName = name;
    return win32::RegisterClassExA(&windowClass) != 0;
}

HWND CreateControl(const ControlLayout& control) {
    const bool isButton = control.kind == ControlKind::Button;
    HWND window = win32::CreateWindowExA(
        0, isButton ? "BUTTON" : kLabelClassName, control.text != nullptr ? control.text : "",
        isButton ? control.style : kLabelStyle, control.left, control.top, control.width, control.height,
        g_mainWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
        toolkit_internal::Instance(), nullptr);
    if (window != nullptr) {
        win32::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    }
    return window;
}

[[noreturn]] void LoadFailed() { FatalRuntimeError("载入启动窗口失败"); }

}  // namespace

namespace toolkit_internal {

HWND MainWindow() { return g_mainWindow; }

void ApplyLabelCaption(ControlId id, const char* text) {
    for (int i = 0; i < g_controlCount; ++i) {
        LoadedControl& control = g_controls[i];
        if (control.id != id || control.kind != ControlKind::Label) continue;
        control.caption = TextOf(text);
        win32::SetWindowTextA(control.window, control.caption.c_str());
        win32::InvalidateRect(control.window, nullptr, FALSE);
        return;
    }
}

bool HandleWindowKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_ESCAPE || g_mainWindow == nullptr) return false;
    if (message.hwnd != g_mainWindow && !win32::IsChild(g_mainWindow, message.hwnd)) return false;
    // Esc closes the window exactly as its close box does.
    win32::PostMessageA(g_mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
}

}  // namespace toolkit_internal

std::uintptr_t NativeWindowHandle() { return reinterpret_cast<std::uintptr_t>(g_mainWindow); }

void LoadWindow(const WindowLayout& layout) {
    g_layout = &layout;
    if (!RegisterClassOnce(layout.className, MainWindowProc, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS) ||
        !RegisterClassOnce(kLabelClassName, LabelProc, CS_HREDRAW | CS_VREDRAW)) {
        LoadFailed();
    }

    // Centred on the primary screen; the divisions truncate toward zero.
    const int left = (win32::GetSystemMetrics(SM_CXSCREEN) - layout.width) / 2;
    const int top = (win32::GetSystemMetrics(SM_CYSCREEN) - layout.height) / 2;
    g_mainWindow = win32::CreateWindowExA(0, layout.className, layout.caption, layout.style, left, top,
                                          layout.width, layout.height, nullptr, nullptr,
                                          toolkit_internal::Instance(), nullptr);
    if (g_mainWindow == nullptr) LoadFailed();

    RECT outer;
    win32::GetWindowRect(g_mainWindow, &outer);
    if (outer.right - outer.left != layout.width || outer.bottom - outer.top != layout.height) {
        win32::SetWindowPos(g_mainWindow, nullptr, 0, 0, layout.width, layout.height,
                            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    HICON icon = win32::LoadIconA(toolkit_internal::Instance(), layout.iconGroup);
    win32::SendMessageA(g_mainWindow, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    win32::SendMessageA(g_mainWindow, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    win32::SendMessageA(g_mainWindow, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    win32::SetWindowPos(g_mainWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);

    g_controlCount = 0;
    for (int i = 0; i < layout.controlCount && i < kMaxControls; ++i) {
        const ControlLayout& control = layout.controls[i];
        HWND window = CreateControl(control);
        if (window == nullptr) LoadFailed();
        LoadedControl& loaded = g_controls[g_controlCount++];
        loaded.id = control.id;
        loaded.kind = control.kind;
        loaded.window = window;
        loaded.caption = TextOf(control.text);
    }
    for (int i = 0; i < g_controlCount; ++i) win32::ShowWindow(g_controls[i].window, SW_SHOWNA);

    if (layout.created != nullptr) layout.created();

    // Shown without activation: a window shown activating takes the
    // foreground at once, which is exactly what the program watches.
    win32::ShowWindow(g_mainWindow, SW_SHOWNA);
}
