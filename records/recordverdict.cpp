// SPDX-License-Identifier: MIT
#include "recordverdict.h"

#include "recordtexts.h"
#include "testrecord.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
const QString passText = QStringLiteral("PASS");
const QString failText = QStringLiteral("FAIL");
} // namespace

QString RecordVerdict::text() const
{
    if (failed > 0)
        return failText;
    return passed > 0 ? passText : QStringLiteral("---");
}

RecordVerdict recordVerdict(const TestRecord &record)
{
    RecordVerdict verdict;
    const float threshold = float(thresholdDb(record));
    for (int fiber = 0; fiber < TestRecord::channelCount; ++fiber) {
        const ChannelResult &channel = record.channels[size_t(fiber)];
        const QString text = formatChannelRow(channel.powerDbm, channel.referenceDbm, threshold,
            record.headerByte5, record.polarityCode, record.headerByte8)
                                 .verdictText;
        if (text == failText) {
            ++verdict.failed;
            verdict.failingFibers.append(fiber + 1);
        } else if (text == passText) {
            ++verdict.passed;
        } else {
            ++verdict.unrated;
        }
    }
    return verdict;
}

QString recordVerdictTip(const RecordVerdict &verdict)
{
    if (verdict.failingFibers.isEmpty()) {
        return verdict.passed > 0 ? passText
                                  : QCoreApplication::translate("RecordVerdict", "No reading");
    }
    QStringList fibers;
    for (int fiber : verdict.failingFibers)
        fibers << QString::number(fiber);
    return QCoreApplication::translate("RecordVerdict", "FAIL: fibers %1", nullptr, fibers.size())
        .arg(fibers.join(QStringLiteral(", ")));
}

std::optional<Qt::GlobalColor> verdictColor(const QString &verdictText)
{
    if (verdictText == failText)
        return Qt::red;
    if (verdictText == passText)
        return Qt::blue;
    return std::nullopt;
}
