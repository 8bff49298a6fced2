// SPDX-License-Identifier: MIT
#ifndef LUMETRA_SOAKREPORT_H
#define LUMETRA_SOAKREPORT_H

#include "faultmix.h"

#include <QMap>
#include <QStringList>
#include <QTextStream>
#include <cstdint>

// What a soak did and found.
struct SoakReport
{
    uint64_t seed = 0;
    double seconds = 0;
    int exports = 0;
    int recordsSent = 0;
    int recordsReceived = 0; // garbled records of damaged exports included
    QMap<QString, int> exportsByFault;
    int burstExports = 0;
    int damagingExports = 0;
    int recordsTouched = 0; // from the first record a fault touched to the end of its export
    int recordsLostWhereNoneMay = 0; // in exports without a damaging fault; goal 0
    int recordsLostBeforeFault = 0; // records before a fault that did not arrive; goal 0
    int reopens = 0;
    qint64 startPeakKb = 0; // the receiver's peak memory after the first exports
    qint64 endPeakKb = 0;
    qint64 startResidentKb = 0;
    qint64 endResidentKb = 0;
    QString receiverState;
    QStringList failures; // each a line; empty: passed

    bool passed() const { return failures.isEmpty(); }
    void write(QTextStream &out) const;
};

#endif
