#pragma once
// A growing little-endian byte buffer: every resource file format here
// (BMP, ICO/CUR, RIFF) stores its numbers least significant byte first.
#include <cstddef>
#include <cstdint>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline void PutU8(Bytes& out, unsigned value) { out.push_back(static_cast<uint8_t>(value)); }

inline void PutU16(Bytes& out, unsigned value) {
    PutU8(out, value & 0xff);
    PutU8(out, (value >> 8) & 0xff);
}

inline void PutU32(Bytes& out, uint32_t value) {
    PutU16(out, value & 0xffff);
    PutU16(out, value >> 16);
}

// A four-character code such as "RIFF" or "fmt ".
inline void PutTag(Bytes& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) PutU8(out, static_cast<uint8_t>(tag[i]));
}

// Overwrites a 32-bit field written earlier, once its value is known.
inline void PatchU32(Bytes& out, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}
