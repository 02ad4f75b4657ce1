// The program end to end under Wine, driven from this process: its window and
// controls as laid out, labels that follow the foreground, a window that never
// takes the activation, and each way of closing it.
#include <gtest/gtest.h>

#include <string>

#include "program_driver.h"
#include "ui/main_window_controls.h"

namespace {

struct ControlCase {
    int id;
    const char* className;
    int left, top, width, height;
    const char* text;
};

const ControlCase kControls[] = {
    {标签1, "QorinSPY.Label", 16, 8, 64, 24, "窗口句柄："},
    {标签_句柄, "QorinSPY.Label", 96, 8, 250, 24, ""},
    {标签4, "QorinSPY.Label", 16, 35, 64, 24, "窗体类名："},
    {标签_类名, "QorinSPY.Label", 96, 35, 250, 24, ""},
    {标签2, "QorinSPY.Label", 16, 65, 64, 24, "窗口名称："},
    {标签_名称, "QorinSPY.Label", 96, 65, 250, 24, ""},
    {标签3, "QorinSPY.Label", 16, 98, 64, 24, "程序路径："},
    {标签_路径, "QorinSPY.Label", 96, 98, 250, 24, ""},
    {按钮1, "Button", 19, 136, 336, 40, "复制信息"},
};

RECT ClientRectOf(HWND control, HWND parent) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Every test starts the program with nothing in the foreground, so that the
// value labels keep their texts at start until a window of the test is activated.
class ProgramTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ClearForeground()) << "a window of the test kept the foreground";
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(program.WaitForWindow()) << "the program's window did not show";
    }

    void ExpectCleanEnd() {
        ASSERT_TRUE(program.WaitForExit()) << "the program did not end";
        EXPECT_EQ(program.ExitCode(), 0u);
        EXPECT_EQ(program.TraceCount("exit-routine"), 1);
        EXPECT_EQ(program.TraceCount("released"), 1) << "the shared objects were not released";
        EXPECT_EQ(program.TraceCount("window-still-open"), 0) << "closing destroys the window first";
    }

    ProgramUnderTest program;
};

}  // namespace

TEST_F(ProgramTest, WindowIsCentredTopmostAndStyledAsLaidOut) {
    HWND main = program.Main();
    EXPECT_EQ(ClassName(main), "QorinSPY");
    EXPECT_EQ(WindowText(main), " Qorin - 焦点窗口跟踪检测");

    RECT outer;
    GetWindowRect(main, &outer);
    EXPECT_EQ(outer.right - outer.left, 380);
    EXPECT_EQ(outer.bottom - outer.top, 213);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 380) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 213) / 2);
    EXPECT_EQ(outer.left, 322) << "on the 1024 x 768 desktop";
    EXPECT_EQ(outer.top, 277);

    const DWORD style = static_cast<DWORD>(GetWindowLongA(main, GWL_STYLE));
    EXPECT_EQ(style & ~(WS_VISIBLE | WS_CLIPSIBLINGS), 0x02CA0000u) << std::hex << style;
    EXPECT_TRUE(style & WS_VISIBLE);
    const DWORD extended = static_cast<DWORD>(GetWindowLongA(main, GWL_EXSTYLE));
    const DWORD expectedExtended = WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_APPWINDOW;
    EXPECT_EQ(extended & ~static_cast<DWORD>(WS_EX_WINDOWEDGE), expectedExtended) << std::hex << extended;
    EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);
    EXPECT_EQ(GetParent(main), nullptr);
}

