// SPDX-License-Identifier: MIT
#ifndef LUMETRA_TESTRECORD_H
#define LUMETRA_TESTRECORD_H

#include "channelresult.h"
#include "filetime.h"

#include <array>
#include <cstdint>

// One record as the meter exported it, plus the moment its bytes came in.
struct TestRecord
{
    static constexpr int channelCount = 12;

    uint16_t recordNumber = 0;
    int16_t thresholdCentiDb = 0; // 0: no threshold, no verdicts
    uint8_t headerByte4 = 0;
    uint8_t headerByte5 = 0;
    uint8_t wavelengthCode = 0;
    uint8_t polarityCode = 0;
    uint8_t headerByte8 = 0;
    std::array<ChannelResult, channelCount> channels {};
    FileTime arrivalTime; // not archived
};

#endif
