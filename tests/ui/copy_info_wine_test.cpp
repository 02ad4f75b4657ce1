// The copy-information command end to end: the button puts the history on the
// clipboard, the confirmation box is owned by the main window, and dismissing
// it ends the program with 0; a clipboard held by another program gives the
// error box instead and keeps the program and its history.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "program_driver.h"
#include "ui/main_window_controls.h"

namespace {

const char* const kConfirmationCaption = "复制完成";
const char* const kConfirmationText = "信息已保存到剪贴板，请粘贴发给相关技术人员。";
const char* const kErrorText = "无法写入剪贴板，信息未复制。请关闭占用剪贴板的程序后再次点击“复制信息”。";

class CopyInfoTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ClearForeground());
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(program.WaitForWindow());
    }

    // Activates count new windows one after another, each shown by the
    // program before the next, so each gives one line.
    void ActivateWindows(int count, const std::string& titlePrefix) {
        for (int i = 1; i <= count; ++i) {
            windows.push_back(std::make_unique<TestWindow>(titlePrefix + std::to_string(i)));
            ASSERT_TRUE(windows.back()->Activate());
            ASSERT_TRUE(program.WaitForLabelsShowing(windows.back()->Handle(), titlePrefix + std::to_string(i)))
                << "window " << i << " did not reach the labels";
        }
    }

    // The clipboard must hold exactly the lines of windows[first..last], oldest first.
    void ExpectClipboardShows(std::size_t first, std::size_t last, const std::string& titlePrefix) {
        std::string text;
        ASSERT_TRUE(ReadClipboardText(text)) << "no text on the clipboard";
        std::vector<std::string> lines;
        ASSERT_TRUE(SplitClipboardLines(text, lines)) << "not CR LF after every line: " << text;
        ASSERT_EQ(lines.size(), last - first + 1);
        long long previousTime = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            SCOPED_TRACE(lines[i]);
            ClipboardLine line;
            ASSERT_TRUE(ParseLine(lines[i], line));
            const std::size_t n = first + i;
            EXPECT_EQ(line.handle, HandleText(windows[n - 1]->Handle()));
            EXPECT_EQ(line.className, kTestWindowClass);
            EXPECT_EQ(line.title, titlePrefix + std::to_string(n));
            EXPECT_EQ(lstrcmpiA(line.path.c_str(), OwnExePath().c_str()), 0);
            EXPECT_GE(line.time, previousTime);
            previousTime = line.time;
        }
    }

    void ExpectEndedThroughTheCommand() {
        ASSERT_TRUE(program.WaitForExit()) << "the program did not end after the box";
        EXPECT_EQ(program.ExitCode(), 0u);
        EXPECT_EQ(program.TraceCount("exit-routine"), 1);
        EXPECT_EQ(program.TraceCount("window-still-open"), 1) << "the window was closed before the end";
    }

    ProgramUnderTest program;
    std::vector<std::unique_ptr<TestWindow>> windows;
};

struct Dismissal {
    const char* name;
    void (*dismiss)(HWND box);
};

const Dismissal kDismissals[] = {
    {"OK", [](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); }},
    {"close button", [](HWND box) { PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"Esc", [](HWND box) { PostMessageA(GetDlgItem(box, IDOK), WM_KEYDOWN, VK_ESCAPE, 0x00010001); }},
};

}  // namespace

