// SPDX-License-Identifier: MIT
#include "historywindow.h"
#include "jobstore.h"
#include "listofuid.h"
#include "recordhistorymodel.h"
#include "recordkeeper.h"
#include "recordstore.h"
#include "windowtestsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTextEdit>
#include <QtTest>

// The History window over records an earlier run kept: what it lists, in
// which order, what its search and dates let through, and what Open lists.
class TestHistoryWindow : public QObject
{
    Q_OBJECT

private slots:
    void findsAndOpens();
    void firstRowsComeFirst();
};

namespace {
// Three records yesterday, three today, of customers whose names hold the
// characters an SQL pattern would take for wildcards.
QVector<StoredRecord> keptOverTwoDays()
{
    const QStringList companies = { "A_B Networks", "AxB Networks", "100% Fibre", "100 Fibre",
        "A_B Networks", "Northern Regional Fibre Infrastructure and Maintenance Services Ltd" };
    const QDate today = QDate::currentDate();
    QVector<StoredRecord> rows;
    for (int i = 0; i < companies.size(); ++i) {
        StoredRecord row;
        row.record.recordNumber = uint16_t(100 + i);
        row.record.thresholdCentiDb = 50;
        row.record.wavelengthCode = 1;
        row.record.headerByte5 = row.record.headerByte8 = 1;
        for (ChannelResult &channel : row.record.channels)
            channel = ChannelResult { -20.0f, i == 2 ? -21.0f : -20.1f, 0 };
        row.headers.companyName = companies.at(i);
        row.headers.operatorName = QStringLiteral("Operator of a rather long name %1").arg(i);
        row.headers.serialNumber = QStringLiteral("SN-2026-%1-000123456").arg(i);
        row.headers.noteHtml = QStringLiteral("<p>cassette %1</p>").arg(i);
        row.sourceKind = QStringLiteral("archive");
        const QDateTime at
            = i < 3 ? QDateTime(today.addDays(-1), QTime(12, i)) : QDateTime(today, QTime(0, i));
        row.receivedAtMs = at.toMSecsSinceEpoch();
        rows << row;
    }
    return rows;
}
} // namespace

