// SPDX-License-Identifier: MIT
#include "certificationsummary.h"

#include <QCoreApplication>
#include <QDateTime>
#include <functional>

namespace {

QString commonText(const QVector<ReportHeaderTexts> &headers,
    const std::function<QString(const ReportHeaderTexts &)> &field)
{
    if (headers.isEmpty())
        return QString();
    const QString first = field(headers.constFirst());
    for (const ReportHeaderTexts &texts : headers) {
        if (field(texts) != first)
            return QCoreApplication::translate("CertificationSummary", "several");
    }
    return first;
}

// Export times are typed texts: those in the panel's own form are ordered by
// time; when none is, the first and last in list order stand for the range.
void exportRange(const QVector<ReportHeaderTexts> &headers, CertificationSummary &summary)
{
    QDateTime first, last;
    for (const ReportHeaderTexts &texts : headers) {
        const QDateTime time
            = QDateTime::fromString(texts.exportTime, QStringLiteral("MM-dd-yyyy  hh:mm:ss"));
        if (!time.isValid())
            continue;
        if (!first.isValid() || time < first) {
            first = time;
            summary.firstExportTime = texts.exportTime;
        }
        if (!last.isValid() || time > last) {
            last = time;
            summary.lastExportTime = texts.exportTime;
        }
    }
    if (first.isValid())
        return;
    for (const ReportHeaderTexts &texts : headers) {
        if (texts.exportTime.trimmed().isEmpty())
            continue;
        if (summary.firstExportTime.isEmpty())
            summary.firstExportTime = texts.exportTime;
        summary.lastExportTime = texts.exportTime;
    }
}

} // namespace

CertificationSummary summarizeRecords(
    const QVector<TestRecord> &records, const QVector<ReportHeaderTexts> &headers)
{
    CertificationSummary summary;
    const QVector<ReportHeaderTexts> listed = headers.mid(0, records.size());
    summary.companyName = commonText(listed, &ReportHeaderTexts::companyName);
    summary.operatorName = commonText(listed, &ReportHeaderTexts::operatorName);
    summary.testDevice = commonText(listed, &ReportHeaderTexts::testDevice);
    summary.serialNumber = commonText(listed, &ReportHeaderTexts::serialNumber);
    exportRange(listed, summary);

    summary.records = records.size();
    float smallest = 0.0f;
    for (int i = 0; i < records.size(); ++i) {
        const RecordFigures figures = recordFigures(records.at(i));
        summary.exportTimes.append(listed.value(i).exportTime);
        summary.fibers += figures.fibers.size();
        summary.passed += figures.verdict.passed;
        summary.failed += figures.verdict.failed;
        summary.unrated += figures.verdict.unrated;
        summary.withoutReading += figures.withoutReading;
        const int fiber = figures.smallestMarginFiber;
        if (fiber >= 0
            && (summary.smallestMarginFiber == 0
                || *figures.fibers.at(fiber).marginDb < smallest)) {
            smallest = *figures.fibers.at(fiber).marginDb;
            summary.smallestMarginRecord = figures.recordNumber;
            summary.smallestMarginFiber = fiber + 1;
            summary.smallestMarginText = figures.fibers.at(fiber).marginText;
        }
        summary.figures.append(figures);
    }
    summary.suspects = SuspectReading::ofGroup(records);
    for (int i = 0; i < records.size(); ++i) {
        if (!summary.suspects.at(i).isEmpty())
            summary.suspectRecords << summary.figures.at(i).recordNumber;
    }
    RecordVerdict overall;
    overall.passed = summary.passed;
    overall.failed = summary.failed;
    summary.verdict = overall.verdict();
    return summary;
}
