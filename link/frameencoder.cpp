// SPDX-License-Identifier: MIT
#include "frameencoder.h"

#include "framedecoder.h"

#include <cstring>

namespace {

void appendBigEndian16(QByteArray &out, uint16_t value)
{
    out.append(char(value >> 8));
    out.append(char(value & 0xFF));
}

void appendBigEndianFloat(QByteArray &out, float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((bits >> shift) & 0xFF));
}

} // namespace

QByteArray encodeFrame(const TestRecord &record)
{
    QByteArray out;
    out.reserve(FrameDecoder::frameSize);
    appendBigEndian16(out, record.recordNumber);
    appendBigEndian16(out, uint16_t(record.thresholdCentiDb));
    out.append(char(record.headerByte4));
    out.append(char(record.headerByte5));
    out.append(char(record.wavelengthCode));
    out.append(char(record.polarityCode));
    out.append(char(record.headerByte8));
    for (const ChannelResult &channel : record.channels) {
        appendBigEndianFloat(out, channel.referenceDbm);
        appendBigEndianFloat(out, channel.powerDbm);
        out.append(char(channel.channelByte));
    }
    return out;
}

QByteArray encodeVersionTrailer(int8_t major, int8_t minor)
{
    QByteArray out;
    out.append(char(major));
    out.append(char(minor));
    return out;
}
