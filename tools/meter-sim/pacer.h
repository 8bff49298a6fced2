// SPDX-License-Identifier: MIT
#ifndef LUMETRA_PACER_H
#define LUMETRA_PACER_H

#include "exportstream.h"
#include "meterline.h"

#include <QVector>
#include <functional>

// A run of bytes and the moment, in seconds after the export began, at which
// its last byte would have left a real UART.
struct PacedChunk
{
    int offset = 0;
    int length = 0;
    double dueSeconds = 0.0;
};

// Sends a stream on an absolute schedule (byte k is out at k / rate plus the
// pauses before it), so sleep overshoot never accumulates.
class Pacer
{
public:
    // Delivery as by a USB serial adapter: every intervalMs, what the line
    // carried since, in packets of at most packetBytes. Off while packetBytes is 0.
    struct Burst
    {
        int packetBytes = 0;
        int intervalMs = 0;
    };

    // bytesPerSecond 0: as fast as possible, only the pauses are kept.
    explicit Pacer(double bytesPerSecond = MeterBytesPerSecond);
    Pacer(double bytesPerSecond, Burst burst);

    QVector<PacedChunk> schedule(const ExportStream &stream) const;

    using Writer = std::function<bool(const char *data, int length)>;
    // False as soon as a write fails.
    bool send(const ExportStream &stream, const Writer &write) const;

private:
    int chunkLimit() const;
    QVector<PacedChunk> inPackets(const QVector<PacedChunk> &chunks) const;

    double rate;
    Burst burst;
};

#endif
