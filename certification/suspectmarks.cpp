// SPDX-License-Identifier: MIT
#include "suspectmarks.h"

#include "recordtexts.h"
#include "reportpainter.h"

#include <QStringList>

namespace {

QVector<int> fibersOf(const QVector<SuspectReading> &flags)
{
    QVector<int> fibers;
    for (const SuspectReading &flag : flags) {
        if (flag.kind == SuspectReading::Kind::NegativeLoss)
            fibers << flag.fiber;
    }
    return fibers;
}

QString numbersOf(const QVector<int> &fibers)
{
    QStringList numbers;
    for (const int fiber : fibers)
        numbers << QString::number(fiber);
    return numbers.join(QStringLiteral(", "));
}

// The other records with the same readings, once each.
QString sameAs(const QVector<SuspectReading> &flags)
{
    QStringList records;
    for (const SuspectReading &flag : flags) {
        const QString number = recordNumberText(flag.otherRecordNumber);
        if (flag.kind == SuspectReading::Kind::SameReadings && !records.contains(number))
            records << number;
    }
    return records.isEmpty() ? QString() : SuspectReading::sameReadingsAs(records.join(", "));
}

} // namespace

SectionMarks SuspectMarks::forSection(const QVector<SuspectReading> &flags, const QString &cableId)
{
    SectionMarks marks;
    marks.cableId = cableId;
    marks.flaggedFibers = fibersOf(flags);
    if (!marks.flaggedFibers.isEmpty()) {
        SuspectReading negative;
        marks.flags << (marks.flaggedFibers.size() == 1 ? ReportText::tr("Fiber %1: %2")
                                                        : ReportText::tr("Fibers %1: %2"))
                           .arg(numbersOf(marks.flaggedFibers), negative.text());
    }
    const QString same = sameAs(flags);
    if (!same.isEmpty())
        marks.flags << same;
    return marks;
}

QString SuspectMarks::note(const QVector<SuspectReading> &flags)
{
    QStringList notes;
    const QVector<int> fibers = fibersOf(flags);
    if (fibers.size() == 1)
        notes << ReportText::tr("Negative loss, fiber %1").arg(fibers.first());
    else if (!fibers.isEmpty())
        notes << ReportText::tr("Negative loss, %n fibers", nullptr, fibers.size());
    const QString same = sameAs(flags);
    if (!same.isEmpty())
        notes << same;
    return notes.join(QStringLiteral("; "));
}
