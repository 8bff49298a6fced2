// SPDX-License-Identifier: MIT
#include "pacer.h"

#include <QtGlobal>
#include <chrono>
#include <cmath>
#include <thread>

Pacer::Pacer(double bytesPerSecond)
    : rate(bytesPerSecond)
{
}

Pacer::Pacer(double bytesPerSecond, Burst burst)
    : rate(bytesPerSecond)
    , burst(burst)
{
}

// About 2 ms of line time: small enough for an even flow, large enough that
// sleep granularity does not dominate. Bursts are cut from every byte's own time.
int Pacer::chunkLimit() const
{
    if (burst.packetBytes > 0)
        return 1;
    return rate > 0 ? qBound(1, int(rate * 0.002), 256) : 1 << 30;
}

QVector<PacedChunk> Pacer::inPackets(const QVector<PacedChunk> &chunks) const
{
    const double interval = burst.intervalMs / 1000.0;
    QVector<PacedChunk> packets;
    for (const PacedChunk &chunk : chunks) {
        // The first delivery at or after the moment the byte left the line.
        const double due = std::ceil(chunk.dueSeconds / interval - 1e-9) * interval;
        if (!packets.isEmpty() && chunk.length > 0) {
            PacedChunk &packet = packets.last();
            if (packet.dueSeconds == due && packet.length > 0
                && packet.length + chunk.length <= burst.packetBytes) {
                packet.length += chunk.length;
                continue;
            }
        }
        packets.append(PacedChunk { chunk.offset, chunk.length, due });
    }
    return packets;
}

QVector<PacedChunk> Pacer::schedule(const ExportStream &stream) const
{
    QVector<PacedChunk> chunks;
    const int size = int(stream.bytes.size());
    const int limit = chunkLimit();
    const auto lineTime = [this](int byteCount) { return rate > 0 ? byteCount / rate : 0.0; };
    double held = 0.0;
    int nextHold = 0;
    int offset = 0;
    while (offset < size || nextHold < stream.holds.size()) {
        while (nextHold < stream.holds.size() && stream.holds.at(nextHold).offset <= offset)
            held += stream.holds.at(nextHold++).milliseconds / 1000.0;
        if (offset >= size) {
            // A pause after the last byte still delays the end of the export.
            chunks.append(PacedChunk { offset, 0, lineTime(offset) + held });
            break;
        }
        int end = qMin(size, offset + limit);
        if (nextHold < stream.holds.size())
            end = qMin(end, stream.holds.at(nextHold).offset);
        chunks.append(PacedChunk { offset, end - offset, lineTime(end) + held });
        offset = end;
    }
    return burst.packetBytes > 0 ? inPackets(chunks) : chunks;
}

bool Pacer::send(const ExportStream &stream, const Writer &write) const
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    for (const PacedChunk &chunk : schedule(stream)) {
        std::this_thread::sleep_until(start
            + std::chrono::duration_cast<Clock::duration>(
                std::chrono::duration<double>(chunk.dueSeconds)));
        if (chunk.length > 0 && !write(stream.bytes.constData() + chunk.offset, chunk.length))
            return false;
    }
    return true;
}
