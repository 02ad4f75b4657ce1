#include "core/focus_data.h"

#include <charconv>

#include "toolkit/fatal_error.h"

FocusRecord* CurrentFocus = nullptr;
RecordQueue* PendingQueue = nullptr;
LineLog* ActivityLog = nullptr;

void RecordQueue::AppendCopy(const FocusRecord& record) {
    FocusRecord copy = record;  // copied outside the lock, so the presenter never waits on it
    std::lock_guard<std::mutex> hold(lock_);
    records_.push_back(std::move(copy));
}

std::size_t RecordQueue::Count() const {
    std::lock_guard<std::mutex> hold(lock_);
    return records_.size();
}

FocusRecord RecordQueue::First() const {
    std::lock_guard<std::mutex> hold(lock_);
    return records_.front();
}

void RecordQueue::RemoveFirst() {
    std::lock_guard<std::mutex> hold(lock_);
    if (!records_.empty()) records_.pop_front();
}

void LineLog::AppendLine(const Text& line) {
    Text copy = line;
    std::lock_guard<std::recursive_mutex> hold(lock_);
    lines_.push_back(std::move(copy));
}

std::size_t LineLog::Count() const {
    std::lock_guard<std::recursive_mutex> hold(lock_);
    return lines_.size();
}

void LineLog::RemoveFirst() {
    std::lock_guard<std::recursive_mutex> hold(lock_);
    if (!lines_.empty()) lines_.pop_front();
}

Text LineLog::LineAt(std::size_t position) const {
    std::lock_guard<std::recursive_mutex> hold(lock_);
    if (position < 1) FatalRuntimeErrorNumbered(4, "数组成员引用下标必须大于等于1");
    if (position > lines_.size()) FatalRuntimeErrorNumbered(1, "数组成员引用下标超出定义范围");
    return lines_[position - 1];
}

void CreateFocusData() {
    CurrentFocus = NewObject<FocusRecord>();
    PendingQueue = NewObject<RecordQueue>();
    ActivityLog = NewObject<LineLog>();
}

void ReleaseFocusData() {
    DeleteObject(ActivityLog);
    ActivityLog = nullptr;
    DeleteObject(CurrentFocus);
    CurrentFocus = nullptr;
    DeleteObject(PendingQueue);
    PendingQueue = nullptr;
}

Text FormatHandle(std::uint32_t handle) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<std::int32_t>(handle)).ptr;
    return Text(digits, end);
}

Text FormatLogLine(const FocusRecord& record) {
    char time[24];
    const auto timeEnd = std::to_chars(time, time + sizeof time, record.time).ptr;
    Text line(time, timeEnd);
    line += '|';
    line += FormatHandle(record.handle);
    line += '|';
    line += record.className;
    line += '|';
    line += record.title;
    line += '|';
    line += record.programPath;
    return line;
}
