// SPDX-License-Identifier: MIT
#include "configrun.h"
#include "jobstatusmodel.h"
#include "jobstore.h"
#include "jobswindow.h"
#include "listofuid.h"
#include "metersimprocess.h"
#include "recordarchive.h"
#include "recordlistdelegate.h"
#include "recordstore.h"
#include "recordverdict.h"
#include "windowtestsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

// A technician's job from end to end: the Jobs window makes a job of 30
// cable IDs from a pattern, the meter emulator exports into the window over
// a pseudo-terminal, and each record takes its ID as it reaches the store.
// The archive saved carries the job to a colleague's store.
class TestJobs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exportsIntoAJob();
    void anArchiveBringsItsJob();

private:
    QTemporaryDir dir;
    QString archive; // written by exportsIntoAJob
    QStringList ids; // of its records, "" for none
    QString counts;
};

namespace {
QStringList cableIdsOf(const QListWidget *list, int from = 0)
{
    QStringList shown;
    for (int row = from; row < list->count(); ++row)
        shown << list->item(row)->data(RecordListDelegate::CableIdRole).toString();
    return shown;
}

QStringList planned(int from, int to)
{
    QStringList names;
    for (int i = from; i <= to; ++i)
        names << QStringLiteral("A%1-B%2")
                     .arg((i - 1) / 10 + 1)
                     .arg((i - 1) % 10 + 1, 2, 10, QLatin1Char('0'));
    return names;
}

// "30 of 30 tested · 12 PASS · 18 FAIL · 0 untested · 1 unplanned" for the latest tests.
QString countsOf(const QVector<TestRecord> &latest, int planned, int unplanned)
{
    int pass = 0, fail = 0;
    for (const TestRecord &record : latest) {
        const Verdict verdict = recordVerdict(record).verdict();
        pass += verdict == Verdict::Pass ? 1 : 0;
        fail += verdict == Verdict::Fail ? 1 : 0;
    }
    const int none = latest.size() - pass - fail;
    return QStringLiteral("%1 of %2 tested · %3 PASS · %4 FAIL · %5 untested")
               .arg(latest.size())
               .arg(planned)
               .arg(pass)
               .arg(fail)
               .arg(planned - latest.size())
        + (none ? QStringLiteral(" · %1 without a verdict").arg(none) : QString())
        + QStringLiteral(" · %1 unplanned").arg(unplanned);
}

JobsWindow *openJobs(MainWindow &main)
{
    main.jobsAct->trigger();
    return main.findChild<JobsWindow *>();
}

void click(QPushButton *button)
{
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}
} // namespace

void TestJobs::initTestCase()
{
    QVERIFY(prepareWindowTests(dir));
    archive = dir.filePath(QStringLiteral("north.mrf"));
}

