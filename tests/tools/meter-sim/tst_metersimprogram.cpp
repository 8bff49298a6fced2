// SPDX-License-Identifier: MIT
#include "exportplan.h"
#include "recordarchive.h"
#include "recordgenerator.h"
#include "serialtermios_unix.h"
#include "testrecordcompare.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

Q_DECLARE_METATYPE(TestRecord)

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const char *program, const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(QString::fromLocal8Bit(program), arguments);
    process.write(input);
    process.closeWriteChannel();
    Run result;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

Run runSim(const QStringList &arguments, const QByteArray &input = {})
{
    return run(LUMETRA_METER_SIM, arguments, input);
}

// Reads from fd until count bytes arrived or 10 s passed.
QByteArray readBytes(int fd, int count)
{
    QByteArray bytes;
    QElapsedTimer timer;
    timer.start();
    while (bytes.size() < count && timer.elapsed() < 10000) {
        pollfd entry { fd, POLLIN, 0 };
        if (poll(&entry, 1, 100) <= 0 || !(entry.revents & POLLIN))
            continue;
        char buffer[512];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got > 0)
            bytes.append(buffer, int(got));
    }
    return bytes;
}

QByteArray everyByteValue()
{
    QByteArray bytes;
    for (int value = 0; value < 256; ++value)
        bytes.append(char(value));
    return bytes;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

} // namespace

class TestMeterSimProgram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void recordsRoundTripThroughTheCli_data();
    void recordsRoundTripThroughTheCli();
    void streamMatchesThePlan_data();
    void streamMatchesThePlan();
    void ptyWaitsForItsReaderAndPassesEveryByte();
    void deviceIsSetToTheMeterLine();
    void badInputExitsTwoWithOneLine_data();
    void badInputExitsTwoWithOneLine();

private:
    QTemporaryDir dir;
};

void TestMeterSimProgram::recordsRoundTripThroughTheCli_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QVector<TestRecord>>("records");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");

    QTest::newRow("generated") << QStringList { "--records", "25", "--seed", "9" }
                               << RecordGenerator(9).generate(25) << 2 << 1;
    const QVector<TestRecord> edges = { edgeRecord(7, -20.25f), edgeRecord(40000, 100.0f),
        edgeRecord(65535, -100.0f), edgeRecord(0, -19.95f) };
    const QString archive = dir.filePath("edge.mrf");
    QVERIFY(RecordArchive::save(archive, edges, QVector<ReportHeaderTexts>(edges.size())));
    QTest::newRow("archive, 3.0") << QStringList { "--from", archive, "--meter-version", "3.0" }
                                  << edges << 3 << 0;
}

void TestMeterSimProgram::recordsRoundTripThroughTheCli()
{
    QFETCH(QStringList, arguments);
    QFETCH(QVector<TestRecord>, records);
    QFETCH(int, major);
    QFETCH(int, minor);
    const QString capture = dir.filePath("capture.bin");
    const Run sim = runSim(arguments + QStringList { "--no-pacing", "-o", capture });
    QCOMPARE(sim.exitCode, 0);
    const QByteArray summary
        = QByteArray("sent ") + QByteArray::number(records.size() * 117 + 2) + " bytes in 1 export";
    QVERIFY2(sim.err.contains(summary), sim.err.constData());

    const QString back = dir.filePath("back.mrf");
    const Run cli = run(LUMETRA_CLI, { "decode", capture, "-o", back });
    QCOMPARE(cli.exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(cli.out).object();
    QCOMPARE(json.value("meterVersionMajor").toInt(-1), major);
    QCOMPARE(json.value("meterVersionMinor").toInt(-1), minor);
    QCOMPARE(json.value("pendingBytes").toInt(-1), 0);
    const RecordArchive::ReadResult loaded = RecordArchive::load(back);
    QCOMPARE(loaded.status, RecordArchive::ReadStatus::Ok);
    QCOMPARE(loaded.records.size(), records.size());
    for (int i = 0; i < records.size(); ++i)
        compareRecords(loaded.records.at(i), records.at(i));
}

void TestMeterSimProgram::streamMatchesThePlan_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");

    const QString raw = writeFile(dir, "raw.bin", everyByteValue());
    QTest::newRow("raw, no trailer")
        << QStringList { "--raw", raw, "--no-trailer" } << QByteArray() << everyByteValue();
    QTest::newRow("raw, trailer 1.5") << QStringList { "--raw", raw, "--meter-version", "1.5" }
                                      << QByteArray() << everyByteValue() + "\x01\x05";

    ExportPlan faulty;
    faulty.payload = ExportPlan::framesOf(RecordGenerator(4).generate(3));
    faulty.versionMajor = -2;
    faulty.versionMinor = 10;
    faulty.drops = { 5, 300 };
    faulty.insertions = { ByteInsertion { 117, 0xAA }, ByteInsertion { 353, 0 } };
    QTest::newRow("faults") << QStringList { "--records", "3", "--seed", "4", "--drop-byte", "5",
        "--drop-byte", "300", "--insert-byte", "117:0xAA", "--insert-byte", "353", "--pause-at",
        "40:30", "--frame-gap", "1", "--meter-version", "-2.10" }
                            << QByteArray() << faulty.build().bytes;

    const QByteArray two = ExportPlan().framesOf(RecordGenerator(1).generate(2)) + "\x02\x01";
    QTest::newRow("repeat") << QStringList { "--records", "2", "--repeat", "3", "--every", "0.01" }
                            << QByteArray() << two + two + two;
    QTest::newRow("on enter, until end of input")
        << QStringList { "--records", "2", "--on-enter" } << QByteArray("\n\n") << two + two;
    QTest::newRow("on enter, repeat 1") << QStringList { "--records", "2", "--on-enter", "--repeat",
        "1" } << QByteArray("\n\n\n") << two;
}

