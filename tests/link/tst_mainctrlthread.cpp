// SPDX-License-Identifier: MIT
#include "mainctrlthread.h"
#include "metersimprocess.h"
#include "testrecordcompare.h"

#include "meterline.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {

// Opens the emulator's pty through the port list, as the main window does.
bool openPort(MainCtrlThread &thread, const QStringList &paths, const QString &path)
{
    qputenv("LUMETRA_PORTS", paths.join(QLatin1Char(':')).toLocal8Bit());
    thread.listPorts();
    thread.selectedPortIndex = thread.portIndexOf(path.toStdString());
    return thread.selectedPortIndex >= 0 && thread.openSelectedPort() == 0;
}

// What the receiving side saw, in the order it saw it. Delivered queued to
// the test's thread, as to the main window (a QSignalSpy would record on the
// emitting thread).
struct Receiver
{
    QStringList events; // "S" for StartDownload, "N<verdict>" for NewFileGenerated
    QVector<qint64> eventTimes; // ms, when each event was delivered
    QElapsedTimer clock;
    QVector<DownloadBatch> batches;
};

void listen(MainCtrlThread &thread, Receiver &receiver, QObject *context)
{
    receiver.clock.start();
    QObject::connect(
        &thread.debugCommunication, &DebugCommunication::StartDownload, context, [&receiver] {
            receiver.events << QStringLiteral("S");
            receiver.eventTimes << receiver.clock.elapsed();
        });
    QObject::connect(&thread.debugCommunication, &DebugCommunication::NewFileGenerated, context,
        [&receiver, &thread](uint verdict) {
            receiver.events << QStringLiteral("N%1").arg(verdict);
            receiver.eventTimes << receiver.clock.elapsed();
            receiver.batches << thread.takeBatch();
        });
}

} // namespace

class TestMainCtrlThread : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void waitsForPortAndEmitsNothing();
    void oneTransmissionIsOneBatch();
    void lineRateExportArrivesWhole_data();
    void lineRateExportArrivesWhole();
    void stopIsPromptWhileBytesFlow();
    void pauseSplitsTransmission();
    void versionVerdicts_data();
    void versionVerdicts();
    void busyReceiverLosesNothing();
    void switchingPortsWhilePolling();
    void peerClosingMidTransfer();

private:
    // A running thread polling the port at path; with a receiver attached
    // unless the test brings its own.
    bool startPolling(const QStringList &paths, const QString &path, bool attachReceiver = true);

    std::unique_ptr<MainCtrlThread> thread;
    Receiver receiver;
};

bool TestMainCtrlThread::startPolling(
    const QStringList &paths, const QString &path, bool attachReceiver)
{
    thread = std::make_unique<MainCtrlThread>();
    if (attachReceiver)
        listen(*thread, receiver, this);
    thread->start();
    if (!openPort(*thread, paths, path))
        return false;
    thread->waitingForPort = 0;
    return true;
}

void TestMainCtrlThread::cleanup()
{
    if (thread) {
        QVERIFY(thread->stopAndWait(3000));
        thread.reset();
    }
    receiver = Receiver();
}

void TestMainCtrlThread::waitsForPortAndEmitsNothing()
{
    thread = std::make_unique<MainCtrlThread>();
    listen(*thread, receiver, this);
    thread->start();
    QTest::qWait(1000);
    QVERIFY(thread->isRunning());
    QVERIFY(receiver.events.isEmpty());

    // A stop while waiting for a port ends the thread within one wait step.
    QElapsedTimer timer;
    timer.start();
    QVERIFY(thread->stopAndWait(3000));
    QVERIFY2(timer.elapsed() < 600, QByteArray::number(timer.elapsed()));
}

void TestMainCtrlThread::oneTransmissionIsOneBatch()
{
    const QStringList arguments = { "--records", "3", "--seed", "11", "--wait-open" };
    MeterSimProcess sim(arguments);
    QVERIFY(sim.start());
    QVERIFY(startPolling({ sim.path() }, sim.path()));

    QTRY_COMPARE_WITH_TIMEOUT(receiver.batches.size(), 1, 10000);
    QTest::qWait(1500); // nothing more follows
    QCOMPARE(receiver.batches.size(), 1);
    // Collecting is announced on every poll up to and including the hand-over.
    QVERIFY2(receiver.events.size() >= 3, qPrintable(receiver.events.join(' ')));
    QCOMPARE(receiver.events.last(), QStringLiteral("N0"));
    QCOMPARE(receiver.events.count(QStringLiteral("S")), receiver.events.size() - 1);
    QCOMPARE(receiver.events.at(receiver.events.size() - 2), QStringLiteral("S"));
    // The hand-over poll announces too: its StartDownload arrives together with
    // NewFileGenerated, not a poll (at least 400 ms) before it.
    const qint64 gap
        = receiver.eventTimes.last() - receiver.eventTimes.at(receiver.eventTimes.size() - 2);
    QVERIFY2(gap < 200, QByteArray::number(gap));

    const DownloadBatch &batch = receiver.batches.first();
    compareRecordLists(batch.records, MeterSimProcess::recordsFor(arguments));
    if (QTest::currentTestFailed())
        return;
    QVERIFY(batch.hasVersion);
    QCOMPARE(batch.meterVersionMajor, int8_t(2));
    QCOMPARE(batch.meterVersionMinor, int8_t(1));
    QCOMPARE(thread->queuedBatchCount(), 0);
}

