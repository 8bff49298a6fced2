// SPDX-License-Identifier: MIT
#include "systemfiletime.h"

#include <time.h>

FileTime currentFileTime()
{
    // Seconds from 1601-01-01 to the Unix epoch.
    constexpr uint64_t epochOffsetSeconds = 11644473600ull;
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    const uint64_t ticks
        = (uint64_t(now.tv_sec) + epochOffsetSeconds) * 10000000ull + uint64_t(now.tv_nsec) / 100;
    return FileTime::fromTicks(ticks);
}
