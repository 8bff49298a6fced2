// SPDX-License-Identifier: MIT
#include "recordfigures.h"

#include "recordtexts.h"
#include "testrecord.h"

namespace {
const QString noValue = QStringLiteral("---");
} // namespace

QString RecordFigures::worstLossText() const
{
    return worstLossFiber < 0 ? noValue : fibers.at(worstLossFiber).texts.lossText;
}

QString RecordFigures::smallestMarginText() const
{
    return smallestMarginFiber < 0 ? noValue : fibers.at(smallestMarginFiber).marginText;
}

RecordFigures recordFigures(const TestRecord &record)
{
    RecordFigures figures;
    figures.recordNumber = recordNumberText(record.recordNumber);
    figures.wavelength = QString::number(wavelengthNm(record.wavelengthCode));
    figures.polarity = polarityDisplayName(record.polarityCode);
    figures.threshold = thresholdText(thresholdDb(record));
    figures.thresholdDb = float(thresholdDb(record));
    figures.verdict = recordVerdict(record);
    for (int fiber = 0; fiber < TestRecord::channelCount; ++fiber) {
        const ChannelResult &channel = record.channels[size_t(fiber)];
        const float power = channel.powerDbm, reference = channel.referenceDbm;
        FiberFigures shown;
        shown.texts = formatChannelRow(power, reference, figures.thresholdDb, record.headerByte5,
            record.polarityCode, record.headerByte8);
        shown.marginText = marginText(power, reference, figures.thresholdDb, record.headerByte5,
            record.polarityCode, record.headerByte8);
        shown.hasReading = shown.texts.powerText != noValue;
        shown.lossDb = shownLossDb(power, reference, record.headerByte5, record.headerByte8);
        shown.marginDb = marginDb(power, reference, figures.thresholdDb, record.headerByte5,
            record.polarityCode, record.headerByte8);
        // The worst figures speak only of fibers with a reading and a verdict: those with a margin.
        if (shown.marginDb
            && (figures.worstLossFiber < 0
                || *shown.lossDb > *figures.fibers.at(figures.worstLossFiber).lossDb))
            figures.worstLossFiber = fiber;
        if (shown.marginDb
            && (figures.smallestMarginFiber < 0
                || *shown.marginDb < *figures.fibers.at(figures.smallestMarginFiber).marginDb))
            figures.smallestMarginFiber = fiber;
        figures.withoutReading += shown.hasReading ? 0 : 1;
        figures.fibers.append(shown);
    }
    return figures;
}
