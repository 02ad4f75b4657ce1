// The ends of the program under load: many runs of start, rapid foreground
// flipping, then the end (closing the window, or the button) while the
// flipping goes on. Every run must end with 0, in time, with one exit routine
// that found both workers at rest; the copied text must be well-formed.
// QORINSPY_STRESS_RUNS sets the number of runs (default 50).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "program_driver.h"
#include "ui/main_window_controls.h"

namespace {

int Runs() {
    char value[16];
    const DWORD n = GetEnvironmentVariableA("QORINSPY_STRESS_RUNS", value, sizeof value);
    const int runs = n > 0 && n < sizeof value ? std::atoi(value) : 0;
    return runs > 0 ? runs : 50;
}

// Flips the foreground between the two windows until the program has ended or
// the flips run out; the end is asked for after the first endAfter flips. A
// box with the caption boxToDismiss (if given) is dismissed as soon as it shows.
void FlipUntilEnded(ProgramUnderTest& program, TestWindow& a, TestWindow& b, int endAfter,
                    void (*askForEnd)(ProgramUnderTest&), const char* boxToDismiss = nullptr) {
    for (int flip = 0; flip < 400 && program.Running(); ++flip) {
        TestWindow& next = flip % 2 == 0 ? a : b;
        SetForegroundWindow(next.Handle());
        PumpMessages();
        if (flip == endAfter) askForEnd(program);
        if (boxToDismiss != nullptr) {
            if (HWND box = FindMessageBox(program.Id(), boxToDismiss)) PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        // About one tracker turn per flip: quicker changes are not seen at all.
        const std::string shown = HandleText(next.Handle());
        WaitUntil([&] { return program.Label(标签_句柄) == shown || !program.Running(); }, 150);
    }
}

}  // namespace

TEST(ProgramUnderLoad, ClosingWhileTheForegroundFlipsEndsCleanlyEveryTime) {
    TestWindow a("flip A");
    TestWindow b("flip B | 切换");
    ASSERT_TRUE(a.Activate());
    ASSERT_TRUE(b.Activate());
    const int runs = Runs();
    for (int run = 1; run <= runs; ++run) {
        SCOPED_TRACE(testing::Message() << "run " << run << " of " << runs);
        ProgramUnderTest program;
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(program.WaitForWindow());
        FlipUntilEnded(program, a, b, 10 + run % 7,
                       [](ProgramUnderTest& p) { PostMessageA(p.Main(), WM_CLOSE, 0, 0); });
        ASSERT_TRUE(program.WaitForExit(20000)) << "hung at the end";
        EXPECT_EQ(program.ExitCode(), 0u);
        EXPECT_EQ(program.TraceCount("exit-routine"), 1);
        EXPECT_EQ(program.TraceCount("released"), 1) << "a worker did not come to rest";
        if (HasFailure()) break;
    }
}

TEST(ProgramUnderLoad, PressingTheButtonWhileTheForegroundFlipsCopiesWellFormedText) {
    TestWindow a("press A");
    TestWindow b("press B");
    ASSERT_TRUE(a.Activate());
    const int runs = Runs();
    for (int run = 1; run <= runs; ++run) {
        SCOPED_TRACE(testing::Message() << "run " << run << " of " << runs);
        ProgramUnderTest program;
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(program.WaitForWindow());
        // The press does not wait: the flipping goes on through the join and the box.
        FlipUntilEnded(
            program, a, b, 15 + run % 11,
            [](ProgramUnderTest& p) { PostMessageA(p.Control(按钮1), BM_CLICK, 0, 0); }, "复制完成");
        ASSERT_TRUE(program.WaitForExit(20000)) << "hung at the end";
        EXPECT_EQ(program.ExitCode(), 0u);
        EXPECT_EQ(program.TraceCount("exit-routine"), 1);

        std::string text;
        ASSERT_TRUE(ReadClipboardText(text));
        std::vector<std::string> lines;
        ASSERT_TRUE(SplitClipboardLines(text, lines)) << text;
        EXPECT_GE(lines.size(), 1u);
        EXPECT_LE(lines.size(), 20u);
        for (const std::string& line : lines) {
            ClipboardLine parsed;
            EXPECT_TRUE(ParseLine(line, parsed)) << line;
        }
        if (HasFailure()) break;
    }
}
