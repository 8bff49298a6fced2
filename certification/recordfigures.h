// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDFIGURES_H
#define LUMETRA_RECORDFIGURES_H

#include "channelrowtext.h"
#include "recordverdict.h"

#include <QString>
#include <QVector>
#include <optional>

struct TestRecord;

// One fiber as the report shows it: the window's row texts, the margin, and
// the shown loss and margin as numbers for the chart and the comparisons.
struct FiberFigures
{
    ChannelRowText texts;
    QString marginText;
    std::optional<float> lossDb;
    std::optional<float> marginDb;
};

// Everything the report says about one record, made by the window's own text
// functions.
struct RecordFigures
{
    QString recordNumber;
    QString wavelength; // nm
    QString polarity;
    QString threshold; // dB
    float thresholdDb = 0.0f;
    QVector<FiberFigures> fibers; // fiber 1 first
    RecordVerdict verdict;
    int worstLossFiber = -1; // index of the largest shown loss; -1 when none shows one
    int smallestMarginFiber = -1; // index of the smallest margin; -1 when none has one

    QString worstLossText() const;
    QString smallestMarginText() const;
};

RecordFigures recordFigures(const TestRecord &record);

#endif
