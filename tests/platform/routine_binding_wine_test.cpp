// Routines bound by name: one that cannot be found is the fatal runtime error,
// whose box a child process shows and which ends it with exit code -1.
#include <gtest/gtest.h>

#include <string>

#include "platform/routine_binding.h"
#include "platform/win32_api.h"
#include "wine_test_support.h"

namespace {

int BindUnknownRoutine() {
    static Routine<void WINAPI()> missing{"kernel32.dll", "QorinNoSuchRoutine"};
    missing();
    return 0;  // not reached: the fatal error ends the process
}
const ChildRegistration unknownRoutine("unknown-routine", BindUnknownRoutine);

int BindUnknownLibrary() {
    static Routine<void WINAPI()> missing{"qorin_no_such_library.dll", "Anything"};
    missing();
    return 0;
}
const ChildRegistration unknownLibrary("unknown-library", BindUnknownLibrary);

struct FatalCase {
    const char* child;
    const char* expectedText;
};

const FatalCase kFatalCases[] = {
    {"unknown-routine",
     "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“kernel32.dll”中的输出命令“QorinNoSuchRoutine”\r\n"},
    {"unknown-library",
     "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“qorin_no_such_library.dll”中的输出命令“Anything”\r\n"},
};

}  // namespace

TEST(RoutineBinding, BindsAKnownRoutineByName) {
    EXPECT_EQ(win32::GetCurrentThreadId(), ::GetCurrentThreadId());
    EXPECT_EQ(win32::GetForegroundWindow(), ::GetForegroundWindow());
}

TEST(RoutineBinding, AnUnknownRoutineShowsTheFatalBoxAndEndsWithMinusOne) {
    for (const FatalCase& c : kFatalCases) {
        SCOPED_TRACE(c.child);
        ChildProcess child;
        ASSERT_TRUE(child.Start(ChildCommandLine(c.child)));
        HWND box = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (box = FindMessageBox(child.Id(), "错误")) != nullptr; }, 15000))
            << "no error box appeared";
        EXPECT_EQ(MessageBoxText(box), c.expectedText);
        EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr) << "the box must have no owner";
        EXPECT_NE(GetDlgItem(box, IDOK), nullptr) << "the box has an OK button";
        EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr) << "the box has only OK";
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(child.WaitForExit(15000)) << "the process did not end after the box";
        EXPECT_EQ(child.ExitCode(), 0xFFFFFFFFu);
    }
}
