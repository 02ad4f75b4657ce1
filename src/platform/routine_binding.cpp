#include "platform/routine_binding.h"

#include <windows.h>

#include <cstring>
#include <mutex>

#include "toolkit/fatal_error.h"

// LoadLibraryA, GetProcAddress and FreeLibrary are imported when the program
// loads: binding stands on them, so they cannot be bound themselves.

namespace {

struct LoadedLibrary {
    const char* name;
    HMODULE module;
};

constexpr int kMaxLibraries = 8;
std::mutex g_bindingLock;
LoadedLibrary g_libraries[kMaxLibraries];
int g_libraryCount = 0;
constexpr int kMaxSlots = 256;
RoutineSlot* g_boundSlots[kMaxSlots];
int g_boundCount = 0;

// One reference per library, however many of its routines are bound.
HMODULE LibraryFor(const char* name) {
    for (int i = 0; i < g_libraryCount; ++i) {
        if (std::strcmp(g_libraries[i].name, name) == 0) return g_libraries[i].module;
    }
    HMODULE module = LoadLibraryA(name);
    if (module != nullptr && g_libraryCount < kMaxLibraries) {
        g_libraries[g_libraryCount++] = {name, module};
    }
    return module;
}

}  // namespace

void* BindRoutine(RoutineSlot& slot) {
    void* address = slot.address.load(std::memory_order_acquire);
    if (address != nullptr) return address;
    {
        std::lock_guard<std::mutex> hold(g_bindingLock);
        address = slot.address.load(std::memory_order_acquire);
        if (address == nullptr) {
            HMODULE module = LibraryFor(slot.library);
            if (module != nullptr) {
                address = reinterpret_cast<void*>(GetProcAddress(module, slot.name));
            }
            if (address != nullptr) {
                if (g_boundCount < kMaxSlots) g_boundSlots[g_boundCount++] = &slot;
                slot.address.store(address, std::memory_order_release);
            }
        }
    }
    // Outside the lock: the fatal box binds routines of its own.
    if (address == nullptr) FatalRoutineNotFound(slot.library, slot.name);
    return address;
}

void ReleaseBoundLibraries() {
    std::lock_guard<std::mutex> hold(g_bindingLock);
    for (int i = 0; i < g_boundCount; ++i) g_boundSlots[i]->address.store(nullptr);
    g_boundCount = 0;
    for (int i = 0; i < g_libraryCount; ++i) FreeLibrary(g_libraries[i].module);
    g_libraryCount = 0;
}
