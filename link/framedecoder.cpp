// SPDX-License-Identifier: MIT
#include "framedecoder.h"

#include <cstring>

namespace {

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

} // namespace

FrameDecoder::FrameDecoder(Clock clock)
    : clock(std::move(clock))
{
}

void FrameDecoder::reset()
{
    pending = 0;
    std::memset(readBuffer, 0, sizeof readBuffer);
}

QVector<TestRecord> FrameDecoder::takeReceivedRecords()
{
    QVector<TestRecord> taken;
    taken.swap(received);
    return taken;
}

TestRecord FrameDecoder::decodeFrame(const unsigned char *frame)
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
        record.channels[k].referenceDbm = bigEndianFloat(block);
        record.channels[k].powerDbm = bigEndianFloat(block + 4);
        record.channels[k].channelByte = block[8];
    }
    return record;
}

int FrameDecoder::readFrames(const ByteSource &source)
{
    int count = source(readBuffer, readSize);
    if (count <= 0) {
        takeTrailer();
        return 0;
    }
    if (count > readSize) // a source that breaks its contract must not overrun us
        count = readSize;

    std::memcpy(accumulation + pending, readBuffer, size_t(count));
    pending += count;
    const FileTime arrival = clock();
    lastBytes = arrival;

    int position = 0;
    while (pending >= frameSize) {
        TestRecord record = decodeFrame(accumulation + position);
        record.arrivalTime = arrival;
        received.append(record);
        pending -= frameSize;
        position += frameSize;
    }

    if (pending > 0 && position > 0)
        std::memmove(accumulation, accumulation + position, size_t(pending));
    std::memset(readBuffer, 0, sizeof readBuffer);
    return count;
}

int FrameDecoder::dropPartialFrame()
{
    takeTrailer();
    const int dropped = pending;
    pending = 0;
    return dropped;
}

void FrameDecoder::takeTrailer()
{
    if (pending != trailerSize)
        return;
    versionMajor = int8_t(accumulation[0]);
    versionMinor = int8_t(accumulation[1]);
    versionSeen = true;
    pending = 0;
}