void TestJobs::exportsIntoAJob()
{
    const QVector<TestRecord> first
        = MeterSimProcess::recordsFor({ "--records", "4", "--seed", "41" });
    const QVector<TestRecord> third
        = MeterSimProcess::recordsFor({ "--records", "28", "--seed", "42" });
    QCOMPARE(first.size() + third.size(), 32);
    ScriptedMeter meter;
    QVERIFY(
        meter.start({ exportOf(first, 2, 1), exportOf(first, 2, 1), exportOf(third, 2, 1) }, 5000));
    TestWindow window({ meter.path() });
    MainWindow &main = window.main;
    main.show();
    QListWidget *list = main.connectionPanel->List_Records;

    window.dialogs.textAnswers << QStringLiteral("North");
    JobsWindow *jobs = openJobs(main);
    QVERIFY(jobs);
    click(jobs->Button_NewJob);
    QTRY_COMPARE(jobs->shownJob(), QStringLiteral("North"));
    QTest::keyClicks(jobs->Edit_Pattern, QStringLiteral("A{1..3}-B{01..10}"));
    click(jobs->Button_AddPattern);
    QTRY_COMPARE(jobs->ids->rowCount(), 30);
    click(jobs->Button_Activate); // nothing selected: from the first
    QCOMPARE(main.activeJob(), QStringLiteral("North"));
    QCOMPARE(main.activeStartId(), QString());

    // A store that cannot be written yet: the records wait, their IDs pending.
    QSqlDatabase lock = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "lock");
    lock.setDatabaseName(dir.filePath(QStringLiteral("records.sqlite")));
    QVERIFY(lock.open() && QSqlQuery(lock).exec(QStringLiteral("BEGIN IMMEDIATE")));
    QVERIFY(pickPort(main, meter.path()));
    QTRY_COMPARE_WITH_TIMEOUT(list->count(), 4, 15000);
    for (int row = 0; row < 4; ++row)
        QVERIFY(list->item(row)->data(RecordListDelegate::IdPendingRole).toBool());
    QVERIFY(main.reportWindow->Edit_CableId->isVisible());
    QCOMPARE(main.reportWindow->Edit_CableId->text(), QStringLiteral("ID pending"));
    // Longer than a writer waits for the lock: the batch stays in the waiting file.
    QTest::qWait(2500);
    QVERIFY(main.reportWindow->Edit_CableId->text() == QLatin1String("ID pending"));
    QVERIFY(QSqlQuery(lock).exec(QStringLiteral("ROLLBACK")));
    lock.close();

    // The repeated export keeps the IDs the first took once the store has both.
    QTRY_COMPARE_WITH_TIMEOUT(list->count(), 8, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(cableIdsOf(list), planned(1, 4) + planned(1, 4), 10000);
    QTRY_COMPARE(main.reportWindow->Edit_CableId->text(), QStringLiteral("A1-B04"));

    // A retest of A1-B02, taken by the next record new to the job.
    QTRY_VERIFY(jobs->ids->status().ids.value(3).state != JobStatus::State::Untested);
    jobs->Table_Ids->selectRow(1);
    click(jobs->Button_Retest);
    QTRY_VERIFY(jobs->ids->status().ids.at(1).retestMarked);
    QTRY_COMPARE_WITH_TIMEOUT(list->count(), 36, 30000);
    QTRY_COMPARE_WITH_TIMEOUT(cableIdsOf(list, 8),
        QStringList { "A1-B02" } + planned(5, 30) + QStringList { QString() }, 10000);
    const auto *line = main.findChild<QLabel *>(QStringLiteral("Label_StoreState"));
    QVERIFY(line);
    QTRY_COMPARE(line->toolTip(),
        QStringLiteral("1 record arrived unplanned: job North has no cable ID left without a "
                       "record"));

    const QVector<TestRecord> latest
        = QVector<TestRecord> { first.at(0), third.at(0) } + first.mid(2) + third.mid(1, 26);
    QTRY_COMPARE(jobs->Label_Counts->text(), countsOf(latest, 30, 1));
    QVERIFY(JobStatusModel::stateText(jobs->ids->status().ids.at(1)).endsWith("retested"));

    window.dialogs.fileAnswers << archive;
    main.saveAct->trigger();
    const RecordArchive::ReadResult saved = RecordArchive::load(archive);
    QVERIFY(saved.hasJob);
    QCOMPARE(saved.job.facts.name, QStringLiteral("North"));
    QCOMPARE(saved.job.cableIds, planned(1, 30));
    ids = cableIdsOf(list);
    QCOMPARE(saved.job.recordIds, ids);
    counts = jobs->Label_Counts->text();

    // Export CSV ends each row with its job and cable ID.
    const QString csv = dir.filePath(QStringLiteral("north.csv"));
    window.dialogs.fileAnswers << csv;
    main.exportCsvAct->trigger();
    QFile written(csv);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = written.readAll().trimmed().split('\n');
    const int fibers = TestRecord::channelCount; // a row each
    QCOMPARE(rows.size(), 1 + 36 * fibers);
    QVERIFY2(rows.at(1 + 8 * fibers).trimmed().endsWith(",North,A1-B02"),
        rows.at(1 + 8 * fibers).constData());
    QVERIFY2(rows.last().trimmed().endsWith(",North,"), rows.last().constData());
}

