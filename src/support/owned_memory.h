// Owned texts, byte sequences and objects whose memory comes from an allocator
// that never fails quietly: when memory cannot be had, the program ends with
// the fatal runtime error that names the byte count. No exception is thrown.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <deque>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/fatal_error.h"

template <typename T>
struct FatalAllocator {
    using value_type = T;

    FatalAllocator() = default;
    template <typename U>
    FatalAllocator(const FatalAllocator<U>&) {}

    T* allocate(std::size_t count) {
        const std::size_t bytes = count * sizeof(T);
        if (count > static_cast<std::size_t>(-1) / sizeof(T)) FatalOutOfMemory(static_cast<std::size_t>(-1));
        void* memory = std::malloc(bytes == 0 ? 1 : bytes);
        if (memory == nullptr) FatalOutOfMemory(bytes);
        return static_cast<T*>(memory);
    }
    void deallocate(T* memory, std::size_t) { std::free(memory); }

    template <typename U>
    bool operator==(const FatalAllocator<U>&) const { return true; }
    template <typename U>
    bool operator!=(const FatalAllocator<U>&) const { return false; }
};

// A zero-terminated byte string in the ANSI code page; missing and empty are the same value.
using Text = std::basic_string<char, std::char_traits<char>, FatalAllocator<char>>;

// An owned array of bytes that carries its own length.
using ByteSequence = std::vector<char, FatalAllocator<char>>;

template <typename T>
using Sequence = std::deque<T, FatalAllocator<T>>;

// Text from a possibly null pointer: null gives the empty text.
inline Text TextOf(const char* bytes) { return bytes == nullptr ? Text() : Text(bytes); }

template <typename T, typename... Args>
T* NewObject(Args&&... args) {
    FatalAllocator<T> allocator;
    return new (allocator.allocate(1)) T(std::forward<Args>(args)...);
}

template <typename T>
void DeleteObject(T* object) {
    if (object == nullptr) return;
    object->~T();
    FatalAllocator<T>().deallocate(object, 1);
}
