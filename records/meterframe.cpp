// SPDX-License-Identifier: MIT
#include "meterframe.h"

#include <cstring>

namespace {

void appendBigEndian16(QByteArray &out, uint16_t value)
{
    out.append(char(value >> 8));
    out.append(char(value & 0xFF));
}

uint16_t bigEndian16(const unsigned char *bytes)
{
    return uint16_t((bytes[0] << 8) | bytes[1]);
}

float bigEndianFloat(const unsigned char *bytes)
{
    const uint32_t bits = (uint32_t(bytes[0]) << 24) | (uint32_t(bytes[1]) << 16)
        | (uint32_t(bytes[2]) << 8) | uint32_t(bytes[3]);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
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
    out.reserve(meterFrameSize);
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

TestRecord decodeFrame(const unsigned char *frame)
{
    TestRecord record;
    record.recordNumber = bigEndian16(frame);
    record.thresholdCentiDb = int16_t(bigEndian16(frame + 2));
    record.headerByte4 = frame[4];
    record.headerByte5 = frame[5];
    record.wavelengthCode = frame[6];
    record.polarityCode = frame[7];
    record.headerByte8 = frame[8];
    for (int k = 0; k < TestRecord::channelCount; ++k) {
        const unsigned char *block = frame + 9 + 9 * k;
        record.channels[size_t(k)].referenceDbm = bigEndianFloat(block);
        record.channels[size_t(k)].powerDbm = bigEndianFloat(block + 4);
        record.channels[size_t(k)].channelByte = block[8];
    }
    return record;
}

QByteArray encodeVersionTrailer(int8_t major, int8_t minor)
{
    QByteArray out;
    out.append(char(major));
    out.append(char(minor));
    return out;
}
