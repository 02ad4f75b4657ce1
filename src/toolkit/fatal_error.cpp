#include "toolkit/fatal_error.h"

#include <cstdio>
#include <cstring>

namespace {

// Appends as much of text as fits, keeping the zero byte.
void AppendBounded(char* buffer, std::size_t capacity, std::size_t& used, const char* text) {
    if (text == nullptr) return;
    std::size_t n = std::strlen(text);
    if (used + 1 >= capacity) return;
    if (n > capacity - 1 - used) n = capacity - 1 - used;
    std::memcpy(buffer + used, text, n);
    used += n;
    buffer[used] = '\0';
}

}  // namespace

void FormatFatalErrorText(char* buffer, std::size_t capacity, int number, const char* message) {
    if (capacity == 0) return;
    std::size_t used = 0;
    buffer[0] = '\0';
    AppendBounded(buffer, capacity, used, "运行时出错!\r\n\r\n");
    if (number >= 0) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%d", number);
        AppendBounded(buffer, capacity, used, "错误代码：");
        AppendBounded(buffer, capacity, used, digits);
        AppendBounded(buffer, capacity, used, "\r\n\r\n");
    }
    if (message != nullptr && message[0] != '\0') {
        AppendBounded(buffer, capacity, used, "错误信息：");
        AppendBounded(buffer, capacity, used, message);
        AppendBounded(buffer, capacity, used, "\r\n");
    }
}

void FormatOutOfMemoryMessage(char* buffer, std::size_t capacity, std::size_t bytes) {
    std::snprintf(buffer, capacity, "分配 %llu 字节内存失败!", static_cast<unsigned long long>(bytes));
}

void FormatRoutineNotFoundMessage(char* buffer, std::size_t capacity, const char* library,
                                  const char* routine) {
    std::snprintf(buffer, capacity, "无法找到指定DLL库文件“%s”中的输出命令“%s”", library, routine);
}

void FatalRuntimeError(const char* message) { FatalRuntimeErrorNumbered(-1, message); }

void FatalOutOfMemory(std::size_t bytes) {
    char message[128];  // on the stack: the heap is what just failed
    FormatOutOfMemoryMessage(message, sizeof message, bytes);
    FatalRuntimeError(message);
}

void FatalRoutineNotFound(const char* library, const char* routine) {
    char message[512];
    FormatRoutineNotFoundMessage(message, sizeof message, library, routine);
    FatalRuntimeError(message);
}
