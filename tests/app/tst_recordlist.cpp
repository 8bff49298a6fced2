// SPDX-License-Identifier: MIT
#include "configrun.h"
#include "listofuid.h"
#include "mainctrlthread.h"
#include "windowtestsupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>

// The record list and the report page: batches from the meter, loaded
// records, header edits kept per record, clearing.
class TestRecordList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void editsStayWithTheirRecordsAcrossBatches();
    void warningOpenWhileTheNextBatchCompletes();
    void clearingLoadedRecords();
    void suspectReadingsOnTheStatusLine();

private:
    QTemporaryDir settingsDir;
};

namespace {
TestRecord recordWith(uint16_t number, uint8_t wavelengthCode = 0, uint8_t polarityCode = 0)
{
    TestRecord record;
    record.recordNumber = number;
    record.thresholdCentiDb = 150;
    record.headerByte5 = record.headerByte8 = 1;
    record.wavelengthCode = wavelengthCode;
    record.polarityCode = polarityCode;
    for (size_t fiber = 0; fiber < record.channels.size(); ++fiber)
        record.channels[fiber] = ChannelResult { -20.0f, -20.0f - 0.25f * fiber, 0 };
    return record;
}

QStringList columnOf(const ListOfUID &page, int column)
{
    QStringList cells;
    for (int row = 0; row < page.remoteDevices->rowCount(); ++row)
        cells << page.remoteDevices->item(row, column)->text();
    return cells;
}

// Waits until the panel's clock has ticked, so that arriving records carry an export time.
bool clockTicked(const MainWindow &main)
{
    return QTest::qWaitFor([&] { return !main.connectionPanel->exportTimeText.isEmpty(); }, 3000);
}
} // namespace

void TestRecordList::initTestCase()
{
    QVERIFY(prepareWindowTests(settingsDir));
}

void TestRecordList::editsStayWithTheirRecordsAcrossBatches()
{
    ScriptedMeter meter;
    QVERIFY(meter.start(
        { exportOf({ recordWith(1), recordWith(2) }, 2, 1),
            exportOf({ recordWith(5, 3, 4), recordWith(6, 7, 9), recordWith(7) }, 2, 1) },
        4000));
    TestWindow window({ meter.path() });
    MainWindow &main = window.main;
    ListOfUID &page = *main.reportWindow;
    QListWidget *list = main.connectionPanel->List_Records;
    page.Edit_Company->setText(QStringLiteral("ACME Fiber"));
    QVERIFY(clockTicked(main));
    QVERIFY(pickPort(main, meter.path()));

    QTRY_COMPARE_WITH_TIMEOUT(main.records().size(), 2, 15000);
    QCOMPARE(entriesOf(main), QStringList({ "001", "002" }));
    QCOMPARE(page.Edit_FileNumber->text(), QStringLiteral("002"));
    const QString firstExportTime = page.Edit_ExportTime->text();
    QVERIFY(!firstExportTime.isEmpty());

    // Typed into record 2, then record 1; each keeps its own.
    page.Edit_Operator->setText(QStringLiteral("Ana"));
    list->setCurrentRow(0);
    QCOMPARE(page.Edit_Operator->text(), QString());
    page.Edit_Operator->setText(QStringLiteral("Bea"));
    list->setCurrentRow(1);
    QCOMPARE(page.Edit_Operator->text(), QStringLiteral("Ana"));
    list->setCurrentRow(0);
    QCOMPARE(page.Edit_Operator->text(), QStringLiteral("Bea"));
    page.Edit_Comment->setHtml(QStringLiteral("<b>dusty connector</b>"));

    // The next batch arrives while record 1 is shown with unsaved edits.
    QTRY_COMPARE_WITH_TIMEOUT(main.records().size(), 5, 15000);
    QCOMPARE(entriesOf(main), QStringList({ "001", "002", "005", "006", "007" }));
    QCOMPARE(list->currentRow(), 4);
    QCOMPARE(page.Edit_FileNumber->text(), QStringLiteral("007"));
    QCOMPARE(main.recordHeaders()[0].operatorName, QStringLiteral("Bea"));
    QVERIFY(main.recordHeaders()[0].noteHtml.contains(QLatin1String("dusty connector")));
    QCOMPARE(main.recordHeaders()[1].operatorName, QStringLiteral("Ana"));
    QCOMPARE(main.recordHeaders()[1].exportTime, firstExportTime);
    const ReportHeaderTexts arrived = main.recordHeaders()[2];
    QCOMPARE(arrived.companyName, QStringLiteral("ACME Fiber"));
    QCOMPARE(arrived.operatorName, QStringLiteral("Bea"));
    QVERIFY(arrived.noteHtml.contains(QLatin1String("dusty connector")));
    QCOMPARE(arrived.exportTime, page.Edit_ExportTime->text());
    QVERIFY(arrived.exportTime != firstExportTime);
    QCOMPARE(main.recordHeaders()[3], arrived);
    QCOMPARE(main.recordHeaders()[4], arrived);

    // Codes outside the tables.
    list->setCurrentRow(2);
    QCOMPARE(page.Edit_Polarity->text(), QStringLiteral("---"));
    QCOMPARE(columnOf(page, 1), QVector<QString>(12, QStringLiteral("1550")).toList());
    list->setCurrentRow(3);
    QCOMPARE(page.Edit_Polarity->text(), QString());
    QCOMPARE(columnOf(page, 1), QVector<QString>(12, QStringLiteral("0")).toList());
    QCOMPARE(main.cursor().shape(), Qt::ArrowCursor);
}

