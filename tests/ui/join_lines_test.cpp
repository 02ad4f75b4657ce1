#include "ui/join_lines.h"

#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_platform.h"

namespace {

class JoinLinesTest : public testing::Test {
protected:
    void SetUp() override {
        ResetFake();
        Fake().blockFill = 0xCD;  // the join must not count on zeroed blocks
    }
    void TearDown() override { EXPECT_EQ(Fake().frees, Fake().allocations) << "every block of the join is freed"; }
};

TEST_F(JoinLinesTest, EndsEveryLineWithTheSeparatorOldestFirst) {
    for (const int count : {0, 1, 20}) {
        SCOPED_TRACE(std::to_string(count) + " lines");
        LineLog log;
        std::string expected;
        for (int n = 1; n <= count; ++n) {
            const std::string line = std::to_string(1000 + n) + "|" + std::to_string(n) + "|Class|系统桌面|C:\\p.exe";
            log.AppendLine(line.c_str());
            expected += line + "\r\n";
        }
        EXPECT_EQ(std::string(JoinLines(log, "\r\n").c_str()), expected);
    }
}

TEST_F(JoinLinesTest, KeepsEverythingBeyondTheFirstBlock) {
    LineLog log;
    std::string expected;
    for (int n = 0; n < 20; ++n) {
        const std::string line(300, static_cast<char>('a' + n));
        log.AppendLine(line.c_str());
        expected += line + "\r\n";
    }
    ASSERT_GT(expected.size(), 5120u);

    const Text joined = JoinLines(log, "\r\n");
    EXPECT_EQ(joined.size(), expected.size());
    EXPECT_TRUE(std::string(joined.c_str()) == expected) << "the joined text differs from the lines";
}

TEST_F(JoinLinesTest, SkipsEmptyLines) {
    LineLog log;
    log.AppendLine("");
    log.AppendLine("a");
    log.AppendLine("");
    log.AppendLine("b");
    log.AppendLine("");

    EXPECT_EQ(JoinLines(log, "\r\n"), "a\r\nb\r\n");
}

}  // namespace
