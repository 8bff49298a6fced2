// SPDX-License-Identifier: MIT
#include "recordverdict.h"

#include "recordtexts.h"
#include "testrecord.h"

#include <QCoreApplication>
#include <QStringList>

Verdict RecordVerdict::verdict() const
{
    if (failed > 0)
        return Verdict::Fail;
    return passed > 0 ? Verdict::Pass : Verdict::None;
}

RecordVerdict recordVerdict(const TestRecord &record)
{
    RecordVerdict verdict;
    const float threshold = float(thresholdDb(record));
    for (int fiber = 0; fiber < TestRecord::channelCount; ++fiber) {
        const ChannelResult &channel = record.channels[size_t(fiber)];
        switch (formatChannelRow(channel.powerDbm, channel.referenceDbm, threshold,
            record.headerByte5, record.polarityCode, record.headerByte8)
                    .verdict) {
        case Verdict::Fail:
            ++verdict.failed;
            verdict.failingFibers.append(fiber + 1);
            break;
        case Verdict::Pass:
            ++verdict.passed;
            break;
        case Verdict::None:
            ++verdict.unrated;
            break;
        }
    }
    return verdict;
}

QString recordVerdictTip(const RecordVerdict &verdict)
{
    if (verdict.failingFibers.isEmpty()) {
        return verdict.passed > 0 ? verdictText(Verdict::Pass)
                                  : QCoreApplication::translate("RecordVerdict", "No reading");
    }
    QStringList fibers;
    for (int fiber : verdict.failingFibers)
        fibers << QString::number(fiber);
    return QCoreApplication::translate("RecordVerdict", "FAIL: fibers %1", nullptr, fibers.size())
        .arg(fibers.join(QStringLiteral(", ")));
}
