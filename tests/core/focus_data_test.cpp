#include "core/focus_data.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "fakes/fake_platform.h"

namespace {

// --- The line format ---

struct LineCase {
    const char* name;
    FocusRecord record;
    const char* expected;
};

// Test names show the case by its name.
void PrintTo(const LineCase& c, std::ostream* out) { *out << c.name; }

FocusRecord Record(std::int64_t time, std::uint32_t handle, const char* className, const char* title,
                   const char* path) {
    FocusRecord record;
    record.time = time;
    record.handle = handle;
    record.className = className;
    record.title = title;
    record.programPath = path;
    return record;
}

class FormatLogLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(FormatLogLineTest, WritesTimeHandleClassTitleAndPath) {
    EXPECT_EQ(FormatLogLine(GetParam().record), GetParam().expected);
}

const LineCase kLineCases[] = {
    {"Plain", Record(1700000000123, 0x00010A2C, "Notepad", "无标题 - 记事本", "C:\\Windows\\notepad.exe"),
     "1700000000123|68140|Notepad|无标题 - 记事本|C:\\Windows\\notepad.exe"},
    {"TopBitHandleIsNegative", Record(5, 0x80000000u, "C", "T", "P"), "5|-2147483648|C|T|P"},
    {"AllBitsHandleIsMinusOne", Record(5, 0xFFFFFFFFu, "C", "T", "P"), "5|-1|C|T|P"},
    {"LargestPositiveHandle", Record(5, 2147483647u, "C", "T", "P"), "5|2147483647|C|T|P"},
    {"NegativeTime", Record(-42, 1, "C", "T", "P"), "-42|1|C|T|P"},
    {"SmallestTime", Record(std::numeric_limits<std::int64_t>::min(), 1, "C", "T", "P"),
     "-9223372036854775808|1|C|T|P"},
    {"SeparatorAndLineBreaksInTitleKept", Record(7, 9, "C", "a|b\r\nc|d\n", "P"), "7|9|C|a|b\r\nc|d\n|P"},
    {"EmptyPathEndsInSeparator", Record(7, 9, "C", "T", ""), "7|9|C|T|"},
    {"NoForeground", Record(1234, 0, "", "系统桌面", ""), "1234|0||系统桌面|"},
};

INSTANTIATE_TEST_SUITE_P(Cases, FormatLogLineTest, testing::ValuesIn(kLineCases),
                         [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

// --- The queue and the log ---

TEST(RecordQueueTest, AppendCopyQueuesADeepCopy) {
    RecordQueue queue;
    FocusRecord source = Record(10, 0x42, "ClassA", "TitleA", "C:\\a.exe");
    queue.AppendCopy(source);

    source.className = "changed";
    source.title[0] = 'X';
    source.programPath.clear();
    source.handle = 1;
    source.time = 99;

    ASSERT_EQ(queue.Count(), 1u);
    const FocusRecord queued = queue.First();
    EXPECT_EQ(queued.className, "ClassA");
    EXPECT_EQ(queued.title, "TitleA");
    EXPECT_EQ(queued.programPath, "C:\\a.exe");
    EXPECT_EQ(queued.handle, 0x42u);
    EXPECT_EQ(queued.time, 10);
}

TEST(RecordQueueTest, KeepsFirstInFirstOutAndEmptyRemoveChangesNothing) {
    RecordQueue queue;
    queue.RemoveFirst();
    EXPECT_EQ(queue.Count(), 0u);

    queue.AppendCopy(Record(1, 1, "", "one", ""));
    queue.AppendCopy(Record(2, 2, "", "two", ""));
    EXPECT_EQ(queue.First().title, "one");
    queue.RemoveFirst();
    EXPECT_EQ(queue.First().title, "two");
    queue.RemoveFirst();
    queue.RemoveFirst();
    EXPECT_EQ(queue.Count(), 0u);
}

TEST(LineLogTest, KeepsOldestFirstAndEmptyRemoveChangesNothing) {
    LineLog log;
    log.RemoveFirst();
    EXPECT_EQ(log.Count(), 0u);

    log.AppendLine("first");
    log.AppendLine("second");
    ASSERT_EQ(log.Count(), 2u);
    EXPECT_EQ(log.LineAt(1), "first");
    EXPECT_EQ(log.LineAt(2), "second");
    log.RemoveFirst();
    ASSERT_EQ(log.Count(), 1u);
    EXPECT_EQ(log.LineAt(1), "second");
}

// --- The shared objects ---

TEST(FocusDataLifetimeTest, CreateStartsEmptyAndReleaseClearsEverything) {
    CreateFocusData();
    ASSERT_NE(CurrentFocus, nullptr);
    ASSERT_NE(PendingQueue, nullptr);
    ASSERT_NE(ActivityLog, nullptr);
    EXPECT_EQ(CurrentFocus->handle, 0u);
    EXPECT_EQ(PendingQueue->Count(), 0u);
    EXPECT_EQ(ActivityLog->Count(), 0u);

    // Filled, so that a release that forgets a member shows up as a leak under ASan.
    CurrentFocus->title = Text(300, 't');
    PendingQueue->AppendCopy(Record(1, 2, Text(300, 'c').c_str(), "t", "p"));
    ActivityLog->AppendLine(Text(300, 'l'));

    ReleaseFocusData();
    EXPECT_EQ(CurrentFocus, nullptr);
    EXPECT_EQ(PendingQueue, nullptr);
    EXPECT_EQ(ActivityLog, nullptr);
}

// --- Tracker, presenter and a reader meeting in the queue and the log ---

std::int64_t NumberOf(const Text& line) { return std::strtoll(line.c_str(), nullptr, 10); }

TEST(SharedDataConcurrencyTest, RecordsFlowInOrderAndReadersSeeWholeTrimmedLog) {
    constexpr std::int64_t kRecords = 1500;
    RecordQueue queue;
    LineLog log;
    std::atomic<bool> drained{false};

    std::thread producer([&] {
        FocusRecord record = Record(0, 0, "Class", "Title", "C:\\p.exe");
        for (std::int64_t n = 1; n <= kRecords; ++n) {
            record.time = n;
            record.handle = static_cast<std::uint32_t>(n);
            queue.AppendCopy(record);
        }
    });

    std::string drainFault;  // the first record out of turn; read after join
    std::thread drainer([&] {
        for (std::int64_t expected = 1; expected <= kRecords;) {
            if (queue.Count() == 0) {
                std::this_thread::yield();
                continue;
            }
            const FocusRecord record = queue.First();
            if (record.time != expected && drainFault.empty()) {
                drainFault = "expected record " + std::to_string(expected) + ", got " + std::to_string(record.time);
            }
            {
                std::lock_guard<LineLog> hold(log);
                log.AppendLine(FormatLogLine(record));
                if (log.Count() > static_cast<std::size_t>(ActivityLogLimit)) log.RemoveFirst();
            }
            queue.RemoveFirst();
            ++expected;
        }
        drained = true;
    });

    std::string readFault;  // the first bad snapshot; read after join
    std::thread reader([&] {
        std::int64_t lastNewest = 0;
        bool finalRead = false;
        while (!finalRead && readFault.empty()) {
            finalRead = drained.load();  // one more read after the drain, so the end state is read too
            std::vector<std::int64_t> numbers;
            {
                std::lock_guard<LineLog> hold(log);
                const std::size_t count = log.Count();
                for (std::size_t position = 1; position <= count; ++position) {
                    numbers.push_back(NumberOf(log.LineAt(position)));
                }
            }
            if (numbers.size() > static_cast<std::size_t>(ActivityLogLimit)) {
                readFault = "read " + std::to_string(numbers.size()) + " lines, expected at most 20";
            }
            for (std::size_t i = 1; i < numbers.size() && readFault.empty(); ++i) {
                if (numbers[i] != numbers[i - 1] + 1) {
                    readFault = "line " + std::to_string(numbers[i]) + " followed line " + std::to_string(numbers[i - 1]);
                }
            }
            if (!numbers.empty() && readFault.empty()) {
                if (numbers.back() < lastNewest) {
                    readFault = "newest line went back from " + std::to_string(lastNewest) + " to " +
                                std::to_string(numbers.back());
                }
                lastNewest = numbers.back();
            }
            std::this_thread::yield();
        }
    });

    producer.join();
    drainer.join();
    reader.join();

    EXPECT_EQ(drainFault, "");
    EXPECT_EQ(readFault, "");
    EXPECT_EQ(queue.Count(), 0u);
    ASSERT_EQ(log.Count(), static_cast<std::size_t>(ActivityLogLimit));
    for (std::size_t position = 1; position <= log.Count(); ++position) {
        EXPECT_EQ(NumberOf(log.LineAt(position)), kRecords - ActivityLogLimit + static_cast<std::int64_t>(position))
            << "at position " << position;
    }
}

}  // namespace
