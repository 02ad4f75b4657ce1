#include "toolkit/fatal_error.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>

#include "core/focus_data.h"
#include "fakes/fake_platform.h"

namespace {

// --- The box's text ---

struct BoxCase {
    const char* name;
    int number;
    const char* message;
    const char* expected;
};

// Test names show the case by its name.
void PrintTo(const BoxCase& c, std::ostream* out) { *out << c.name; }

class FatalErrorTextTest : public testing::TestWithParam<BoxCase> {};

TEST_P(FatalErrorTextTest, ComposesHeadingNumberAndMessage) {
    char buffer[512];
    FormatFatalErrorText(buffer, sizeof buffer, GetParam().number, GetParam().message);
    EXPECT_STREQ(buffer, GetParam().expected);
}

const BoxCase kBoxCases[] = {
    {"NoNumber", -1, "载入启动窗口失败", "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"},
    {"WithNumber", 1, "载入启动窗口失败", "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：载入启动窗口失败\r\n"},
    {"NumberZeroIsANumber", 0, "m", "运行时出错!\r\n\r\n错误代码：0\r\n\r\n错误信息：m\r\n"},
    {"NoMessage", 4, nullptr, "运行时出错!\r\n\r\n错误代码：4\r\n\r\n"},
    {"EmptyMessageIsNone", -1, "", "运行时出错!\r\n\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, FatalErrorTextTest, testing::ValuesIn(kBoxCases),
                         [](const testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

TEST(FatalErrorTextCutTest, CutsToTheBufferAndStaysZeroTerminated) {
    char full[512];
    FormatFatalErrorText(full, sizeof full, 12, "载入启动窗口失败");

    for (const std::size_t capacity : {std::size_t{1}, std::size_t{2}, std::size_t{9}, std::strlen(full)}) {
        SCOPED_TRACE("capacity " + std::to_string(capacity));
        char buffer[512];
        std::memset(buffer, '#', sizeof buffer);
        FormatFatalErrorText(buffer, capacity, 12, "载入启动窗口失败");
        EXPECT_EQ(std::string(buffer), std::string(full, capacity - 1));
        EXPECT_EQ(buffer[capacity], '#') << "wrote past the buffer";
    }
}

TEST(FatalErrorMessageTest, FormatsTheFailures) {
    char buffer[256];
    FormatOutOfMemoryMessage(buffer, sizeof buffer, 5120);
    EXPECT_STREQ(buffer, "分配 5120 字节内存失败!");
    FormatRoutineNotFoundMessage(buffer, sizeof buffer, "kernel32.dll", "Nope");
    EXPECT_STREQ(buffer, "无法找到指定DLL库文件“kernel32.dll”中的输出命令“Nope”");
}

// --- Fatal paths end the program with the box's text ---

TEST(FatalErrorDeathTest, MissingRoutineEndsWithAnUnnumberedBox) {
    EXPECT_EXIT(FatalRoutineNotFound("kernel32.dll", "Nope"), testing::ExitedWithCode(255),
                testing::HasSubstr("运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“kernel32.dll”中的输出命令“Nope”\r\n"));
}

TEST(FatalErrorDeathTest, LineOutsideTheLogIsFatal) {
    LineLog log;
    log.AppendLine("only");
    EXPECT_EXIT(log.LineAt(0), testing::ExitedWithCode(255),
                testing::HasSubstr("错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1"));
    EXPECT_EXIT(log.LineAt(log.Count() + 1), testing::ExitedWithCode(255),
                testing::HasSubstr("错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围"));
}

}  // namespace