void TestRecordList::warningOpenWhileTheNextBatchCompletes()
{
    ScriptedMeter meter;
    QVERIFY(meter.start({ exportOf({ recordWith(11), recordWith(12), recordWith(13) }, 2, 0),
                            exportOf({ recordWith(21), recordWith(22) }, 2, 1) },
        2000));
    TestWindow window({ meter.path() });
    MainWindow &main = window.main;
    int announced = 0;
    connect(&main.ctrlThread->debugCommunication, &DebugCommunication::NewFileGenerated, this,
        [&] { ++announced; });
    QVector<int> listedWhileOpen;
    window.dialogs.onShow = [&](const DialogCall &call) {
        if (call.kind != QLatin1String("warning"))
            return;
        // The user leaves the box open until the next batch has been announced.
        QTRY_COMPARE_WITH_TIMEOUT(announced, 2, 15000);
        listedWhileOpen << main.records().size();
    };
    QVERIFY(pickPort(main, meter.path()));

    QTRY_COMPARE_WITH_TIMEOUT(main.records().size(), 5, 20000);
    QTest::qWait(500);
    // One warning, for the 2.0 batch, and nothing listed behind it; then
    // both batches once, in order.
    QCOMPARE(listedWhileOpen, QVector<int>({ 0 }));
    QCOMPARE(window.dialogs.calls.last().kind, QStringLiteral("warning"));
    QCOMPARE(entriesOf(main), QStringList({ "011", "012", "013", "021", "022" }));
    QCOMPARE(main.ctrlThread->queuedBatchCount(), 0);
}

void TestRecordList::clearingLoadedRecords()
{
    TestWindow window;
    MainWindow &main = window.main;
    ListOfUID &page = *main.reportWindow;
    QListWidget *list = main.connectionPanel->List_Records;
    for (const char *company : { "Alpha", "Beta", "Gamma" }) {
        main.loadedRecords << recordWith(uint16_t(7 + main.loadedRecords.size()), 1, 2);
        main.loadedHeaders << ReportHeaderTexts { company, "op", "dev", "date", "sn", "time", "" };
    }
    QVERIFY(QMetaObject::invokeMethod(&main, "on_file_open"));
    QCOMPARE(entriesOf(main), QStringList({ "7", "8", "9" }));
    QCOMPARE(list->item(2)->toolTip(), QStringLiteral("FAIL: fibers 7, 8, 9, 10, 11, 12"));
    QCOMPARE(page.Edit_FileNumber->text(), QStringLiteral("9"));
    QCOMPARE(page.Edit_Company->text(), QStringLiteral("Gamma"));

    // The middle one, shown with an edit that goes with it.
    list->setCurrentRow(1);
    page.Edit_Operator->setText(QStringLiteral("dropped"));
    main.clearSelectedAct->trigger();
    QCOMPARE(entriesOf(main), QStringList({ "7", "9" }));
    QCOMPARE(main.records()[1].recordNumber, uint16_t(9));
    QCOMPARE(main.recordHeaders()[1].companyName, QStringLiteral("Gamma"));
    const int shown = list->currentRow();
    QVERIFY(shown >= 0 && list->currentItem()->isSelected());
    QCOMPARE(page.Edit_FileNumber->text(), list->currentItem()->text());
    QCOMPARE(page.Edit_Company->text(), main.recordHeaders()[shown].companyName);
    QCOMPARE(page.Edit_Operator->text(), QStringLiteral("op"));
    for (const ReportHeaderTexts &texts : main.recordHeaders())
        QCOMPARE(texts.operatorName, QStringLiteral("op"));

    // Down to one entry, then none: like Clear All, which leaves the header fields.
    main.clearSelectedAct->trigger();
    QCOMPARE(entriesOf(main).size(), 1);
    page.Edit_Company->setText(QStringLiteral("Next customer"));
    main.clearSelectedAct->trigger();
    QCOMPARE(entriesOf(main), QStringList());
    QCOMPARE(page.remoteDevices->rowCount(), 0);
    QCOMPARE(page.Edit_FileNumber->text(), QString());
    QCOMPARE(page.Edit_Polarity->text(), QString());
    QCOMPARE(page.Edit_Company->text(), QStringLiteral("Next customer"));
    QVERIFY(!main.connectionPanel->displayedItem);
    main.clearSelectedAct->trigger();
    main.clearAllAct->trigger();
    QCOMPARE(entriesOf(main), QStringList());
    QVERIFY(window.dialogs.calls.isEmpty());
}

// Said while the record is shown, and gone with it; the verdicts stay.
void TestRecordList::suspectReadingsOnTheStatusLine()
{
    TestWindow window;
    MainWindow &main = window.main;
    main.loadedRecords = { recordWith(7), recordWith(8), recordWith(9) };
    main.loadedRecords[0].channels[0].powerDbm = -19.8f; // a gain of 0.2 dB
    main.loadedRecords[0].channels[1].powerDbm = -19.0f;
    main.loadedHeaders.resize(3);
    QVERIFY(QMetaObject::invokeMethod(&main, "on_file_open"));
    const QLabel *note = main.statusBar()->findChild<QLabel *>("Label_SuspectNote");
    QVERIFY(note && !note->isHidden());
    QCOMPARE(note->text(), QStringLiteral("Same readings as record 008"));
    main.connectionPanel->List_Records->setCurrentRow(0);
    QCOMPARE(note->toolTip(),
        QStringLiteral("Fibers 1, 2: Negative loss: set the reference again and retest"));
    QVERIFY(note->text().startsWith(QStringLiteral("Fibers 1, 2: Negative loss")));
    QCOMPARE(main.connectionPanel->List_Records->item(0)->toolTip(),
        QStringLiteral("FAIL: fibers 7, 8, 9, 10, 11, 12"));
    main.clearAllAct->trigger();
    QVERIFY(note->isHidden());
}

QTEST_MAIN(TestRecordList)
#include "tst_recordlist.moc"
