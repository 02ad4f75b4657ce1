// Binding of system routines by library file name and routine name, on first
// call. A routine that cannot be found is a fatal runtime error. Windows only.
#pragma once

#include <atomic>

struct RoutineSlot {
    const char* library;
    const char* name;
    std::atomic<void*> address;
};

// The routine's address, bound on the first call; never returns null.
void* BindRoutine(RoutineSlot& slot);

// Drops every library reference taken by binding; later calls bind again.
// Only for the end of the program, when nothing else calls a bound routine.
void ReleaseBoundLibraries();

// A system routine of type Fn, called like the routine itself.
template <typename Fn>
class Routine {
public:
    constexpr Routine(const char* library, const char* name) : slot_{library, name, {nullptr}} {}

    template <typename... Args>
    auto operator()(Args... args) -> decltype((*static_cast<Fn*>(nullptr))(args...)) {
        return reinterpret_cast<Fn*>(BindRoutine(slot_))(args...);
    }

private:
    RoutineSlot slot_;
};
