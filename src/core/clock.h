// The wall clock in whole milliseconds, and the paced wait that sets the beat
// of both workers. Both run on the worker threads.
#pragma once

#include <cstdint>

// Milliseconds since 1970-01-01 00:00:00 UTC, from the system clock.
std::int64_t EpochMillis();

// The conversion EpochMillis applies to a file time (100-ns units since 1601),
// in double arithmetic with truncation toward zero at each integer step.
std::int64_t EpochMillisFromFileTime(std::int64_t fileTime);

// Blocks for ms milliseconds while dispatching the calling thread's messages
// as they arrive; the deadline is fixed when the wait starts. WM_QUIT is left
// in the queue.
void PacedWait(std::int32_t ms);
