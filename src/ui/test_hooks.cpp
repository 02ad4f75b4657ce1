#include "ui/test_hooks.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

void TestTrace(const char* event) {
    const char* path = std::getenv("QORINSPY_TEST_TRACE");
    if (path == nullptr || path[0] == '\0') return;
    if (std::FILE* file = std::fopen(path, "a")) {
        std::fputs(event, file);
        std::fputc('\n', file);
        std::fclose(file);
    }
}

bool TestForcesWindowLoadFailure() {
    const char* value = std::getenv("QORINSPY_TEST_FAIL_LOAD");
    return value != nullptr && std::strcmp(value, "1") == 0;
}
