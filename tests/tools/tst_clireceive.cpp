// SPDX-License-Identifier: MIT
#include "metersimprocess.h"
#include "recordarchive.h"
#include "testrecordcompare.h"

#include <QElapsedTimer>
#include <QFile>
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

// lumetra-cli with arguments into store: its exit code, and its output.
int cli(const QStringList &arguments, const QString &store, QByteArray *out = nullptr)
{
    QProcess process;
    process.start(QStringLiteral(LUMETRA_CLI), arguments + QStringList { "--database", store });
    if (!process.waitForFinished(30000))
        return -1;
    if (out)
        *out = process.readAllStandardOutput();
    return process.exitCode();
}

// What the meter sends for these exports, a pause of pauseMs before each but the first.
QStringList exportsOf(const QString &file, const QVector<QByteArray> &exports, int pauseMs)
{
    QFile capture(file);
    if (!capture.open(QIODevice::WriteOnly))
        return {};
    QStringList arguments { "--raw", file, "--no-trailer", "--no-pacing", "--wait-open" };
    for (const QByteArray &bytes : exports) {
        if (capture.pos() > 0)
            arguments << "--pause-at" << QStringLiteral("%1:%2").arg(capture.pos()).arg(pauseMs);
        capture.write(bytes);
    }
    return arguments;
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
    void receiveIntoAJob();
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

// receive --job: each record new to the job takes the next ID as the store
// writes it, a repeated export keeps its IDs, a retest marked meanwhile goes
// to the next new record, and one past the last ID is unplanned.
void TestCliReceive::receiveIntoAJob()
{
    QTemporaryDir dir;
    const QString store = dir.filePath(QStringLiteral("records.sqlite"));
    QCOMPARE(cli({ "job", "create", "North" }, store), 0);
    QCOMPARE(cli({ "job", "ids", "North", "--pattern", "A{1..3}-B{01..10}" }, store), 0);
    const QStringList first = { "--records", "4", "--seed", "51" };
    const QStringList third = { "--records", "28", "--seed", "52" };
    MeterSimProcess sim(exportsOf(dir.filePath(QStringLiteral("exports.bin")),
        { MeterSimProcess::streamFor(first), MeterSimProcess::streamFor(first),
            MeterSimProcess::streamFor(third) },
        4000));
    QVERIFY(sim.start());
    QCOMPARE(
        receive({ sim.path(), "--job", "North", "--from", "Z9", "--database", store }).exitCode, 2);
    QCOMPARE(receive({ sim.path(), "--job", "South", "--database", store }).exitCode, 2);

    QProcess receiving;
    receiving.start(QStringLiteral(LUMETRA_CLI),
        { "receive", sim.path(), "--job", "North", "--database", store, "--batches", "3",
            "--timeout", "60" });
    QStringList told; // what the store gave each record, in order
    const auto read = [&] {
        while (receiving.canReadLine() || receiving.waitForReadyRead(100)) {
            const QString line = QString::fromUtf8(receiving.readLine()).trimmed();
            if (line.startsWith(QLatin1String("lumetra-cli: record ")))
                told << line.section(QLatin1String(": "), 2);
        }
    };
    receiving.setReadChannel(QProcess::StandardError);
    QTRY_VERIFY_WITH_TIMEOUT((read(), told.size() >= 4), 20000);
    QCOMPARE(cli({ "job", "retest", "North", "A1-B02" }, store), 0);
    QVERIFY(receiving.waitForFinished(60000));
    read();
    QCOMPARE(receiving.exitCode(), 0);

    QStringList expected;
    for (int i = 1; i <= 4; ++i)
        expected << QStringLiteral("cable ID A1-B0%1").arg(i);
    for (int i = 1; i <= 4; ++i)
        expected << QStringLiteral("kept cable ID A1-B0%1 of job North").arg(i);
    expected << QStringLiteral("cable ID A1-B02, a retest");
    for (int i = 5; i <= 30; ++i)
        expected << QStringLiteral("cable ID A%1-B%2")
                        .arg((i - 1) / 10 + 1)
                        .arg((i - 1) % 10 + 1, 2, 10, QLatin1Char('0'));
    expected << QStringLiteral("unplanned, job North has no cable ID free");
    QCOMPARE(told, expected);

    QByteArray status;
    QCOMPARE(cli({ "job", "status", "North", "--json" }, store, &status), 0);
    const QJsonObject counts = QJsonDocument::fromJson(status).object().value("counts").toObject();
    QCOMPARE(counts.value("tested").toInt(), 30);
    QCOMPARE(counts.value("untested").toInt(), 0);
    QCOMPARE(counts.value("retested").toInt(), 1);
    QCOMPARE(counts.value("retestMarked").toInt(), 0);
    QCOMPARE(counts.value("unplanned").toInt(), 1);
}

QTEST_GUILESS_MAIN(TestCliReceive)
#include "tst_clireceive.moc"