void TestHistoryWindow::findsAndOpens()
{
    QTemporaryDir dir;
    QVERIFY(prepareWindowTests(dir));
    {
        RecordKeeper earlier(StoreLocation::configured());
        QVERIFY(earlier.keep(keptOverTwoDays()));
    }
    {
        // Two of them in a job.
        RecordStore store(StoreLocation::configured());
        JobStore jobs(store);
        JobFacts north;
        north.name = QStringLiteral("North");
        QVERIFY(store.open() && jobs.createJob(north)
            && jobs.addCableIds(north.name, { "N-01", "N-02" }));
        const QVector<StoredRecord> rows = keptOverTwoDays();
        QVERIFY(jobs.assign(north.name, rows.at(1).key(), JobStore::Assignment::Id, "N-01"));
        QVERIFY(jobs.assign(north.name, rows.at(4).key(), JobStore::Assignment::Id, "N-02"));
    }
    TestWindow window;
    window.main.show();
    window.main.historyAct->trigger();
    HistoryWindow *history = window.main.findChild<HistoryWindow *>();
    QVERIFY(history && history->isVisible());
    // Read in the background: each filter is read once it is set.
    const auto shown = [history] {
        QStringList numbers;
        for (int row = 0; row < history->model->rowCount(); ++row)
            numbers
                << history->model->index(row, RecordHistoryModel::RecordNumber).data().toString();
        return numbers;
    };
    QTRY_VERIFY(!history->model->isReading());
    QCOMPARE(shown(), QStringList({ "105", "104", "103", "102", "101", "100" }));

    // Every column readable as it opens, the verdict last of all.
    QTableView *table = history->Table_History;
    const int verdict = RecordHistoryModel::Verdict;
    QCOMPARE(table->model()->index(3, verdict).data().toString(), QStringLiteral("FAIL"));
    QVERIFY(table->columnWidth(verdict) >= table->horizontalHeader()->sectionSizeHint(verdict));
    QVERIFY(table->columnViewportPosition(verdict) + table->columnWidth(verdict)
        <= table->viewport()->width());

    // Both ends of the range count whole days.
    const QDate today = QDate::currentDate();
    history->Date_From->setDate(today.addDays(-1));
    history->Check_From->setChecked(true);
    history->Date_To->setDate(today);
    history->Check_To->setChecked(true);
    QTRY_VERIFY(!history->model->isReading());
    QCOMPARE(shown().size(), 6);
    history->Date_From->setDate(today);
    QTRY_VERIFY(!history->model->isReading());
    QCOMPARE(shown(), QStringList({ "105", "104", "103" }));
    history->Date_From->setDate(today.addDays(-1));
    history->Date_To->setDate(today.addDays(-1));
    QTRY_VERIFY(!history->model->isReading());
    QCOMPARE(shown(), QStringList({ "102", "101", "100" }));
    history->Check_From->setChecked(false);
    history->Check_To->setChecked(false);

    // Each record's cable ID; the job's records alone; a search that finds an ID.
    QTRY_VERIFY(!history->model->isReading());
    QCOMPARE(table->model()->index(4, RecordHistoryModel::CableId).data().toString(), "N-01");
    QCOMPARE(history->Combo_Job->itemText(1), QStringLiteral("North"));
    history->Combo_Job->setCurrentIndex(1);
    QTRY_VERIFY(!history->model->isReading());
    QCOMPARE(shown(), QStringList({ "104", "101" }));
    history->Combo_Job->setCurrentIndex(0);
    QTest::keyClicks(history->Edit_Search, QStringLiteral("n-02"));
    QTRY_VERIFY(!history->model->isReading());
    QCOMPARE(shown(), QStringList({ "104" }));
    history->Edit_Search->clear();

    // What was typed, not a pattern.
    QTest::keyClicks(history->Edit_Search, QStringLiteral("100%"));
    QTRY_VERIFY(!history->model->isReading());
    QCOMPARE(shown(), QStringList({ "102" }));
    history->Edit_Search->clear();
    QTest::keyClicks(history->Edit_Search, QStringLiteral("a_b"));
    QTRY_VERIFY(!history->model->isReading());
    QCOMPARE(shown(), QStringList({ "104", "100" }));

    table->selectAll();
    QTest::mouseClick(history->Button_Open, Qt::LeftButton);
    // In the order they came, as an opened archive is listed, with their texts.
    QTRY_COMPARE(entriesOf(window.main), QStringList({ "100", "104" }));
    QCOMPARE(window.main.recordHeaders().first().noteHtml, QStringLiteral("<p>cassette 0</p>"));
    QCOMPARE(window.main.reportWindow->Edit_Company->text(), QStringLiteral("A_B Networks"));
    QCOMPARE(window.main.reportWindow->Edit_Comment->toPlainText(), QStringLiteral("cassette 4"));
    QVERIFY(window.dialogs.calls.isEmpty());
}

// A search that many records match shows a screenful at once, then the
// rest below it, the rows on screen staying where they are.
void TestHistoryWindow::firstRowsComeFirst()
{
    QTemporaryDir dir;
    QVERIFY(prepareWindowTests(dir));
    const int kept = RecordHistoryModel::firstRows + 50;
    {
        QVector<StoredRecord> rows;
        for (int i = 0; i < kept; ++i) {
            StoredRecord row;
            row.record.recordNumber = uint16_t(i + 1);
            row.headers.companyName = QStringLiteral("Fibre Works");
            row.sourceKind = QStringLiteral("port");
            row.receivedAtMs = 1700000000000 + i;
            rows << row;
        }
        RecordKeeper earlier(StoreLocation::configured());
        QVERIFY(earlier.keep(rows));
    }
    TestWindow window;
    window.main.show();
    window.main.historyAct->trigger();
    HistoryWindow *history = window.main.findChild<HistoryWindow *>();
    QVERIFY(history);
    QTRY_VERIFY(!history->model->isReading());
    QVector<int> shown;
    int reset = 0;
    connect(history->model, &RecordHistoryModel::firstRowsShown, this,
        [&] { shown << history->model->rowCount(); });
    connect(history->model, &QAbstractItemModel::modelReset, this, [&] { ++reset; });
    history->Edit_Search->setText(QStringLiteral("fibre works"));
    QTRY_VERIFY(!history->model->isReading());
    QCOMPARE(shown, QVector<int>({ RecordHistoryModel::firstRows }));
    QCOMPARE(reset, 1);
    QCOMPARE(history->model->rowCount(), kept);
    QCOMPARE(history->model->index(0, RecordHistoryModel::RecordNumber).data().toString(),
        QString::number(kept));
}

QTEST_MAIN(TestHistoryWindow)
#include "tst_historywindow.moc"
