#include "platform/win32_api.h"

namespace win32 {

Routine<MoveMemoryFn> MoveBytes{"kernel32.dll", "RtlMoveMemory"};

// user32.dll
Routine<decltype(::GetForegroundWindow)> GetForegroundWindow{"user32.dll", "GetForegroundWindow"};
Routine<decltype(::GetWindowTextA)> GetWindowTextA{"user32.dll", "GetWindowTextA"};
Routine<decltype(::GetClassNameA)> GetClassNameA{"user32.dll", "GetClassNameA"};
Routine<decltype(::GetWindowThreadProcessId)> GetWindowThreadProcessId{"user32.dll", "GetWindowThreadProcessId"};
Routine<decltype(::MsgWaitForMultipleObjects)> MsgWaitForMultipleObjects{"user32.dll", "MsgWaitForMultipleObjects"};
Routine<decltype(::GetWindowLongA)> GetWindowLongA{"user32.dll", "GetWindowLongA"};
Routine<decltype(::SetWindowLongA)> SetWindowLongA{"user32.dll", "SetWindowLongA"};
Routine<decltype(::MessageBoxA)> MessageBoxA{"user32.dll", "MessageBoxA"};
Routine<decltype(::RegisterClassExA)> RegisterClassExA{"user32.dll", "RegisterClassExA"};
Routine<decltype(::GetClassInfoExA)> GetClassInfoExA{"user32.dll", "GetClassInfoExA"};
Routine<decltype(::CreateWindowExA)> CreateWindowExA{"user32.dll", "CreateWindowExA"};
Routine<decltype(::DestroyWindow)> DestroyWindow{"user32.dll", "DestroyWindow"};
Routine<decltype(::DefWindowProcA)> DefWindowProcA{"user32.dll", "DefWindowProcA"};
Routine<decltype(::ShowWindow)> ShowWindow{"user32.dll", "ShowWindow"};
Routine<decltype(::SetWindowPos)> SetWindowPos{"user32.dll", "SetWindowPos"};
Routine<decltype(::GetWindowRect)> GetWindowRect{"user32.dll", "GetWindowRect"};
Routine<decltype(::MoveWindow)> MoveWindow{"user32.dll", "MoveWindow"};
Routine<decltype(::GetSystemMetrics)> GetSystemMetrics{"user32.dll", "GetSystemMetrics"};
Routine<decltype(::LoadIconA)> LoadIconA{"user32.dll", "LoadIconA"};
Routine<decltype(::LoadCursorA)> LoadCursorA{"user32.dll", "LoadCursorA"};
Routine<decltype(::SendMessageA)> SendMessageA{"user32.dll", "SendMessageA"};
Routine<decltype(::PostMessageA)> PostMessageA{"user32.dll", "PostMessageA"};
Routine<decltype(::PeekMessageA)> PeekMessageA{"user32.dll", "PeekMessageA"};
Routine<decltype(::GetMessageA)> GetMessageA{"user32.dll", "GetMessageA"};
Routine<decltype(::TranslateMessage)> TranslateMessage{"user32.dll", "TranslateMessage"};
Routine<decltype(::DispatchMessageA)> DispatchMessageA{"user32.dll", "DispatchMessageA"};
Routine<decltype(::PostQuitMessage)> PostQuitMessage{"user32.dll", "PostQuitMessage"};
Routine<decltype(::BeginPaint)> BeginPaint{"user32.dll", "BeginPaint"};
Routine<decltype(::EndPaint)> EndPaint{"user32.dll", "EndPaint"};
Routine<decltype(::GetClientRect)> GetClientRect{"user32.dll", "GetClientRect"};
Routine<decltype(::FillRect)> FillRect{"user32.dll", "FillRect"};
Routine<decltype(::GetSysColorBrush)> GetSysColorBrush{"user32.dll", "GetSysColorBrush"};
Routine<decltype(::DrawTextA)> DrawTextA{"user32.dll", "DrawTextA"};
Routine<decltype(::InvalidateRect)> InvalidateRect{"user32.dll", "InvalidateRect"};
Routine<decltype(::SetWindowTextA)> SetWindowTextA{"user32.dll", "SetWindowTextA"};
Routine<decltype(::IsChild)> IsChild{"user32.dll", "IsChild"};
Routine<decltype(::IsWindow)> IsWindow{"user32.dll", "IsWindow"};
Routine<decltype(::OpenClipboard)> OpenClipboard{"user32.dll", "OpenClipboard"};
Routine<decltype(::EmptyClipboard)> EmptyClipboard{"user32.dll", "EmptyClipboard"};
Routine<decltype(::SetClipboardData)> SetClipboardData{"user32.dll", "SetClipboardData"};
Routine<decltype(::CloseClipboard)> CloseClipboard{"user32.dll", "CloseClipboard"};
Routine<decltype(::GetDlgItem)> GetDlgItem{"user32.dll", "GetDlgItem"};

// gdi32.dll
Routine<decltype(::GetStockObject)> GetStockObject{"gdi32.dll", "GetStockObject"};
Routine<decltype(::SelectObject)> SelectObject{"gdi32.dll", "SelectObject"};
Routine<decltype(::SetBkMode)> SetBkMode{"gdi32.dll", "SetBkMode"};
Routine<decltype(::SetTextColor)> SetTextColor{"gdi32.dll", "SetTextColor"};

// kernel32.dll
Routine<decltype(::OpenProcess)> OpenProcess{"kernel32.dll", "OpenProcess"};
Routine<decltype(::QueryFullProcessImageNameA)> QueryFullProcessImageNameA{"kernel32.dll", "QueryFullProcessImageNameA"};
Routine<decltype(::CloseHandle)> CloseHandle{"kernel32.dll", "CloseHandle"};
Routine<decltype(::GetSystemTimeAsFileTime)> GetSystemTimeAsFileTime{"kernel32.dll", "GetSystemTimeAsFileTime"};
Routine<decltype(::CreateWaitableTimerA)> CreateWaitableTimerA{"kernel32.dll", "CreateWaitableTimerA"};
Routine<decltype(::SetWaitableTimer)> SetWaitableTimer{"kernel32.dll", "SetWaitableTimer"};
Routine<decltype(::VirtualAlloc)> VirtualAlloc{"kernel32.dll", "VirtualAlloc"};
Routine<decltype(::VirtualFree)> VirtualFree{"kernel32.dll", "VirtualFree"};
Routine<decltype(::CreateThread)> CreateThread{"kernel32.dll", "CreateThread"};
Routine<decltype(::GetExitCodeThread)> GetExitCodeThread{"kernel32.dll", "GetExitCodeThread"};
Routine<decltype(::GetCurrentThreadId)> GetCurrentThreadId{"kernel32.dll", "GetCurrentThreadId"};
Routine<decltype(::GetModuleHandleA)> GetModuleHandleA{"kernel32.dll", "GetModuleHandleA"};
Routine<decltype(::ExitProcess)> ExitProcess{"kernel32.dll", "ExitProcess"};
Routine<decltype(::GlobalAlloc)> GlobalAlloc{"kernel32.dll", "GlobalAlloc"};
Routine<decltype(::GlobalLock)> GlobalLock{"kernel32.dll", "GlobalLock"};
Routine<decltype(::GlobalUnlock)> GlobalUnlock{"kernel32.dll", "GlobalUnlock"};
Routine<decltype(::GlobalFree)> GlobalFree{"kernel32.dll", "GlobalFree"};
Routine<decltype(::Sleep)> Sleep{"kernel32.dll", "Sleep"};
Routine<decltype(::GetTickCount)> GetTickCount{"kernel32.dll", "GetTickCount"};

// psapi.dll
Routine<decltype(::GetModuleFileNameExA)> GetModuleFileNameExA{"psapi.dll", "GetModuleFileNameExA"};

}  // namespace win32
