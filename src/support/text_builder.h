// A growable byte buffer that collects texts in one block of committed
// virtual memory and hands them back as one byte sequence. The block grows
// linearly, one growth step at a time, moving its content at each step.
// Used by one thread at a time; never copied.
#pragma once

#include <cstdint>
#include <optional>

#include "support/owned_memory.h"

class TextBuilder final {
public:
    static constexpr std::int32_t kDefaultCapacity = 1024;
    static constexpr std::int32_t kDefaultGrowthStep = 1024;

    // A new builder, already holding a block of the default capacity.
    static TextBuilder* Create();

    // The operations, in the order of the builder's table.
    virtual void Destroy();                  // Release, then free the builder itself
    virtual ByteSequence TakeBytes() const;  // a copy of the content; the builder is unchanged
    // Releases a held block first. An absent value takes its default; a given one must be positive.
    virtual void Init(std::optional<std::int32_t> capacity = std::nullopt,
                      std::optional<std::int32_t> growthStep = std::nullopt);
    virtual void Release();                       // frees the block; keeps the growth step
    virtual void EnsureRoom(std::int64_t count);  // grows until capacity > length + count
    // Appends text then suffix (null = empty) and writes a zero byte after them, uncounted.
    virtual void AppendText(const char* text, const char* suffix);

    const char* Block() const { return block_; }
    const char* ContentStart() const { return contentStart_; }
    std::int64_t Length() const { return length_; }
    std::int64_t Capacity() const { return capacity_; }
    std::int32_t GrowthStep() const { return growthStep_; }

private:
    TextBuilder() = default;
    ~TextBuilder() = default;
    TextBuilder(const TextBuilder&) = delete;
    TextBuilder& operator=(const TextBuilder&) = delete;

    // A fresh block of size bytes; memory that cannot be had is a fatal error.
    static char* NewBlock(std::int64_t size);

    char* block_ = nullptr;
    char* contentStart_ = nullptr;
    std::int64_t length_ = 0;
    std::int64_t capacity_ = 0;
    std::int32_t growthStep_ = 0;

    template <typename T, typename... Args>
    friend T* NewObject(Args&&... args);
    template <typename T>
    friend void DeleteObject(T* object);
};

// Committed read-write pages from the system: up to 100 attempts in a row; null when all fail.
void* AllocateBlock(std::int64_t size);
void FreeBlock(void* block);
