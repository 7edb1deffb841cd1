#pragma once
// Prefix codes for the compressor: lengths from symbol counts, then the
// codes the lengths stand for.
#include <cstdint>

// Code lengths for symbols [0, n) (n at most 288) from how often each
// occurs, none longer than maxBits. Symbols that never occur get no code,
// except that at least two symbols always get one: every decoder takes a
// complete code, while a code of a single symbol would be incomplete.
void BuildCodeLengths(const uint32_t* counts, int n, int maxBits, uint8_t* lengths);

// The canonical codes of those lengths, bit-reversed so that a writer that
// packs least significant bit first sends their first bit first.
void AssignCodes(const uint8_t* lengths, int n, uint16_t* codes);