void TestMainCtrlThread::lineRateExportArrivesWhole_data()
{
    QTest::addColumn<QStringList>("delivery");
    QTest::newRow("plain") << QStringList();
    // Short reads in the middle of the export leave two-byte remainders.
    QTest::newRow("USB bursts") << QStringList { "--burst", "64:16" };
}

void TestMainCtrlThread::lineRateExportArrivesWhole()
{
    QFETCH(QStringList, delivery);
    // The emulator closes its pty one second after its last byte, and what the
    // port still holds then is lost.
    const int count = 400;
    const QStringList arguments
        = QStringList { "--records", QString::number(count), "--seed", "17", "--wait-open" }
        + delivery;
    const QVector<TestRecord> expected = MeterSimProcess::recordsFor(arguments);
    QCOMPARE(expected.size(), count);
    MeterSimProcess sim(arguments);
    QVERIFY(sim.start());
    QElapsedTimer timer;
    timer.start();
    QVERIFY(startPolling({ sim.path() }, sim.path()));

    QTRY_COMPARE_WITH_TIMEOUT(receiver.batches.size(), 1, 60000);
    const double lineSeconds
        = meterLineSeconds(count * FrameDecoder::frameSize + FrameDecoder::trailerSize);
    // Line time plus the quiet rule's 1.6 s, and a wide margin for a loaded machine.
    QVERIFY2(
        timer.elapsed() < (lineSeconds + 1.6 + 4.0) * 1000, QByteArray::number(timer.elapsed()));
    QTest::qWait(1500); // nothing more follows
    QCOMPARE(receiver.batches.size(), 1);
    const DownloadBatch &batch = receiver.batches.first();
    compareRecordLists(batch.records, expected);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(batch.hasVersion);
    QCOMPARE(batch.verdict, 0u);
    QCOMPARE(batch.droppedBytes, 0);
}

void TestMainCtrlThread::stopIsPromptWhileBytesFlow()
{
    MeterSimProcess sim({ "--records", "300", "--wait-open" });
    QVERIFY(sim.start());
    QVERIFY(startPolling({ sim.path() }, sim.path()));
    QTRY_VERIFY_WITH_TIMEOUT(receiver.events.contains(QStringLiteral("S")), 10000);

    // As at quit: close the port under the reading loop, then end the loop.
    // Reads follow each other closely here, and the port must not wait for a gap.
    QElapsedTimer timer;
    timer.start();
    thread->stop();
    QVERIFY(thread->stopAndWait(3000));
    QVERIFY2(timer.elapsed() < 1500, QByteArray::number(timer.elapsed()));
}

void TestMainCtrlThread::pauseSplitsTransmission()
{
    const QStringList arguments
        = { "--records", "2", "--seed", "5", "--repeat", "2", "--every", "2.5", "--wait-open" };
    MeterSimProcess sim(arguments);
    QVERIFY(sim.start());
    QVERIFY(startPolling({ sim.path() }, sim.path()));

    QTRY_COMPARE_WITH_TIMEOUT(receiver.batches.size(), 2, 15000);
    const QVector<TestRecord> expected = MeterSimProcess::recordsFor(arguments);
    QCOMPARE(receiver.batches.at(0).records.size(), 2);
    QCOMPARE(receiver.batches.at(1).records.size(), 2);
    compareRecordLists(
        receiver.batches.at(0).records + receiver.batches.at(1).records, expected + expected);
}

void TestMainCtrlThread::versionVerdicts_data()
{
    QTest::addColumn<QStringList>("versionArguments");
    QTest::addColumn<uint>("verdict");
    QTest::addColumn<bool>("hasVersion");

    QTest::newRow("2.0") << QStringList { "--meter-version", "2.0" } << 1u << true;
    QTest::newRow("2.1") << QStringList { "--meter-version", "2.1" } << 0u << true;
    QTest::newRow("3.0") << QStringList { "--meter-version", "3.0" } << 0u << true;
    QTest::newRow("no trailer") << QStringList { "--no-trailer" } << 1u << false;
}

