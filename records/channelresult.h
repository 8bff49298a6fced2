// SPDX-License-Identifier: MIT
#ifndef LUMETRA_CHANNELRESULT_H
#define LUMETRA_CHANNELRESULT_H

#include <cstdint>

// One fiber of a record. 100.0 and -100.0 dBm stand for a missing reading.
struct ChannelResult
{
    float referenceDbm = 0.0f;
    float powerDbm = 0.0f;
    uint8_t channelByte = 0;
};

#endif
