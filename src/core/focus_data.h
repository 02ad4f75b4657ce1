// The data through which the workers and the UI thread meet: the focus record,
// the tracker's CurrentFocus, the PendingQueue of records not yet shown, the
// ActivityLog of the last lines shown, and the one line format of the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>

#include "support/owned_memory.h"

// One observation of the foreground window.
struct FocusRecord {
    std::uint32_t handle = 0;  // 32-bit window handle; 0 = no window held the foreground
    Text className;
    Text title;
    Text programPath;
    std::int64_t time = 0;  // milliseconds since 1970-01-01 UTC
};

constexpr int ActivityLogLimit = 20;

// First-in first-out records, oldest first. The tracker appends while the
// presenter reads and removes the front: one lock makes each operation whole.
class RecordQueue {
public:
    void AppendCopy(const FocusRecord& record);  // deep copy, made before it is visible
    std::size_t Count() const;
    FocusRecord First() const;  // a copy of the oldest record; only when Count() > 0
    void RemoveFirst();         // an empty queue stays unchanged

private:
    mutable std::mutex lock_;
    Sequence<FocusRecord> records_;
};

// The history as lines, oldest first. Each operation is whole by itself; a
// caller that needs several to appear as one (append then trim, or reading
// every line) holds the log across them: it is lockable, and re-entrant.
// The position guards are fatal errors; holding the log makes them unreachable.
class LineLog {
public:
    void AppendLine(const Text& line);
    std::size_t Count() const;
    void RemoveFirst();                         // an empty log stays unchanged
    Text LineAt(std::size_t position) const;    // 1 = the oldest line

    void lock() const { lock_.lock(); }
    void unlock() const { lock_.unlock(); }

private:
    mutable std::recursive_mutex lock_;
    Sequence<Text> lines_;
};

// The three shared objects, alive from CreateFocusData to ReleaseFocusData.
extern FocusRecord* CurrentFocus;
extern RecordQueue* PendingQueue;
extern LineLog* ActivityLog;

void CreateFocusData();
void ReleaseFocusData();

// time|handle|className|title|programPath, texts byte for byte, handle signed 32-bit.
Text FormatLogLine(const FocusRecord& record);

// The handle as the labels and the line show it: the 32-bit value read as signed.
Text FormatHandle(std::uint32_t handle);
