// SPDX-License-Identifier: MIT
#ifndef LUMETRA_FILETIME_H
#define LUMETRA_FILETIME_H

#include <cstdint>

// A count of 100-nanosecond intervals since 1601-01-01 00:00 UTC, kept as two
// halves, low first, as the meter link has always stored it.
struct FileTime
{
    uint32_t lowDateTime = 0;
    uint32_t highDateTime = 0;

    static FileTime fromTicks(uint64_t ticks)
    {
        return FileTime { static_cast<uint32_t>(ticks), static_cast<uint32_t>(ticks >> 32) };
    }
    uint64_t ticks() const { return (uint64_t(highDateTime) << 32) | lowDateTime; }
};

#endif
