// SPDX-License-Identifier: MIT
#include "metersimprocess.h"
#include "recordarchive.h"
#include "testrecordcompare.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    qint64 elapsedMs = 0;
};

Run receive(const QStringList &arguments)
{
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.start(
        QStringLiteral(LUMETRA_CLI), QStringList { QStringLiteral("receive") } + arguments);
    Run run;
    if (!process.waitForFinished(30000))
        return run;
    run.elapsedMs = timer.elapsed();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// The JSON objects among the output lines.
QVector<QJsonObject> jsonLines(const QByteArray &out)
{
    QVector<QJsonObject> objects;
    for (const QByteArray &line : out.split('\n')) {
        if (line.startsWith('{'))
            objects << QJsonDocument::fromJson(line).object();
    }
    return objects;
}

} // namespace

class TestCliReceive : public QObject
{
    Q_OBJECT

private slots:
    void batchesAsJsonAndIntoArchive();
    void cutExportSpoilsNotTheNext();
    void unpluggedPortOpenedAgain();
    void summaryLines();
    void timeoutWithoutData();
    void badPort();
};

void TestCliReceive::batchesAsJsonAndIntoArchive()
{
    QTemporaryDir dir;
    const QString archive = dir.filePath(QStringLiteral("received.mrf"));
    const QStringList arguments = { "--records", "3", "--seed", "21", "--repeat", "2", "--every",
        "2", "--wait-open", "--meter-version", "3.0" };
    MeterSimProcess sim(arguments);
    QVERIFY(sim.start());

    const Run run
        = receive({ sim.path(), "--json", "--batches", "2", "--timeout", "20", "-o", archive });
    QCOMPARE(run.exitCode, 0);
    const QVector<QJsonObject> batches = jsonLines(run.out);
    QCOMPARE(batches.size(), 2);
    QCOMPARE(run.out.count('\n'), 2); // nothing but the batches on standard output
    const QVector<TestRecord> expected = MeterSimProcess::recordsFor(arguments);
    for (const QJsonObject &batch : batches) {
        QCOMPARE(batch.value("meterVersionMajor").toInt(), 3);
        QCOMPARE(batch.value("meterVersionMinor").toInt(), 0);
        QCOMPARE(batch.value("verdict").toInt(), 0);
        const QJsonArray records = batch.value("records").toArray();
        QCOMPARE(records.size(), 3);
        for (int i = 0; i < records.size(); ++i)
            QCOMPARE(records.at(i).toObject().value("recordNumber").toInt(),
                int(expected.at(i).recordNumber));
    }

    // The archive is appended batch by batch, every field intact.
    const RecordArchive::ReadResult stored = RecordArchive::load(archive);
    QCOMPARE(int(stored.status), int(RecordArchive::ReadStatus::Ok));
    QCOMPARE(stored.records.size(), 6);
    compareRecordLists(stored.records, expected + expected);
}

void TestCliReceive::cutExportSpoilsNotTheNext()
{
    // An export cut 60 bytes into a frame, three seconds of silence, then a
    // fresh export of three records.
    QTemporaryDir dir;
    const QStringList fresh = { "--records", "3", "--seed", "31" };
    const QString raw = dir.filePath(QStringLiteral("cut.bin"));
    QFile file(raw);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(MeterSimProcess::streamFor({ "--records", "1", "--seed", "30" }).left(60)
        + MeterSimProcess::streamFor(fresh + QStringList { "--no-trailer" }));
    file.close();
    MeterSimProcess sim({ "--raw", raw, "--pause-at", "60:3000", "--wait-open" });
    QVERIFY(sim.start());

    const QString archive = dir.filePath(QStringLiteral("received.mrf"));
    const Run run
        = receive({ sim.path(), "--json", "--batches", "1", "--timeout", "20", "-o", archive });
    QCOMPARE(run.exitCode, 0);
    const QVector<QJsonObject> batches = jsonLines(run.out);
    QCOMPARE(batches.size(), 1);
    QCOMPARE(batches.first().value("droppedBytes").toInt(), 60);
    QVERIFY2(run.err.contains("Dropped 60 bytes of an unfinished frame"), run.err.constData());
    const RecordArchive::ReadResult stored = RecordArchive::load(archive);
    compareRecordLists(stored.records, MeterSimProcess::recordsFor(fresh));
}

void TestCliReceive::unpluggedPortOpenedAgain()
{
    // The adapter is pulled out 60 bytes into the third record and plugged in
    // again a second later under the same name; the next export comes whole.
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("ttyMeter"));
    const QStringList records = { "--records", "4", "--seed", "41" };
    MeterSimProcess sim(records
        + QStringList { "--repeat", "2", "--every", "0.5", "--unplug-at",
            QString::number(2 * 117 + 60) + ":1000", "--link", link, "--wait-open" });
    QVERIFY(sim.start());

    const QString archive = dir.filePath(QStringLiteral("received.mrf"));
    const Run run = receive(
        { link, "--reopen", "--json", "--batches", "2", "--timeout", "30", "-o", archive });
    QCOMPARE(run.exitCode, 0);
    const QVector<QJsonObject> batches = jsonLines(run.out);
    QCOMPARE(batches.size(), 2);
    QCOMPARE(batches.first().value("droppedBytes").toInt(), 60);
    QCOMPARE(batches.last().value("droppedBytes").toInt(), 0);
    QVERIFY2(run.err.contains(": opened again"), run.err.constData());
    const QVector<TestRecord> expected = MeterSimProcess::recordsFor(records);
    compareRecordLists(RecordArchive::load(archive).records, expected.mid(0, 2) + expected);
}

void TestCliReceive::summaryLines()
{
    MeterSimProcess sim(
        { "--records", "2", "--seed", "4", "--wait-open", "--meter-version", "2.0" });
    QVERIFY(sim.start());
    const Run run = receive({ sim.path(), "--batches", "1", "--timeout", "15" });
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains("batch 1: 2 records ("), run.out.constData());
    QVERIFY2(
        run.out.contains("meter 2.0, not supported: data may be corrupted"), run.out.constData());
}

void TestCliReceive::timeoutWithoutData()
{
    MeterSimProcess sim({ "--records", "1", "--on-enter" }); // never sends: nobody presses Enter
    QVERIFY(sim.start());
    const Run run = receive({ sim.path(), "--json", "--timeout", "1.5" });
    QCOMPARE(run.exitCode, 0);
    QVERIFY(jsonLines(run.out).isEmpty());
    QVERIFY2(run.elapsedMs >= 1400 && run.elapsedMs < 6000, QByteArray::number(run.elapsedMs));
}

void TestCliReceive::badPort()
{
    const Run missing = receive({ "/nonexistent/ttyX", "--timeout", "1" });
    QCOMPARE(missing.exitCode, 2);
    QVERIFY2(missing.err.contains("lumetra-cli: /nonexistent/ttyX: cannot open the serial port"),
        missing.err.constData());

    const Run usage = receive({ "--batches", "x" });
    QCOMPARE(usage.exitCode, 2);
    QVERIFY(usage.err.contains("lumetra-cli receive:"));
}

QTEST_GUILESS_MAIN(TestCliReceive)
#include "tst_clireceive.moc"
