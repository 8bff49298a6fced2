#ifndef LUMETRA_FRAMEDECODER_H
#define LUMETRA_FRAMEDECODER_H

#include "systemfiletime.h"
#include "testrecord.h"

#include <QVector>
#include <cstdint>
#include <functional>

// Cuts the meter's byte stream into 117-byte frames and a 2-byte version
// trailer. There is no start mark or checksum: frame boundaries count from the
// first byte after the buffer was last empty, and a remainder of exactly two
// bytes is always the trailer.
class FrameDecoder
{
public:
    static constexpr int frameSize = 117;
    static constexpr int trailerSize = 2;
    static constexpr int readSize = 255;
    // A frame short of one byte carried over, plus one full read.
    static constexpr int bufferCapacity = frameSize - 1 + readSize;

    // Same contract as IIODevice::read on the current port.
    using ByteSource = std::function<int(unsigned char *buffer, int length)>;
    using Clock = std::function<FileTime()>;

    explicit FrameDecoder(Clock clock = currentFileTime);

    // Forget any partial frame, as at the start of the download loop.
    void reset();

    // One poll: one read of up to 255 bytes, then every complete frame decoded.
    void readFrames(const ByteSource &source);

    const QVector<TestRecord> &receivedRecords() const { return received; }
    QVector<TestRecord> takeReceivedRecords();

    int pendingCount() const { return pending; }
    bool hasVersion() const { return versionSeen; }
    int8_t meterVersionMajor() const { return versionMajor; }
    int8_t meterVersionMinor() const { return versionMinor; }

    static TestRecord decodeFrame(const unsigned char *frame);

private:
    Clock clock;
    unsigned char readBuffer[readSize] = {};
    unsigned char accumulation[bufferCapacity] = {};
    int pending = 0;
    bool versionSeen = false;
    int8_t versionMajor = 0;
    int8_t versionMinor = 0;
    QVector<TestRecord> received;
};

#endif
