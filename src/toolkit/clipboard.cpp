// The clipboard operation: one CF_TEXT text, in a moveable zero-initialised block.
#include <cstring>

#include "platform/win32_api.h"
#include "toolkit/toolkit_internal.h"

namespace {

constexpr int kOpenAttempts = 50;  // with the pause below: about one second in all
constexpr DWORD kOpenPauseMs = 20;

// An open clipboard, closed once.
class OpenClipboardSession {
public:
    explicit OpenClipboardSession(HWND owner) : open_(win32::OpenClipboard(owner) != FALSE) {}
    ~OpenClipboardSession() {
        if (open_) win32::CloseClipboard();
    }
    OpenClipboardSession(const OpenClipboardSession&) = delete;
    OpenClipboardSession& operator=(const OpenClipboardSession&) = delete;
    bool IsOpen() const { return open_; }

private:
    bool open_;
};

// A global memory block, freed unless handed to the clipboard.
class GlobalBlock {
public:
    explicit GlobalBlock(SIZE_T bytes) : block_(win32::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes)) {}
    ~GlobalBlock() {
        if (block_ != nullptr) win32::GlobalFree(block_);
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    HGLOBAL get() const { return block_; }
    void HandOver() { block_ = nullptr; }  // the system owns it now

private:
    HGLOBAL block_;
};

}  // namespace

bool PutTextOnClipboard(const char* text) {
    if (text == nullptr) text = "";
    // Opened with a window of ours: with no owner, SetClipboardData fails
    // after EmptyClipboard. Another program may hold it for a moment.
    HWND owner = toolkit_internal::HiddenWindow();
    for (int attempt = 1;; ++attempt) {
        OpenClipboardSession clipboard(owner);
        if (clipboard.IsOpen()) {
            if (!win32::EmptyClipboard()) return false;
            const SIZE_T bytes = std::strlen(text) + 1;
            GlobalBlock block(bytes);
            if (block.get() == nullptr) return false;
            void* memory = win32::GlobalLock(block.get());
            if (memory == nullptr) return false;
            std::memcpy(memory, text, bytes);
            win32::GlobalUnlock(block.get());
            if (win32::SetClipboardData(CF_TEXT, block.get()) == nullptr) return false;
            block.HandOver();
            return true;
        }
        if (attempt == kOpenAttempts) return false;
        win32::Sleep(kOpenPauseMs);
    }
}
