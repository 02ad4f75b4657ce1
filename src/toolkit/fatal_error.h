// Fatal runtime errors. The box has no owner, caption "错误", an OK button and
// the stop icon; once it is closed the process ends with exit code -1 and no
// exit routine runs. Callable from any thread; never returns.
#pragma once

#include <cstddef>

// Shows the box and ends the program; number < 0 means the error has none.
// Provided by the toolkit on Windows and by a fake in host tests.
[[noreturn]] void FatalRuntimeErrorNumbered(int number, const char* message);

[[noreturn]] void FatalRuntimeError(const char* message);  // without a number

[[noreturn]] void FatalOutOfMemory(std::size_t bytes);
[[noreturn]] void FatalRoutineNotFound(const char* library, const char* routine);

// The box's text: "运行时出错!" CR LF CR LF, then "错误代码：" number CR LF CR LF
// when there is a number (number < 0: none), then "错误信息：" message CR LF when
// there is a message. Cut to fit the buffer, always zero-terminated.
void FormatFatalErrorText(char* buffer, std::size_t capacity, int number, const char* message);

// Message texts of the failures the program can meet, formatted into a buffer.
void FormatOutOfMemoryMessage(char* buffer, std::size_t capacity, std::size_t bytes);
void FormatRoutineNotFoundMessage(char* buffer, std::size_t capacity, const char* library,
                                  const char* routine);
