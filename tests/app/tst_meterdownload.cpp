// SPDX-License-Identifier: MIT
#include "configrun.h"
#include "listofuid.h"
#include "mainctrlthread.h"
#include "windowtestsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QTableWidget>
#include <QtTest>

// A technician's download from end to end: the meter emulator exports over a
// pseudo-terminal, the download thread receives, the window lists and shows
// the records. What the window shows must be what lumetra-cli decodes from
// the same bytes.
class TestMeterDownload : public QObject
{
    Q_OBJECT

private slots:
    void exportsArriveInTheWindow();
};

namespace {
// One export as the emulator generates it, and lumetra-cli's decoding of it.
struct Export
{
    QByteArray bytes;
    QJsonObject decoded;

    Export(const QDir &dir, int records, int seed)
    {
        bytes = outputOf(QStringLiteral(LUMETRA_METER_SIM),
            { "--records", QString::number(records), "--seed", QString::number(seed),
                "--meter-version", "2.0", "--no-pacing", "-o", "-" });
        QFile capture(dir.filePath(QStringLiteral("export%1.bin").arg(seed)));
        if (capture.open(QIODevice::WriteOnly) && capture.write(bytes) == bytes.size()) {
            capture.close();
            decoded = QJsonDocument::fromJson(
                outputOf(QStringLiteral(LUMETRA_CLI), { "decode", capture.fileName(), "--json" }))
                          .object();
        }
    }
    QJsonArray records() const { return decoded.value(QLatin1String("records")).toArray(); }
};

QStringList listed(const QListWidget *list, int from)
{
    QStringList entries;
    for (int row = from; row < list->count(); ++row)
        entries << list->item(row)->text();
    return entries;
}

QStringList numberTexts(const QJsonArray &records)
{
    QStringList texts;
    for (const QJsonValue &record : records)
        texts << record[QLatin1String("recordNumberText")].toString();
    return texts;
}

QString colourOf(const QTableWidgetItem *cell)
{
    const QBrush brush = cell->foreground();
    if (brush.style() == Qt::NoBrush)
        return QStringLiteral("plain");
    return brush.color() == Qt::blue ? QStringLiteral("blue")
        : brush.color() == Qt::red   ? QStringLiteral("red")
                                     : brush.color().name();
}
} // namespace

void TestMeterDownload::exportsArriveInTheWindow()
{
    QTemporaryDir dir;
    QVERIFY(prepareWindowTests(dir));
    const Export first(dir.path(), 3, 21);
    const Export second(dir.path(), 2, 22);
    QCOMPARE(first.records().size(), 3);
    QCOMPARE(second.records().size(), 2);
    QVERIFY(!first.decoded.value(QLatin1String("supported")).toBool(true));

    ScriptedMeter meter;
    QVERIFY(meter.start({ first.bytes, second.bytes }, 3000));
    // The emulator's port among whatever serial ports this machine has.
    qputenv("LUMETRA_PORTS", meter.path().toLocal8Bit());
    RecordingDialogHost dialogs;
    MainWindow main(
        nullptr, Qt::WindowFlags(), rectOf({ 800, 600 }), screenOf({ 800, 600 }), dialogs);
    main.show();
    ListOfUID &page = *main.reportWindow;
    QListWidget *list = main.connectionPanel->List_Records;
    QTRY_VERIFY(!main.connectionPanel->exportTimeText.isEmpty());

    QVERIFY(pickPort(main, meter.path()));
    QCOMPARE(main.connectionPanel->Edit_PortStatus->text(), QStringLiteral("CONNECTED"));
    bool waitCursorSeen = false;
    QStringList receiving, announced; // the status line at each announcement, and its count
    connect(&main.ctrlThread->debugCommunication, &DebugCommunication::StartDownload, this,
        [&](int received) {
            waitCursorSeen |= main.cursor().shape() == Qt::WaitCursor;
            receiving << main.statusBar()->currentMessage();
            announced << QStringLiteral("Receiving: %1 records").arg(received);
        });

    QTRY_COMPARE_WITH_TIMEOUT(list->count(), 3, 15000);
    QVERIFY(waitCursorSeen);
    QCOMPARE(receiving, announced);
    QCOMPARE(receiving.last(), QStringLiteral("Receiving: 3 records"));
    QCOMPARE(main.statusBar()->currentMessage(), QStringLiteral("Ready"));
    QCOMPARE(main.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(dialogs.calls.size(), 2); // the port hint, then the version warning
    const DialogCall &warning = dialogs.calls.last();
    QCOMPARE(warning.kind, QStringLiteral("warning"));
    QCOMPARE(warning.title, QStringLiteral("Lumetra"));
    QVERIFY(!warning.parent);
    QCOMPARE(warning.text,
        QStringLiteral("<b>Data may be corrupted</b> - Problem with MPO Power Meter Version -<br>")
            + QString(56, QLatin1Char(' ')) + "Please Verify MPO Power Meter Version.<br>"
            + QString(53, QLatin1Char(' ')) + "The supported version are <b>2.1</b> or Higher");

    QCOMPARE(listed(list, 0), numberTexts(first.records()));
    const QJsonObject last = first.records().last().toObject();
    QCOMPARE(page.Edit_FileNumber->text(), last[QLatin1String("recordNumberText")].toString());
    QCOMPARE(page.Edit_Polarity->text(), last[QLatin1String("polarity")].toString());
    const QJsonArray fibers = last[QLatin1String("channels")].toArray();
    QCOMPARE(page.remoteDevices->rowCount(), fibers.size());
    for (int row = 0; row < fibers.size(); ++row) {
        const QJsonObject fiber = fibers[row].toObject();
        const QString verdict = fiber[QLatin1String("verdictText")].toString();
        const QStringList expected = { QString::number(row + 1),
            QString::number(last[QLatin1String("wavelengthNm")].toInt()),
            fiber[QLatin1String("powerText")].toString(),
            fiber[QLatin1String("lossText")].toString(),
            last[QLatin1String("thresholdText")].toString(), verdict,
            verdict == QLatin1String("PASS")       ? QStringLiteral("blue")
                : verdict == QLatin1String("FAIL") ? QStringLiteral("red")
                                                   : QStringLiteral("plain") };
        QStringList shown;
        for (int column = 0; column < 6; ++column)
            shown << page.remoteDevices->item(row, column)->text();
        shown << colourOf(page.remoteDevices->item(row, 5));
        QCOMPARE(shown, expected);
    }
    const QString firstTime = page.Edit_ExportTime->text();
    QVERIFY(QDateTime::fromString(firstTime, QStringLiteral("MM-dd-yyyy  hh:mm:ss")).isValid());

    QTRY_COMPARE_WITH_TIMEOUT(list->count(), 5, 20000);
    QCOMPARE(listed(list, 3), numberTexts(second.records()));
    const QString secondTime = page.Edit_ExportTime->text();
    QVERIFY(secondTime != firstTime);
    QStringList exportTimes;
    for (const ReportHeaderTexts &texts : main.recordHeaders())
        exportTimes << texts.exportTime;
    QCOMPARE(exportTimes, QStringList({ firstTime, firstTime, firstTime, secondTime, secondTime }));
    QCOMPARE(dialogs.calls.size(), 3);
    qunsetenv("LUMETRA_PORTS");
}

QTEST_MAIN(TestMeterDownload)
#include "tst_meterdownload.moc"
