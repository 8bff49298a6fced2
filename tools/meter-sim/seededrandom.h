// SPDX-License-Identifier: MIT
#ifndef LUMETRA_SEEDEDRANDOM_H
#define LUMETRA_SEEDEDRANDOM_H

#include <cstdint>

// Numbers drawn from a seed, the same on every platform and compiler:
// splitmix64, as std:: distributions differ between standard libraries.
class SeededRandom
{
public:
    explicit SeededRandom(uint64_t seed)
        : state(seed)
    {
    }

    uint64_t next()
    {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int uniform(int low, int high) // both ends included
    {
        return low + int(next() % uint64_t(high - low + 1));
    }
    bool chance(int percent) { return uniform(1, 100) <= percent; }

private:
    uint64_t state;
};

#endif
