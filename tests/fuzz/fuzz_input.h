#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace quendal::fuzzing {

// Stops the run with the broken invariant named, so libFuzzer keeps the input.
inline void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "broken invariant: %s\n", what);
        __builtin_trap();
    }
}

// A T from the input bytes at offset; missing bytes read as zero.
template <typename T> T load(const std::uint8_t* data, std::size_t size, std::size_t offset)
{
    unsigned char bytes[sizeof(T)] = {};
    for (std::size_t i = 0; i < sizeof(T) && offset + i < size; ++i) {
        bytes[i] = data[offset + i];
    }
    T value;
    std::memcpy(&value, bytes, sizeof(T));
    return value;
}

}  // namespace quendal::fuzzing
