// A scripted stand-in for the platform seam and the toolkit's worker-side
// operations, for the host build. Tests set the scene through Fake() and read
// back what the code asked for. Single-threaded use only.
#pragma once

#include <cstdint>
#include <cstdio>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "platform/desktop_platform.h"
#include "support/owned_memory.h"
#include "toolkit/toolkit.h"

// Test messages show a Text as one quoted string (found by gtest through the
// allocator's namespace) instead of a list of chars; bytes outside printable
// ASCII, GBK included, appear as \xNN.
inline void PrintTo(const Text& text, std::ostream* out) {
    *out << '"';
    for (const char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            *out << c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(byte));
            *out << escaped;
        }
    }
    *out << '"';
}

struct FakeWindow {
    std::string title;
    std::string className;
    std::uint32_t processId = 100;
    bool hasOwnerThread = true;
    bool writesNothing = false;  // title and class probes leave the buffer untouched
};

struct FakeProcess {
    std::string modulePath;            // what the module query gives; empty = 0 returned
    bool opensForQueryAndRead = true;  // OpenProcess(0x0410)
    bool opensForLimitedQuery = true;  // OpenProcess(0x1000)
    std::string imagePath;             // what the limited query gives; empty = failure
};

struct FakePlatform {
    // The scene.
    platform::WindowHandle foreground = 0;
    std::map<platform::WindowHandle, FakeWindow> windows;
    std::map<std::uint32_t, FakeProcess> processes;
    std::int64_t fileTime = 0;

    // Paced wait: results the message wait returns in turn (then 0 for ever).
    std::vector<std::uint32_t> waitResults;
    bool timerCreationFails = false;

    // Virtual memory: the next this many VirtualAlloc calls fail.
    int allocationFailures = 0;
    // The byte fresh blocks are filled with. The system's come zeroed; another
    // value shows code that relies on that for its zero terminator.
    unsigned char blockFill = 0;

    // What the code asked for.
    int titleProbes = 0;
    int classProbes = 0;
    int pathProbes = 0;
    std::vector<std::uint32_t> openedAccess;
    int handlesOpen = 0;  // process and timer handles not yet closed
    int timersCreated = 0;
    std::vector<std::int64_t> dueTimes;
    std::vector<std::uint32_t> wakeMasks;
    int waits = 0;
    int dispatches = 0;
    std::vector<std::uint32_t> sleeps;
    int allocations = 0;
    std::vector<std::int64_t> allocationSizes;
    int frees = 0;
    std::map<ControlId, std::string> captions;
    std::vector<std::pair<ControlId, std::string>> captionWrites;
};

FakePlatform& Fake();
void ResetFake();
