// SPDX-License-Identifier: MIT
#include "jobreport.h"
#include "jobworkbook.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// The job's report and workbook as the window's progress dialog drives them:
// cancelled or failed, they leave no file, and one there before as it was.
class TestJobFiles : public QObject
{
    Q_OBJECT

private slots:
    void cancelledOrFailedLeavesNothing();
};

namespace {

JobRecords twoTrunks()
{
    JobRecords job;
    job.facts.name = QStringLiteral("North");
    JobTest test;
    test.record.recordNumber = 7;
    test.record.thresholdCentiDb = 75;
    test.record.headerByte5 = test.record.headerByte8 = 1;
    for (ChannelResult &channel : test.record.channels)
        channel = { -20.0f, -20.3f, 0 };
    job.trunks = { { QStringLiteral("A1"), false, { test } }, { QStringLiteral("A2"), false, {} } };
    return job;
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList leftInTemp()
{
    return QDir::temp().entryList({ QStringLiteral("lumetra-*.xlsx") }, QDir::Files);
}

} // namespace

void TestJobFiles::cancelledOrFailedLeavesNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath("north.pdf"), xlsx = dir.filePath("north.xlsx");
    for (const QString &path : { pdf, xlsx }) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("earlier") == 7);
    }
    const QStringList temporary = leftInTemp();
    const JobRecords job = twoTrunks();
    const JobReport report(job);
    const JobSummary summary = summarizeJob(job);
    const ProgressStep firstStepOnly = [](int done, int) { return done == 0; };
    QCOMPARE(report.write(pdf, firstStepOnly), WriteOutcome::Cancelled);
    QCOMPARE(
        JobWorkbook(summary).write(xlsx, [](int, int) { return false; }), WriteOutcome::Cancelled);
    QCOMPARE(contentOf(pdf), QByteArray("earlier"));
    QCOMPARE(contentOf(xlsx), QByteArray("earlier"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({ "north.pdf", "north.xlsx" }));
    QCOMPARE(leftInTemp(), temporary);

    QString why;
    QCOMPARE(JobWorkbook(summary).write(dir.filePath("gone/north.xlsx"), {}, &why),
        WriteOutcome::Failed);
    QVERIFY(!why.isEmpty());
    QCOMPARE(leftInTemp(), temporary);

    int steps = 0;
    QCOMPARE(report.write(pdf, [&](int, int) { return ++steps > 0; }), WriteOutcome::Written);
    QCOMPARE(steps, report.pageCount() + 1);
    QVERIFY(contentOf(pdf).startsWith("%PDF"));
    QCOMPARE(JobWorkbook(summary).write(xlsx), WriteOutcome::Written);
    QVERIFY(contentOf(xlsx).startsWith("PK"));
}

QTEST_MAIN(TestJobFiles)
#include "tst_jobfiles.moc"