void TestMeterSimProgram::streamMatchesThePlan()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    const Run sim = runSim(arguments + QStringList { "--no-pacing", "-o", "-" }, input);
    QCOMPARE(sim.exitCode, 0);
    QCOMPARE(sim.out.toHex(), expected.toHex());
}

void TestMeterSimProgram::ptyWaitsForItsReaderAndPassesEveryByte()
{
    const QString raw = writeFile(dir, "all.bin", everyByteValue());
    QProcess sim;
    sim.start(LUMETRA_METER_SIM,
        { "--pty", "--wait-open", "--raw", raw, "--no-trailer", "--linger", "0.2" });
    QVERIFY(sim.waitForStarted());
    while (!sim.canReadLine())
        QVERIFY(sim.waitForReadyRead(10000));
    const QByteArray path = sim.readLine().trimmed();
    QVERIFY2(path.startsWith("/dev/"), path.constData());

    // Nothing is sent, so nothing ends, while no one has the port open.
    QVERIFY(!sim.waitForFinished(500));
    QVERIFY(!sim.readAllStandardError().contains("sent"));

    const int fd = ::open(path.constData(), O_RDONLY | O_NOCTTY);
    QVERIFY(fd >= 0);
    const QByteArray received = readBytes(fd, 256);
    ::close(fd);
    // CR, ^C, XON and the like pass unchanged: the pty is raw.
    QCOMPARE(received.toHex(), everyByteValue().toHex());
    QVERIFY(sim.waitForFinished(10000));
    QCOMPARE(sim.exitCode(), 0);
    QVERIFY(sim.readAllStandardError().contains("sent 256 bytes in 1 export"));
}

void TestMeterSimProgram::deviceIsSetToTheMeterLine()
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master >= 0);
    QVERIFY(grantpt(master) == 0 && unlockpt(master) == 0);
    const QString device = QString::fromLocal8Bit(ptsname(master));
    const QString raw = writeFile(dir, "device.bin", everyByteValue());

    const Run sim = runSim({ "--device", device, "--raw", raw, "--no-trailer", "--no-pacing" });
    const QByteArray received = readBytes(master, 256);
    const int baud = readSerialBaudRate(master);
    ::close(master);
    QCOMPARE(sim.exitCode, 0);
    // No output processing (a newline would become CR LF) and the meter's rate.
    QCOMPARE(received.toHex(), everyByteValue().toHex());
    QCOMPARE(baud, 109375);
}

void TestMeterSimProgram::badInputExitsTwoWithOneLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    const QString notArchive = writeFile(dir, "not.mrf", "not an archive");
    const QString missing = dir.filePath("missing");
    QTest::newRow("unknown option") << QStringList { "--bogus" };
    QTest::newRow("stray argument") << QStringList { "records" };
    QTest::newRow("negative count") << QStringList { "--records", "-1" };
    QTest::newRow("two sources") << QStringList { "--records", "2", "--raw", notArchive };
    QTest::newRow("missing archive") << QStringList { "--from", missing };
    QTest::newRow("not an archive") << QStringList { "--from", notArchive };
    QTest::newRow("missing raw file") << QStringList { "--raw", missing };
    QTest::newRow("version without minor") << QStringList { "--meter-version", "2" };
    QTest::newRow("version too large") << QStringList { "--meter-version", "2.200" };
    QTest::newRow("byte value too large") << QStringList { "--insert-byte", "5:256" };
    QTest::newRow("pause without time") << QStringList { "--pause-at", "5" };
    QTest::newRow("drop past the end") << QStringList { "--records", "1", "--drop-byte", "119" };
    QTest::newRow("zero rate") << QStringList { "--rate", "0" };
    QTest::newRow("wait-open on a file") << QStringList { "--wait-open", "-o", "-" };
    QTest::newRow("missing device") << QStringList { "--device", missing };
    QTest::newRow("not a serial device") << QStringList { "--device", "/dev/null" };
    QTest::newRow("unwritable output") << QStringList { "-o", missing + "/x.bin" };
}

void TestMeterSimProgram::badInputExitsTwoWithOneLine()
{
    QFETCH(QStringList, arguments);
    const Run sim = runSim(arguments);
    QCOMPARE(sim.exitCode, 2);
    QVERIFY(sim.out.isEmpty());
    QVERIFY2(sim.err.startsWith("lumetra-meter-sim: ") && sim.err.endsWith('\n')
            && sim.err.count('\n') == 1,
        sim.err.constData());
}

QTEST_GUILESS_MAIN(TestMeterSimProgram)
#include "tst_metersimprogram.moc"
