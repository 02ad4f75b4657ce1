// main() of the tests under Wine: runs a registered child routine when asked
// to (see ChildRegistration), else the tests.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "wine_test_support.h"

namespace {
std::map<std::string, ChildMain>& Children() {
    static std::map<std::string, ChildMain> children;
    return children;
}
}  // namespace

ChildRegistration::ChildRegistration(const char* name, ChildMain main) { Children()[name] = main; }

std::string ChildCommandLine(const char* name) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string("\"") + path + "\" --child=" + name;
}

int main(int argc, char** argv) {
    const char* const prefix = "--child=";
    if (argc > 1 && std::strncmp(argv[1], prefix, std::strlen(prefix)) == 0) {
        auto child = Children().find(argv[1] + std::strlen(prefix));
        return child != Children().end() ? child->second() : 3;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
