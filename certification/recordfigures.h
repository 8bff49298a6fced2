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
    bool hasReading = false; // its power shows a number
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
    // Over the fibers with a reading and a verdict; -1 when there is none.
    int worstLossFiber = -1; // index of the largest shown loss
    int smallestMarginFiber = -1; // index of the smallest margin
    int withoutReading = 0; // fibers whose power shows "---"

    QString worstLossText() const;
    QString smallestMarginText() const;
};

RecordFigures recordFigures(const TestRecord &record);

#endif
