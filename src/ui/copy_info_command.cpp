#include "ui/copy_info_command.h"

#include "core/focus_data.h"
#include "platform/win32_api.h"
#include "toolkit/toolkit.h"
#include "ui/join_lines.h"
#include "ui/main_window.h"

namespace {

const char* const kLineSeparator = "\r\n";
const char* const kConfirmationCaption = "复制完成";
const char* const kConfirmationText = "信息已保存到剪贴板，请粘贴发给相关技术人员。";
const char* const kErrorCaption = "错误";
const char* const kClipboardFailedText =
    "无法写入剪贴板，信息未复制。请关闭占用剪贴板的程序后再次点击“复制信息”。";

void ReleaseOnce(WorkerThread& worker) {
    if (worker.closed || worker.handle == nullptr) return;
    worker.closed = ReleaseThreadHandle(worker.handle);
}

}  // namespace

bool ReleaseThreadHandle(HANDLE thread) {
    DWORD exitCode = 0;
    if (!win32::GetExitCodeThread(thread, &exitCode)) return false;
    return win32::CloseHandle(thread) != FALSE;
}

int ShowMessage(const char* text, UINT style, const char* caption, HWND owner) {
    return win32::MessageBoxA(owner, text, caption, style | MB_TOPMOST) - 1;
}

void CopyInfoCommand() {
    ReleaseOnce(TrackerThread);  // the workers go on running
    ReleaseOnce(PresenterThread);

    const Text text = JoinLines(*ActivityLog, kLineSeparator);
    HWND owner = reinterpret_cast<HWND>(NativeWindowHandle());
    if (!PutTextOnClipboard(text.c_str())) {
        // Saying "saved" here would lose the evidence: say it failed and keep
        // the history for another press.
        ShowMessage(kClipboardFailedText, MB_OK | MB_ICONHAND, kErrorCaption, owner);
        return;
    }
    ShowMessage(kConfirmationText, MB_OK, kConfirmationCaption, owner);
    EndProgram(0);
}
