#pragma once
// The game's random numbers: the same sequence as the Windows C runtime's
// srand/rand on every platform, so a seed replays a game anywhere.
#include <cstdint>

struct Random {
    uint32_t state;
};

// As srand(seed).
inline void SeedRandom(Random& random, uint32_t seed) { random.state = seed; }

// As rand(): 15 bits, 0 to 32767.
inline int NextRandom(Random& random) {
    random.state = random.state * 214013u + 2531011u;
    return static_cast<int>((random.state >> 16) & 0x7fff);
}

// 0 to n-1, as n * rand() / 32768 in integer arithmetic.
inline int rand_below(Random& random, int n) {
    return static_cast<int>(static_cast<int64_t>(n) * NextRandom(random) / 32768);
}
