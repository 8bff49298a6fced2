// SPDX-License-Identifier: MIT
#ifndef LUMETRA_EXPORTPLAN_H
#define LUMETRA_EXPORTPLAN_H

#include "exportstream.h"
#include "testrecord.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <cstdint>

// What one export sends: a payload (frames or a raw stream), the version
// trailer, and the faults to inject. Fault offsets count in the clean stream,
// payload then trailer, so each fault names the byte the meter would have sent
// whatever other faults do.
struct ExportPlan
{
    QByteArray payload;
    bool withTrailer = true;
    int8_t versionMajor = 2;
    int8_t versionMinor = 1;
    int frameGapMs = 0; // before every frame but the first, and before the trailer
    QVector<int> drops;
    QVector<ByteInsertion> insertions; // several at one offset go out in this order
    QVector<StreamHold> pauses;
    int unplugAt = -1; // the port goes away before this byte; -1 never

    static QByteArray framesOf(const QVector<TestRecord> &records);

    QByteArray cleanStream() const;

    // Empty when every fault lies inside the clean stream, else why not.
    QString checkOffsets() const;

    ExportStream build() const;
};

#endif
