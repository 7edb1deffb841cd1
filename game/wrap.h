#pragma once
// Adds as the 32-bit counters of the machine would, wrapping at the ends
// instead of overflowing, which C++ leaves undefined.
#include <cstdint>

inline int32_t WrappingAdd(int32_t value, int32_t amount) {
    return static_cast<int32_t>(static_cast<uint32_t>(value) + static_cast<uint32_t>(amount));
}