TEST_F(CopyInfoTest, AfterTwentyFiveChangesTheClipboardHoldsTheLastTwenty) {
    ActivateWindows(25, "窗口 ");
    HWND box = PressAndWaitForBox(program, kConfirmationCaption);
    ASSERT_NE(box, nullptr) << "no confirmation box";
    EXPECT_EQ(MessageBoxText(box), kConfirmationText);
    EXPECT_EQ(GetWindow(box, GW_OWNER), program.Main()) << "the box must be owned by the main window";
    EXPECT_TRUE(GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ExpectEndedThroughTheCommand();
    ExpectClipboardShows(6, 25, "窗口 ");
}

TEST_F(CopyInfoTest, EachWayOfDismissingTheBoxEndsTheProgram) {
    // One program per way: this fixture's for the first, new ones for the rest.
    for (const Dismissal& way : kDismissals) {
        SCOPED_TRACE(way.name);
        ProgramUnderTest own;
        ProgramUnderTest& running = &way == &kDismissals[0] ? program : own;
        if (&running == &own) {
            ASSERT_TRUE(own.Start());
            ASSERT_TRUE(own.WaitForWindow());
        }
        HWND box = PressAndWaitForBox(running, kConfirmationCaption);
        ASSERT_NE(box, nullptr);
        way.dismiss(box);
        ASSERT_TRUE(running.WaitForExit()) << "still running after the box was dismissed";
        EXPECT_EQ(running.ExitCode(), 0u);
        EXPECT_EQ(running.TraceCount("exit-routine"), 1);
    }
}

TEST_F(CopyInfoTest, ARealClickOnTheButtonCopiesAndEnds) {
    ActivateWindows(3, "点击 ");
    ASSERT_TRUE(ClickMiddleOf(program.Control(按钮1)));
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindMessageBox(program.Id(), kConfirmationCaption)) != nullptr; },
                          15000));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ExpectEndedThroughTheCommand();
    ExpectClipboardShows(1, 3, "点击 ");
}

TEST_F(CopyInfoTest, LongLinesBeyondTheFirstBlockAreCopiedWhole) {
    const std::string prefix = std::string(240, 'T') + " ";
    ActivateWindows(20, prefix);
    HWND box = PressAndWaitForBox(program, kConfirmationCaption);
    ASSERT_NE(box, nullptr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ExpectEndedThroughTheCommand();
    std::string text;
    ASSERT_TRUE(ReadClipboardText(text));
    EXPECT_GT(text.size(), 5120u) << "the case needs more than one block of text";
    ExpectClipboardShows(1, 20, prefix);
}

TEST_F(CopyInfoTest, AHeldClipboardGivesTheErrorBoxAndKeepsTheHistory) {
    ActivateWindows(4, "剪贴板 ");
    TestWindow holder("holding the clipboard");
    ASSERT_TRUE(OpenClipboard(holder.Handle()));
    HWND errorBox = PressAndWaitForBox(program, "错误");
    const bool confirmed = FindMessageBox(program.Id(), kConfirmationCaption) != nullptr;
    CloseClipboard();
    ASSERT_NE(errorBox, nullptr) << "no error box while the clipboard was held";
    EXPECT_FALSE(confirmed) << "the confirmation box claimed success";
    EXPECT_EQ(MessageBoxText(errorBox), kErrorText);
    EXPECT_EQ(GetWindow(errorBox, GW_OWNER), program.Main());
    PostMessageA(errorBox, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return FindMessageBox(program.Id(), "错误") == nullptr; }, 10000));
    EXPECT_FALSE(WaitUntil([&] { return !program.Running(); }, 500)) << "the program ended after the error";

    // The second press, with the clipboard free, succeeds with the whole history.
    HWND box = PressAndWaitForBox(program, kConfirmationCaption);
    ASSERT_NE(box, nullptr) << "no confirmation on the second press";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ExpectEndedThroughTheCommand();
    std::string text;
    ASSERT_TRUE(ReadClipboardText(text));
    std::vector<std::string> lines;
    ASSERT_TRUE(SplitClipboardLines(text, lines));
    // The error box itself took the foreground meanwhile: later lines may follow ours.
    ASSERT_GE(lines.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        ClipboardLine line;
        ASSERT_TRUE(ParseLine(lines[i], line)) << lines[i];
        EXPECT_EQ(line.title, "剪贴板 " + std::to_string(i + 1));
        EXPECT_EQ(line.handle, HandleText(windows[i]->Handle()));
    }
}
