// SPDX-License-Identifier: MIT
#include "faultmix.h"

#include "framedecoder.h"

#include <utility>

bool ExportFault::keepsEveryRecord() const
{
    return kind == Kind::None || kind == Kind::ShortPause;
}

int ExportFault::firstTouchedRecord() const
{
    return keepsEveryRecord() ? -1 : offset / FrameDecoder::frameSize;
}

QString ExportFault::name() const
{
    switch (kind) {
    case Kind::None:
        return QStringLiteral("none");
    case Kind::ShortPause:
        return QStringLiteral("short pause");
    case Kind::DropByte:
        return QStringLiteral("dropped byte");
    case Kind::InsertByte:
        return QStringLiteral("inserted byte");
    case Kind::LongPause:
        return QStringLiteral("long pause");
    case Kind::Unplug:
        return QStringLiteral("unplugged");
    }
    return QString();
}

FaultMix::FaultMix(uint64_t seed)
    : random(seed)
{
}

int FaultMix::recordCount(int most)
{
    return random.uniform(1, most);
}

ExportFault FaultMix::next(int recordCount)
{
    using Kind = ExportFault::Kind;
    const int frames = recordCount * FrameDecoder::frameSize;
    const int stream = frames + FrameDecoder::trailerSize;
    // A byte strictly inside a frame.
    const auto insideFrame = [&] {
        return random.uniform(0, recordCount - 1) * FrameDecoder::frameSize
            + random.uniform(1, FrameDecoder::frameSize - 1);
    };
    if (deck.isEmpty()) {
        deck = { 0, 1, 2, 3, 4, 5, 6, 7 };
        for (int i = deck.size() - 1; i > 0; --i)
            std::swap(deck[i], deck[random.uniform(0, i)]);
    }
    ExportFault fault;
    switch (deck.takeLast()) {
    case 3:
        fault = ExportFault { Kind::ShortPause, insideFrame(), random.uniform(20, 300), {} };
        break;
    case 4:
        fault = ExportFault { Kind::DropByte, random.uniform(0, stream - 1), 0, {} };
        break;
    case 5:
        fault = ExportFault { Kind::InsertByte, random.uniform(0, stream), 0, {} };
        break;
    case 6:
        fault = ExportFault { Kind::LongPause, insideFrame(), random.uniform(1500, 2500), {} };
        break;
    case 7:
        fault = ExportFault { Kind::Unplug, random.uniform(0, frames - 1),
            random.uniform(200, 2000), {} };
        break;
    default:
        break;
    }
    // Every third export comes in bursts, as from a USB adapter.
    static const Pacer::Burst bursts[] = { { 16, 2 }, { 64, 16 }, { 512, 40 } };
    if (++dealt % 3 == 0)
        fault.burst = bursts[random.uniform(0, 2)];
    return fault;
}