void TestMainCtrlThread::versionVerdicts()
{
    QFETCH(QStringList, versionArguments);
    QFETCH(uint, verdict);
    QFETCH(bool, hasVersion);
    MeterSimProcess sim(QStringList { "--records", "1", "--wait-open" } + versionArguments);
    QVERIFY(sim.start());
    QVERIFY(startPolling({ sim.path() }, sim.path()));

    QTRY_COMPARE_WITH_TIMEOUT(receiver.batches.size(), 1, 10000);
    QCOMPARE(receiver.events.last(), QStringLiteral("N%1").arg(verdict));
    const DownloadBatch &batch = receiver.batches.first();
    QCOMPARE(batch.records.size(), 1);
    QCOMPARE(batch.verdict, verdict);
    QCOMPARE(batch.hasVersion, hasVersion);
}

void TestMainCtrlThread::busyReceiverLosesNothing()
{
    // Two batches of different sizes, so that their order shows: 2 records,
    // a 2 s pause, then 3.
    const QStringList arguments
        = { "--records", "5", "--seed", "9", "--pause-at", "234:2000", "--wait-open" };
    MeterSimProcess sim(arguments);
    QVERIFY(sim.start());
    QVERIFY(startPolling({ sim.path() }, sim.path(), false));

    // Like the version warning: the first batch's receiver sits in a nested
    // event loop while the second batch completes and is announced.
    QVector<int> takenSizes;
    QVector<TestRecord> listed;
    int calls = 0;
    connect(&thread->debugCommunication, &DebugCommunication::NewFileGenerated, this, [&](uint) {
        if (++calls == 1) {
            QEventLoop modal;
            QTimer::singleShot(4500, &modal, &QEventLoop::quit);
            modal.exec();
        }
        const DownloadBatch batch = thread->takeBatch();
        takenSizes << batch.records.size();
        listed += batch.records;
    });

    QTRY_COMPARE_WITH_TIMEOUT(takenSizes.size(), 2, 20000);
    QCOMPARE(calls, 2);
    QCOMPARE(takenSizes, (QVector<int> { 2, 3 }));
    compareRecordLists(listed, MeterSimProcess::recordsFor(arguments));
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(thread->takeBatch().records.size(), 0);
}

void TestMainCtrlThread::switchingPortsWhilePolling()
{
    const QStringList firstArguments = { "--records", "1", "--seed", "1", "--wait-open" };
    const QStringList secondArguments = { "--records", "2", "--seed", "2", "--wait-open" };
    MeterSimProcess first(firstArguments);
    MeterSimProcess second(secondArguments);
    QVERIFY(first.start());
    QVERIFY(second.start());
    const QStringList paths = { first.path(), second.path() };

    QVERIFY(startPolling(paths, first.path()));
    QTRY_COMPARE_WITH_TIMEOUT(receiver.batches.size(), 1, 10000);

    // Switch while the loop keeps polling: close, then open the other port.
    QCOMPARE(thread->closePort(), 0);
    QVERIFY(openPort(*thread, paths, second.path()));
    QTRY_COMPARE_WITH_TIMEOUT(receiver.batches.size(), 2, 10000);
    compareRecordLists(receiver.batches.at(0).records + receiver.batches.at(1).records,
        MeterSimProcess::recordsFor(firstArguments) + MeterSimProcess::recordsFor(secondArguments));
}

void TestMainCtrlThread::peerClosingMidTransfer()
{
    // Four whole frames, then the meter goes away in the middle of the fifth.
    const QStringList arguments
        = { "--records", "8", "--seed", "3", "--pause-at", "500:30000", "--wait-open" };
    MeterSimProcess sim(arguments);
    QVERIFY(sim.start());
    QVERIFY(startPolling({ sim.path() }, sim.path()));

    QTRY_COMPARE_WITH_TIMEOUT(receiver.batches.size(), 1, 10000);
    sim.kill();
    QTest::qWait(1500);
    QVERIFY(thread->isRunning());
    QCOMPARE(receiver.batches.size(), 1);
    QCOMPARE(receiver.batches.first().records.size(), 4);
    compareRecordLists(
        receiver.batches.first().records, MeterSimProcess::recordsFor(arguments).mid(0, 4));
    if (QTest::currentTestFailed())
        return;

    QElapsedTimer timer;
    timer.start();
    QVERIFY(thread->stopAndWait(3000));
    QVERIFY2(timer.elapsed() < 1500, QByteArray::number(timer.elapsed()));
}

QTEST_GUILESS_MAIN(TestMainCtrlThread)
#include "tst_mainctrlthread.moc"
