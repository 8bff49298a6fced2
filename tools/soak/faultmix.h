// SPDX-License-Identifier: MIT
#ifndef LUMETRA_FAULTMIX_H
#define LUMETRA_FAULTMIX_H

#include "pacer.h"
#include "seededrandom.h"

#include <QString>
#include <QVector>
#include <cstdint>

// What one export of the soak suffers.
struct ExportFault
{
    enum class Kind {
        None,
        ShortPause, // inside a frame, well within the quiet rule: nothing may be lost
        DropByte,
        InsertByte,
        LongPause, // inside a frame, longer than the quiet rule: the frame is cut
        Unplug, // the port goes away and comes back under its name
    };

    Kind kind = Kind::None;
    int offset = -1; // in the clean stream
    int milliseconds = 0; // of a pause, or how long the port stays away
    Pacer::Burst burst; // delivery in packets as by a USB adapter; off when packetBytes is 0

    // Whether every record must still arrive whole.
    bool keepsEveryRecord() const;
    // The first record the fault may spoil: bytes lost or added shift every
    // frame after them, as the wire has no start mark.
    int firstTouchedRecord() const;
    QString name() const;
};

// The fault of every export, drawn from a seed: the same seed gives the same
// faults on every platform. The kinds are dealt from a shuffled deck, three
// exports without a fault and one of each kind, so that every eight exports
// bring every kind whatever the seed; every third export comes in bursts.
class FaultMix
{
public:
    explicit FaultMix(uint64_t seed);

    // For an export of recordCount frames and the trailer.
    ExportFault next(int recordCount);
    int recordCount(int most); // 1 to most

private:
    SeededRandom random;
    QVector<int> deck;
    int dealt = 0;
};

#endif
