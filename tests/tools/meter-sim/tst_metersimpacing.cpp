// SPDX-License-Identifier: MIT
#include "pacer.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

using Holds = QVector<QPair<int, int>>;

namespace {

struct Arrival
{
    double seconds = 0.0;
    int total = 0; // bytes received so far
};

// Every read on the pipe from the emulator, timed on the reading side.
QVector<Arrival> arrivals(const QStringList &arguments)
{
    QProcess sim;
    sim.start(QStringLiteral(LUMETRA_METER_SIM), arguments + QStringList { "-o", "-" });
    QVector<Arrival> result;
    if (!sim.waitForStarted())
        return result;
    QElapsedTimer clock;
    clock.start();
    int total = 0;
    while (sim.waitForReadyRead(10000)) {
        const double seconds = clock.nsecsElapsed() / 1e9;
        total += int(sim.readAllStandardOutput().size());
        result.append(Arrival { seconds, total });
    }
    sim.waitForFinished();
    total += int(sim.readAllStandardOutput().size());
    if (sim.exitCode() != 0 || result.isEmpty() || total != result.last().total)
        return {};
    return result;
}

} // namespace

class TestMeterSimPacing : public QObject
{
    Q_OBJECT

private slots:
    void averageRateIsKept_data();
    void averageRateIsKept();
    void pausesHoldTheStream_data();
    void pausesHoldTheStream();
};

void TestMeterSimPacing::averageRateIsKept_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("size");

    // Sizes of most of a second, so start-up and wake-up jitter stay small.
    QTest::newRow("line rate") << QStringList { "--records", "80" } << MeterBytesPerSecond << 9362;
    QTest::newRow("--rate 40000") << QStringList { "--records", "300", "--rate", "40000" }
                                  << 40000.0 << 35102;
}

void TestMeterSimPacing::averageRateIsKept()
{
    QFETCH(QStringList, arguments);
    QFETCH(double, rate);
    QFETCH(int, size);
    const QVector<Arrival> reads = arrivals(arguments);
    QVERIFY(reads.size() > 10);
    QCOMPARE(reads.last().total, size);
    // From the end of the first read to the end of the last.
    const double measured = (reads.last().total - reads.first().total)
        / (reads.last().seconds - reads.first().seconds);
    QVERIFY2(qAbs(measured / rate - 1.0) < 0.05,
        qPrintable(QStringLiteral("%1 bytes/s, expected %2").arg(measured).arg(rate)));
}

void TestMeterSimPacing::pausesHoldTheStream_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Holds>("holds"); // offset, at least so many ms before the next byte

    QTest::newRow("pause mid-frame") << QStringList { "--records", "4", "--no-pacing", "--pause-at",
        "300:250" } << Holds { { 300, 250 } };
    QTest::newRow("frame gaps") << QStringList { "--records", "3", "--rate", "100000",
        "--frame-gap", "120" } << Holds { { 117, 120 }, { 234, 120 }, { 351, 120 } };
}

void TestMeterSimPacing::pausesHoldTheStream()
{
    QFETCH(QStringList, arguments);
    QFETCH(Holds, holds);
    const QVector<Arrival> reads = arrivals(arguments);
    QVERIFY(!reads.isEmpty());
    for (const auto &hold : holds) {
        int at = 0;
        while (at < reads.size() && reads.at(at).total < hold.first)
            ++at;
        // The bytes before the pause came out together, without the rest.
        QVERIFY(at + 1 < reads.size());
        QCOMPARE(reads.at(at).total, hold.first);
        // A late wake-up of this reader shortens what it sees of the pause.
        const double gap = reads.at(at + 1).seconds - reads.at(at).seconds;
        QVERIFY2(gap >= hold.second / 1000.0 - 0.02, qPrintable(QString::number(gap)));
    }
}

QTEST_GUILESS_MAIN(TestMeterSimPacing)
#include "tst_metersimpacing.moc"
