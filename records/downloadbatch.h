// SPDX-License-Identifier: MIT
#ifndef LUMETRA_DOWNLOADBATCH_H
#define LUMETRA_DOWNLOADBATCH_H

#include "testrecord.h"

#include <QVector>
#include <cstdint>

// One finished transmission, with the meter version that was current when it
// completed, so the receiver never has to read the thread's live state.
struct DownloadBatch
{
    QVector<TestRecord> records;
    bool hasVersion = false; // false until the first trailer since start-up
    int8_t meterVersionMajor = 0;
    int8_t meterVersionMinor = 0;
    unsigned verdict = 1; // 0 supported meter, 1 not
    // Bytes of unfinished frames dropped since the previous batch.
    int droppedBytes = 0;
};

#endif
