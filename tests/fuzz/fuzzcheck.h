// SPDX-License-Identifier: MIT
#ifndef LUMETRA_FUZZCHECK_H
#define LUMETRA_FUZZCHECK_H

#include "testrecord.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// A broken invariant ends the run, so libFuzzer keeps the input that broke it.
inline void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// Bit for bit, except that a NaN need only stay a NaN: the archive keeps
// powers as doubles, and widening to double quiets a signalling NaN.
inline bool sameFloat(float a, float b)
{
    return std::isnan(a) ? std::isnan(b) : std::memcmp(&a, &b, sizeof a) == 0;
}

// Every field the archive keeps; arrivalTime is not kept.
inline bool sameRecord(const TestRecord &a, const TestRecord &b)
{
    bool same = a.recordNumber == b.recordNumber && a.thresholdCentiDb == b.thresholdCentiDb
        && a.headerByte4 == b.headerByte4 && a.headerByte5 == b.headerByte5
        && a.wavelengthCode == b.wavelengthCode && a.polarityCode == b.polarityCode
        && a.headerByte8 == b.headerByte8;
    for (int k = 0; k < TestRecord::channelCount; ++k)
        same = same && sameFloat(a.channels[k].powerDbm, b.channels[k].powerDbm)
            && sameFloat(a.channels[k].referenceDbm, b.channels[k].referenceDbm)
            && a.channels[k].channelByte == b.channels[k].channelByte;
    return same;
}

#endif
