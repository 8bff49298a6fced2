// SPDX-License-Identifier: MIT
#include "jobsummary.h"

#include "reportpainter.h"
#include "suspectmarks.h"

#include <QDateTime>

namespace {

void addOnce(QStringList *list, const QString &text)
{
    const QString trimmed = text.trimmed();
    if (!trimmed.isEmpty() && !list->contains(trimmed))
        list->append(trimmed);
}

QString deviceOf(const ReportHeaderTexts &texts)
{
    const QString device = texts.testDevice.trimmed(), serial = texts.serialNumber.trimmed();
    if (serial.isEmpty())
        return device;
    return device.isEmpty() ? ReportText::tr("serial number %1").arg(serial)
                            : ReportText::tr("%1 (serial number %2)").arg(device, serial);
}

// The figures of every test, and the suspect readings among all of them.
void judge(JobSummary &summary, const JobRecords &records)
{
    QVector<JobTestFigures *> all;
    for (const JobTrunk &trunk : records.trunks) {
        JobTrunkFigures shown { trunk.cableId, trunk.retestMarked, {} };
        for (const JobTest &test : trunk.tests)
            shown.tests.append({ test, recordFigures(test.record), {} });
        summary.trunks << shown;
    }
    for (const JobTest &test : records.unplanned)
        summary.unplanned.append({ test, recordFigures(test.record), {} });
    for (JobTrunkFigures &trunk : summary.trunks) {
        for (JobTestFigures &test : trunk.tests)
            all << &test;
    }
    for (JobTestFigures &test : summary.unplanned)
        all << &test;
    QVector<TestRecord> group;
    for (const JobTestFigures *test : qAsConst(all))
        group << test->test.record;
    const QVector<QVector<SuspectReading>> flags = SuspectReading::ofGroup(group);
    for (int i = 0; i < all.size(); ++i) {
        all[i]->suspect = flags.at(i);
        const JobTest &test = all.at(i)->test;
        if (summary.firstTestMs == 0 || test.receivedAtMs < summary.firstTestMs)
            summary.firstTestMs = test.receivedAtMs;
        summary.lastTestMs = qMax(summary.lastTestMs, test.receivedAtMs);
        addOnce(&summary.operators, test.headers.operatorName);
        addOnce(&summary.testDevices, deviceOf(test.headers));
    }
}

void count(JobSummary &summary)
{
    float smallest = 0.0f;
    summary.smallestMarginText = QStringLiteral("---");
    summary.planned = summary.trunks.size();
    for (const JobTrunkFigures &trunk : qAsConst(summary.trunks)) {
        if (!trunk.tested()) {
            ++summary.untested;
            continue;
        }
        ++summary.tested;
        summary.retested += trunk.earlierTests() > 0 ? 1 : 0;
        const JobTestFigures &latest = trunk.latest();
        summary.suspectIds += latest.suspect.isEmpty() ? 0 : 1;
        const Verdict verdict = latest.figures.verdict.verdict();
        if (verdict == Verdict::Pass)
            ++summary.passed;
        else if (verdict == Verdict::Fail)
            ++summary.failed;
        else
            ++summary.noVerdict;
        const int fiber = latest.figures.smallestMarginFiber;
        if (fiber >= 0
            && (summary.smallestMarginFiber == 0
                || *latest.figures.fibers.at(fiber).marginDb < smallest)) {
            smallest = *latest.figures.fibers.at(fiber).marginDb;
            summary.smallestMarginText = latest.figures.fibers.at(fiber).marginText.trimmed();
            summary.smallestMarginId = trunk.cableId;
            summary.smallestMarginFiber = fiber + 1;
        }
    }
    if (summary.failed > 0)
        summary.verdict = JobVerdict::Fail;
    else if (summary.planned > 0 && summary.passed == summary.planned)
        summary.verdict = JobVerdict::Pass;
    else
        summary.verdict = JobVerdict::Incomplete;
}

} // namespace

QString JobSummary::verdictText() const
{
    switch (verdict) {
    case JobVerdict::Pass:
        return QStringLiteral("PASS");
    case JobVerdict::Fail:
        return QStringLiteral("FAIL");
    case JobVerdict::Incomplete:
        break;
    }
    return ReportText::tr("INCOMPLETE");
}

QString JobSummary::verdictBasis() const
{
    if (verdict == JobVerdict::Pass)
        return ReportText::tr("the latest test of every planned cable ID passes");
    if (verdict == JobVerdict::Fail)
        return ReportText::tr("the latest test of a planned cable ID fails");
    if (planned == 0)
        return ReportText::tr("the job has no cable IDs");
    if (untested > 0)
        return ReportText::tr("planned cable IDs are not tested");
    return ReportText::tr("a latest test has no verdict");
}

JobSummary summarizeJob(const JobRecords &records)
{
    JobSummary summary;
    summary.facts = records.facts;
    judge(summary, records);
    count(summary);
    return summary;
}

QString receivedText(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("yyyy-MM-dd hh:mm"));
}

QStringList trunkNotes(const JobTrunkFigures &trunk)
{
    QStringList notes;
    if (trunk.earlierTests() > 0)
        notes << ReportText::tr("retested ×%n", nullptr, trunk.earlierTests());
    if (trunk.retestMarked)
        notes << ReportText::tr("marked for a retest");
    const QString suspect = trunk.tested() ? SuspectMarks::note(trunk.latest().suspect) : QString();
    if (!suspect.isEmpty())
        notes << suspect;
    return notes;
}
