// Every Win32 routine the program calls, each bound by library file name and
// routine name on its first call (routine_binding.h). Call them as win32::Name.
// Windows only; the platform-free code goes through desktop_platform.h instead.
#pragma once

#include <windows.h>
#include <psapi.h>

#include "platform/routine_binding.h"

namespace win32 {

// RtlMoveMemory is a macro in the headers; bound under a name of its own.
using MoveMemoryFn = VOID WINAPI(PVOID destination, const VOID* source, SIZE_T length);
extern Routine<MoveMemoryFn> MoveBytes;

// user32.dll
extern Routine<decltype(::GetForegroundWindow)> GetForegroundWindow;
extern Routine<decltype(::GetWindowTextA)> GetWindowTextA;
extern Routine<decltype(::GetClassNameA)> GetClassNameA;
extern Routine<decltype(::GetWindowThreadProcessId)> GetWindowThreadProcessId;
extern Routine<decltype(::MsgWaitForMultipleObjects)> MsgWaitForMultipleObjects;
extern Routine<decltype(::GetWindowLongA)> GetWindowLongA;
extern Routine<decltype(::SetWindowLongA)> SetWindowLongA;
extern Routine<decltype(::MessageBoxA)> MessageBoxA;
extern Routine<decltype(::RegisterClassExA)> RegisterClassExA;
extern Routine<decltype(::GetClassInfoExA)> GetClassInfoExA;
extern Routine<decltype(::CreateWindowExA)> CreateWindowExA;
extern Routine<decltype(::DestroyWindow)> DestroyWindow;
extern Routine<decltype(::DefWindowProcA)> DefWindowProcA;
extern Routine<decltype(::ShowWindow)> ShowWindow;
extern Routine<decltype(::SetWindowPos)> SetWindowPos;
extern Routine<decltype(::GetWindowRect)> GetWindowRect;
extern Routine<decltype(::MoveWindow)> MoveWindow;
extern Routine<decltype(::GetSystemMetrics)> GetSystemMetrics;
extern Routine<decltype(::LoadIconA)> LoadIconA;
extern Routine<decltype(::LoadCursorA)> LoadCursorA;
extern Routine<decltype(::SendMessageA)> SendMessageA;
extern Routine<decltype(::PostMessageA)> PostMessageA;
extern Routine<decltype(::PeekMessageA)> PeekMessageA;
extern Routine<decltype(::GetMessageA)> GetMessageA;
extern Routine<decltype(::TranslateMessage)> TranslateMessage;
extern Routine<decltype(::DispatchMessageA)> DispatchMessageA;
extern Routine<decltype(::PostQuitMessage)> PostQuitMessage;
extern Routine<decltype(::BeginPaint)> BeginPaint;
extern Routine<decltype(::EndPaint)> EndPaint;
extern Routine<decltype(::GetClientRect)> GetClientRect;
extern Routine<decltype(::FillRect)> FillRect;
extern Routine<decltype(::GetSysColorBrush)> GetSysColorBrush;
extern Routine<decltype(::DrawTextA)> DrawTextA;
extern Routine<decltype(::InvalidateRect)> InvalidateRect;
extern Routine<decltype(::SetWindowTextA)> SetWindowTextA;
extern Routine<decltype(::IsChild)> IsChild;
extern Routine<decltype(::IsWindow)> IsWindow;
extern Routine<decltype(::OpenClipboard)> OpenClipboard;
extern Routine<decltype(::EmptyClipboard)> EmptyClipboard;
extern Routine<decltype(::SetClipboardData)> SetClipboardData;
extern Routine<decltype(::CloseClipboard)> CloseClipboard;
extern Routine<decltype(::GetDlgItem)> GetDlgItem;

// gdi32.dll
extern Routine<decltype(::GetStockObject)> GetStockObject;
extern Routine<decltype(::SelectObject)> SelectObject;
extern Routine<decltype(::SetBkMode)> SetBkMode;
extern Routine<decltype(::SetTextColor)> SetTextColor;

// kernel32.dll
extern Routine<decltype(::OpenProcess)> OpenProcess;
extern Routine<decltype(::QueryFullProcessImageNameA)> QueryFullProcessImageNameA;
extern Routine<decltype(::CloseHandle)> CloseHandle;
extern Routine<decltype(::GetSystemTimeAsFileTime)> GetSystemTimeAsFileTime;
extern Routine<decltype(::CreateWaitableTimerA)> CreateWaitableTimerA;
extern Routine<decltype(::SetWaitableTimer)> SetWaitableTimer;
extern Routine<decltype(::VirtualAlloc)> VirtualAlloc;
extern Routine<decltype(::VirtualFree)> VirtualFree;
extern Routine<decltype(::CreateThread)> CreateThread;
extern Routine<decltype(::GetExitCodeThread)> GetExitCodeThread;
extern Routine<decltype(::GetCurrentThreadId)> GetCurrentThreadId;
extern Routine<decltype(::GetModuleHandleA)> GetModuleHandleA;
extern Routine<decltype(::ExitProcess)> ExitProcess;
extern Routine<decltype(::GlobalAlloc)> GlobalAlloc;
extern Routine<decltype(::GlobalLock)> GlobalLock;
extern Routine<decltype(::GlobalUnlock)> GlobalUnlock;
extern Routine<decltype(::GlobalFree)> GlobalFree;
extern Routine<decltype(::Sleep)> Sleep;
extern Routine<decltype(::GetTickCount)> GetTickCount;

// psapi.dll
extern Routine<decltype(::GetModuleFileNameExA)> GetModuleFileNameExA;

}  // namespace win32
