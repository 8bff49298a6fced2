// SPDX-License-Identifier: MIT
#include "suspectreading.h"

#include "recordtexts.h"
#include "testrecord.h"

#include <QByteArray>
#include <QHash>
#include <cmath>
#include <cstring>

namespace {

const char *const negativeLossText
    = QT_TRANSLATE_NOOP("SuspectReading", "Negative loss: set the reference again and retest");
const char *const sameReadingsText
    = QT_TRANSLATE_NOOP("SuspectReading", "Same readings as record %1");

// The twelve powers as bytes; empty when a fiber's power shows "---".
QByteArray powersOf(const TestRecord &record)
{
    QByteArray bytes;
    for (const ChannelResult &channel : record.channels) {
        const float power = channel.powerDbm;
        if (!std::isfinite(power) || power == 100.0f || power == -100.0f)
            return QByteArray();
        char raw[sizeof(float)];
        std::memcpy(raw, &channel.powerDbm, sizeof raw);
        bytes.append(raw, sizeof raw);
    }
    return bytes;
}

bool sameRecord(const TestRecord &a, const TestRecord &b)
{
    if (a.recordNumber != b.recordNumber || a.thresholdCentiDb != b.thresholdCentiDb
        || a.headerByte4 != b.headerByte4 || a.headerByte5 != b.headerByte5
        || a.wavelengthCode != b.wavelengthCode || a.polarityCode != b.polarityCode
        || a.headerByte8 != b.headerByte8)
        return false;
    for (int i = 0; i < TestRecord::channelCount; ++i) {
        const ChannelResult &x = a.channels[size_t(i)], &y = b.channels[size_t(i)];
        if (std::memcmp(&x.referenceDbm, &y.referenceDbm, sizeof(float)) != 0
            || std::memcmp(&x.powerDbm, &y.powerDbm, sizeof(float)) != 0
            || x.channelByte != y.channelByte)
            return false;
    }
    return true;
}

// Record i of group has the same readings as record j of it, unless they are one record.
void addSame(QVector<SuspectReading> *flags, const QVector<TestRecord> &group, int i, int j)
{
    if (i == j || sameRecord(group.at(i), group.at(j)))
        return;
    SuspectReading flag;
    flag.kind = SuspectReading::Kind::SameReadings;
    flag.other = j;
    flag.otherRecordNumber = group.at(j).recordNumber;
    flags->append(flag);
}

} // namespace

QString SuspectReading::text(bool translated) const
{
    if (kind == Kind::SameReadings)
        return sameReadingsAs(recordNumberText(otherRecordNumber), translated);
    return translated ? tr(negativeLossText) : QString::fromLatin1(negativeLossText);
}

QString SuspectReading::sameReadingsAs(const QString &records, bool translated)
{
    return (translated ? tr(sameReadingsText) : QString::fromLatin1(sameReadingsText)).arg(records);
}

QString SuspectReading::key() const
{
    return kind == Kind::NegativeLoss ? QStringLiteral("negativeLoss")
                                      : QStringLiteral("sameReadings");
}

QVector<SuspectReading> SuspectReading::negativeLosses(const TestRecord &record)
{
    QVector<SuspectReading> flags;
    const float threshold = float(thresholdDb(record));
    for (int fiber = 0; fiber < TestRecord::channelCount; ++fiber) {
        const ChannelResult &c = record.channels[size_t(fiber)];
        // Without a margin there is no reading to trust or distrust: a stand-in
        // power gives a large gain that means nothing.
        if (!marginDb(c.powerDbm, c.referenceDbm, threshold, record.headerByte5,
                record.polarityCode, record.headerByte8))
            continue;
        const std::optional<float> loss
            = shownLossDb(c.powerDbm, c.referenceDbm, record.headerByte5, record.headerByte8);
        if (loss && *loss < 0.0f) {
            SuspectReading flag;
            flag.fiber = fiber + 1;
            flags << flag;
        }
    }
    return flags;
}

bool SuspectReading::sameReadings(const TestRecord &a, const TestRecord &b)
{
    const QByteArray powers = powersOf(a);
    return !powers.isEmpty() && powers == powersOf(b);
}

QVector<QVector<SuspectReading>> SuspectReading::ofGroup(const QVector<TestRecord> &group)
{
    QVector<QVector<SuspectReading>> flags(group.size());
    QHash<QByteArray, QVector<int>> byPowers;
    for (int i = 0; i < group.size(); ++i) {
        flags[i] = negativeLosses(group.at(i));
        const QByteArray powers = powersOf(group.at(i));
        if (!powers.isEmpty())
            byPowers[powers].append(i);
    }
    for (const QVector<int> &alike : qAsConst(byPowers)) {
        for (const int i : alike) {
            for (const int j : alike)
                addSame(&flags[i], group, i, j);
        }
    }
    return flags;
}

QVector<SuspectReading> SuspectReading::ofRecord(int index, const QVector<TestRecord> &group)
{
    QVector<SuspectReading> flags = negativeLosses(group.at(index));
    const QByteArray powers = powersOf(group.at(index));
    for (int j = 0; !powers.isEmpty() && j < group.size(); ++j) {
        if (powersOf(group.at(j)) == powers)
            addSame(&flags, group, index, j);
    }
    return flags;
}
