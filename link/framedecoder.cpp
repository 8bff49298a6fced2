// SPDX-License-Identifier: MIT
#include "framedecoder.h"

#include "meterframe.h"

#include <cstring>

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
    return ::decodeFrame(frame);
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