TEST_F(ProgramTest, NineControlsAtTheirPlacesWithTheirTextsAtStart) {
    for (const ControlCase& c : kControls) {
        SCOPED_TRACE(testing::Message() << "control " << c.id);
        HWND control = program.Control(c.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(ClassName(control), c.className);
        const RECT r = ClientRectOf(control, program.Main());
        EXPECT_EQ(r.left, c.left);
        EXPECT_EQ(r.top, c.top);
        EXPECT_EQ(r.right - r.left, c.width);
        EXPECT_EQ(r.bottom - r.top, c.height);
        EXPECT_EQ(WindowText(control), c.text);
        EXPECT_TRUE(IsWindowVisible(control));
    }
    const DWORD buttonStyle = static_cast<DWORD>(GetWindowLongA(program.Control(按钮1), GWL_STYLE));
    EXPECT_EQ(buttonStyle & ~static_cast<DWORD>(WS_VISIBLE), 0x44012F00u) << std::hex << buttonStyle;
}

TEST_F(ProgramTest, DoesNotTakeTheForegroundWhenItStarts) {
    EXPECT_NE(GetForegroundWindow(), program.Main());
    // Nothing held the foreground, so nothing was recorded: the labels stay empty.
    EXPECT_EQ(program.Label(标签_名称), "");
}

TEST_F(ProgramTest, ValueLabelsFollowTheForegroundWindow) {
    const std::string longTitle(300, 'x');
    const struct {
        std::string title;
        std::string shown;
    } cases[] = {
        {"记事本 - 焦点测试窗口", "记事本 - 焦点测试窗口"},
        {"a|b|c", "a|b|c"},
        {longTitle, longTitle.substr(0, 254)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title.substr(0, 40));
        TestWindow window(c.title);
        ASSERT_TRUE(window.Activate());
        EXPECT_TRUE(program.WaitForLabelsShowing(window.Handle(), c.shown))
            << "labels: " << program.Label(标签_句柄) << " / " << program.Label(标签_类名) << " / "
            << program.Label(标签_名称) << " / " << program.Label(标签_路径);
    }
}

TEST_F(ProgramTest, ARealClickOnTheWindowLeavesTheForegroundWhereItWas) {
    TestWindow window("焦点在这里");
    ASSERT_TRUE(window.Activate());
    ASSERT_TRUE(ClickMiddleOf(program.Control(标签_名称)));
    // A window that takes the activation on a click does so within a turn or two.
    EXPECT_FALSE(WaitUntil([&] { return GetForegroundWindow() != window.Handle(); }, 1500))
        << "the click moved the foreground to " << HandleText(GetForegroundWindow());
    EXPECT_TRUE(program.WaitForLabelsShowing(window.Handle(), "焦点在这里"));
}

TEST_F(ProgramTest, WmCloseEndsWithExitCodeZero) {
    PostMessageA(program.Main(), WM_CLOSE, 0, 0);
    ExpectCleanEnd();
}

TEST_F(ProgramTest, SystemMenuCloseEndsWithExitCodeZero) {
    PostMessageA(program.Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ExpectCleanEnd();
}

TEST_F(ProgramTest, EscapeEndsWithExitCodeZero) {
    // The key as it reaches the window: to the control that has the keyboard focus.
    PostMessageA(program.Control(按钮1), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    ExpectCleanEnd();
}

TEST_F(ProgramTest, EnterDoesNothing) {
    PostMessageA(program.Control(按钮1), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageA(program.Control(按钮1), WM_KEYUP, VK_RETURN, 0xC01C0001);
    EXPECT_FALSE(WaitUntil(
        [&] { return FindMessageBox(program.Id(), "复制完成") != nullptr || !program.Running(); }, 1000))
        << "Enter pressed the button or ended the program";
    PostMessageA(program.Main(), WM_CLOSE, 0, 0);
    ExpectCleanEnd();
}

TEST(ProgramStartUp, AWindowThatCannotBeLoadedIsAFatalErrorAndNoWorkerStarts) {
    ProgramUnderTest program;
    ASSERT_TRUE(program.Start("QORINSPY_TEST_FAIL_LOAD=1"));
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindMessageBox(program.Id(), "错误")) != nullptr; }, 20000));
    EXPECT_EQ(MessageBoxText(box), "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
    EXPECT_EQ(FindProcessWindow(program.Id(), "QorinSPY", nullptr), nullptr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_EQ(program.ExitCode(), 0xFFFFFFFFu);
    EXPECT_EQ(program.TraceCount("tracker-started"), 0);
    EXPECT_EQ(program.TraceCount("presenter-started"), 0);
    EXPECT_EQ(program.TraceCount("exit-routine"), 0);
}