void TestJobs::anArchiveBringsItsJob()
{
    QVERIFY(QFileInfo::exists(archive));
    // A colleague's PC: a store of its own that has never heard of the job.
    const QString store = dir.filePath(QStringLiteral("colleague.sqlite"));
    qputenv("LUMETRA_DATABASE", store.toLocal8Bit());
    const QString plain = dir.filePath(QStringLiteral("plain.mrf"));
    QVERIFY(RecordArchive::save(plain,
        MeterSimProcess::recordsFor({ "--records", "1", "--seed", "43" }),
        QVector<ReportHeaderTexts>(1)));
    TestWindow window;
    MainWindow &main = window.main;
    main.show();
    QListWidget *list = main.connectionPanel->List_Records;
    ListOfUID &page = *main.reportWindow;

    // A record without an ID shows its page as it always was.
    main.openArchives({ plain });
    QCOMPARE(list->count(), 1);
    const QImage withoutId = page.grab().toImage();
    QVERIFY(!page.Label_CableId->isVisible() && !page.Edit_CableId->isVisible());
    main.openArchives({ archive });
    QTRY_COMPARE_WITH_TIMEOUT(cableIdsOf(list, 1), ids, 10000);
    list->setCurrentRow(1);
    QVERIFY(page.Edit_CableId->isVisible());
    QCOMPARE(page.Edit_CableId->text(), ids.first());
    list->setCurrentRow(0);
    QVERIFY(!page.Edit_CableId->isVisible());
    QCOMPARE(page.grab().toImage(), withoutId);

    JobsWindow *jobs = openJobs(main);
    QTRY_COMPARE(jobs->Label_Counts->text(), counts);
    // Double-click lists the ID's record once more; the record list takes
    // its ID back and gives it again, each a version.
    QTRY_COMPARE(jobs->ids->rowCount(), 30);
    QVERIFY(QTest::qWaitForWindowExposed(jobs));
    const QModelIndex third = jobs->ids->index(2, JobStatusModel::CableId);
    // A view takes a double click on the row it was pressed on.
    const QPoint row = jobs->Table_Ids->visualRect(third).center();
    QTest::mouseClick(jobs->Table_Ids->viewport(), Qt::LeftButton, Qt::NoModifier, row);
    QTest::mouseDClick(jobs->Table_Ids->viewport(), Qt::LeftButton, Qt::NoModifier, row);
    QTRY_COMPARE(list->count(), 38);
    QTRY_COMPARE(cableIdsOf(list, 37), QStringList { "A1-B03" });
    list->setCurrentRow(37);
    main.connectionPanel->List_Records->actions().at(1)->trigger(); // take back
    QTRY_COMPARE(cableIdsOf(list, 37), QStringList { QString() });
    QCOMPARE(list->item(3)->data(RecordListDelegate::CableIdRole).toString(),
        QString()); // the same record
    window.dialogs.textAnswers << QStringLiteral("A1-B03");
    QVERIFY(main.connectionPanel->List_Records->actions().at(0)->isEnabled());
    main.connectionPanel->List_Records->actions().at(0)->trigger(); // assign
    QTRY_COMPARE(cableIdsOf(list, 37), QStringList { "A1-B03" });
    QCOMPARE(
        window.dialogs.calls.last().items.first(), QStringLiteral("A1-B03")); // the only free one

    RecordStore read(StoreLocation::parse(store));
    QVERIFY(read.open(RecordStore::Access::ReadOnly));
    QVector<JobStore::Version> versions;
    const QString key = StoredRecord::keyOf(main.records().at(37));
    QVERIFY(JobStore(read).versions(key, &versions));
    QStringList made;
    for (const JobStore::Version &version : qAsConst(versions))
        made << version.job + ':' + version.cableId;
    QCOMPARE(made, QStringList({ "North:A1-B03", "North:", "North:A1-B03" }));

    // A pasted list with an ID the job has adds nothing and names it; a
    // renamed ID takes its records along, in the record list too.
    jobs->Tabs->setCurrentIndex(1);
    jobs->Edit_NewIds->setPlainText(QStringLiteral("B9-01\nA2-B05\n"));
    click(jobs->Button_AddIds);
    QTRY_COMPARE(window.dialogs.calls.last().kind, QStringLiteral("warning"));
    QVERIFY2(window.dialogs.calls.last().text.contains("A2-B05"),
        qPrintable(window.dialogs.calls.last().text));
    QCOMPARE(jobs->ids->rowCount(), 30);
    jobs->Table_Ids->selectRow(29);
    window.dialogs.textAnswers << QStringLiteral("  Z-30 ");
    click(jobs->Button_Rename);
    QTRY_COMPARE(cableIdsOf(list, 35).value(0), QStringLiteral("Z-30"));
    QCOMPARE(jobs->ids->status().ids.last().cableId, QStringLiteral("Z-30"));

    // A text set on the job's records in one change reaches the records listed:
    // saving them keeps it.
    jobs->Tabs->setCurrentIndex(2);
    QTest::mouseClick(jobs->Check_Texts.at(1), Qt::LeftButton);
    QTest::keyClicks(jobs->Edit_Texts.at(1), QStringLiteral("Ana Lima"));
    click(jobs->Button_TextsAll);
    QTRY_COMPARE(main.recordHeaders().at(1).operatorName, QStringLiteral("Ana Lima"));
    QCOMPARE(main.reportWindow->Edit_Operator->text(), QStringLiteral("Ana Lima"));
    QCOMPARE(main.recordHeaders().at(0).operatorName, QString());
    QCOMPARE(window.dialogs.calls.last().text, // the repeated export's are the same four
        QStringLiteral("32 records of job North have the new texts."));

    // A job part that is damaged: the records open without IDs, and the user is told.
    QFile file(archive);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    bytes[bytes.size() - 1] = char(bytes.at(bytes.size() - 1) ^ 0x55);
    QVERIFY(file.seek(0) && file.write(bytes) == bytes.size());
    file.close();
    main.clearAllAct->trigger();
    main.openArchives({ archive });
    QCOMPARE(window.dialogs.calls.last().text,
        QStringLiteral("The archive's job could not be read; its records are opened without "
                       "their cable IDs."));
    QCOMPARE(list->count(), 36);
}

QTEST_MAIN(TestJobs)
#include "tst_jobs.moc"
