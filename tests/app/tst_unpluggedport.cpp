// SPDX-License-Identifier: MIT
#include "configrun.h"
#include "mainctrlthread.h"
#include "metersimprocess.h"
#include "testrecordcompare.h"
#include "windowtestsupport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QtTest>

// A USB adapter pulled out in the middle of an export and plugged in again,
// where it keeps its name: from the meter emulator through a pseudo-terminal
// and the download thread to the window.
class TestUnpluggedPort : public QObject
{
    Q_OBJECT

private slots:
    void nextExportWholeAfterPickingThePortAgain();
};

namespace {
QStringList shownKinds(const RecordingDialogHost &dialogs)
{
    QStringList kinds;
    for (const DialogCall &call : dialogs.calls)
        kinds << call.kind;
    return kinds;
}
} // namespace

void TestUnpluggedPort::nextExportWholeAfterPickingThePortAgain()
{
    QTemporaryDir dir;
    QVERIFY(prepareWindowTests(dir));
    const QString port = dir.filePath(QStringLiteral("ttyUSB-meter"));
    const QStringList records = { "--records", "5", "--seed", "51" };
    // Pulled out 40 bytes into the fourth record, back a second later.
    MeterSimProcess meter(records
        + QStringList { "--repeat", "2", "--every", "0.5", "--unplug-at",
            QString::number(3 * 117 + 40) + ":1000", "--link", port, "--wait-open", "--linger",
            "600" });
    QVERIFY(meter.start());
    const QVector<TestRecord> sent = MeterSimProcess::recordsFor(records);
    QCOMPARE(sent.size(), 5);

    TestWindow window({ port });
    MainWindow &main = window.main;
    main.show();
    QListWidget *list = main.connectionPanel->List_Records;
    QLineEdit *status = main.connectionPanel->Edit_PortStatus;

    // The longest the event loop went without turning, from here to the end.
    QElapsedTimer sinceTick;
    qint64 longestStallMs = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this,
        [&] { longestStallMs = qMax(longestStallMs, sinceTick.restart()); });
    sinceTick.start();
    ticker.start(10);

    QVERIFY(pickPort(main, port));
    QCOMPARE(status->text(), QStringLiteral("CONNECTED"));
    QTRY_COMPARE_WITH_TIMEOUT(list->count(), 3, 15000);
    compareRecordLists(main.records(), sent.mid(0, 3));
    if (QTest::currentTestFailed())
        return;
    // Cut before any trailer arrived: the version warning, and no other box.
    QCOMPARE(shownKinds(window.dialogs), QStringList({ "information", "warning" }));

    // The adapter is back under its name once the link leads to a terminal.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(port), 10000);
    QVERIFY(pickPort(main, port));
    QCOMPARE(status->text(), QStringLiteral("CONNECTED"));
    QTRY_COMPARE_WITH_TIMEOUT(list->count(), 8, 15000);
    compareRecordLists(main.records(), sent.mid(0, 3) + sent);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(window.dialogs.calls.size(), 2);

    // A read on the port waits 767 ms at the most, and the window waits for
    // no more than the read in progress; the rest is a busy machine's share.
    QVERIFY2(longestStallMs < 767 + 750, QByteArray::number(longestStallMs));
}

QTEST_MAIN(TestUnpluggedPort)
#include "tst_unpluggedport.moc"
