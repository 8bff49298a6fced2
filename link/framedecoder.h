// SPDX-License-Identifier: MIT
#ifndef LUMETRA_FRAMEDECODER_H
#define LUMETRA_FRAMEDECODER_H

#include "meterframe.h"
#include "systemfiletime.h"
#include "testrecord.h"

#include <QVector>
#include <cstdint>
#include <functional>

// Cuts the meter's byte stream into 117-byte frames and a 2-byte version
// trailer. There is no start mark or checksum: frame boundaries count from the
// first byte after the buffer was last empty. A remainder of exactly two bytes
// is the trailer only once the line goes quiet after it (the next read comes
// back empty): reads come back short in the middle of a transmission too, and
// then the bytes that follow complete the frame.
class FrameDecoder
{
public:
    static constexpr int frameSize = meterFrameSize;
    static constexpr int trailerSize = meterTrailerSize;
    static constexpr int readSize = 255;
    // A frame short of one byte carried over, plus one full read.
    static constexpr int bufferCapacity = frameSize - 1 + readSize;

    // Same contract as IIODevice::read on the current port.
    using ByteSource = std::function<int(unsigned char *buffer, int length)>;
    using Clock = std::function<FileTime()>;

    explicit FrameDecoder(Clock clock = currentFileTime);

    // Forget any partial frame, as at the start of the download loop.
    void reset();

    // One read of up to 255 bytes, then every complete frame decoded. Returns
    // the number of bytes read; 0 (nothing arrived, or the read failed) means
    // the line is quiet, which settles a pending two-byte remainder as the trailer.
    int readFrames(const ByteSource &source);

    // For a line quiet for longer than a transmission pauses: a two-byte
    // remainder is the trailer, and any other unfinished frame will never be
    // completed by its own transmission, so it is dropped rather than prefixed
    // to the next one. Returns the number of bytes dropped.
    int dropPartialFrame();

    const QVector<TestRecord> &receivedRecords() const { return received; }
    QVector<TestRecord> takeReceivedRecords();

    int pendingCount() const { return pending; }
    // The time of the last read that brought bytes; zero before the first.
    FileTime lastByteTime() const { return lastBytes; }
    bool hasVersion() const { return versionSeen; }
    int8_t meterVersionMajor() const { return versionMajor; }
    int8_t meterVersionMinor() const { return versionMinor; }

    static TestRecord decodeFrame(const unsigned char *frame);

private:
    void takeTrailer();

    Clock clock;
    unsigned char readBuffer[readSize] = {};
    unsigned char accumulation[bufferCapacity] = {};
    int pending = 0;
    FileTime lastBytes;
    bool versionSeen = false;
    int8_t versionMajor = 0;
    int8_t versionMinor = 0;
    QVector<TestRecord> received;
};

#endif
