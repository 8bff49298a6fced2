// SPDX-License-Identifier: MIT
#include "jobstore.h"
#include "jobswindow.h"
#include "recordstore.h"
#include "windowtestsupport.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

// Reports > Job Report... and Job Workbook... for the active job, read from
// the store in the background; the contractor's logo chosen in the Jobs
// window and found in the report.
class TestJobReports : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void reportAndWorkbook();
    void cancelledLeavesNothing();
    void logoChosenAndRefused();

private:
    QTemporaryDir dir;
    QString store;
};

namespace {
const QString job = QStringLiteral("Hall 2: North");

StoredRecord measured(uint16_t number)
{
    StoredRecord row;
    row.record.recordNumber = number;
    row.record.thresholdCentiDb = 75;
    row.record.headerByte5 = row.record.headerByte8 = 1;
    row.record.wavelengthCode = 1;
    for (int i = 0; i < 12; ++i) {
        const float reference = -20.0f - 0.01f * number;
        row.record.channels[size_t(i)] = { reference, reference - 0.2f - 0.01f * i, 0 };
    }
    row.headers.operatorName = QStringLiteral("Ana");
    row.sourceKind = QStringLiteral("port");
    row.receivedAtMs = 1767000000000 + number * 60000;
    return row;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The files of folder but the store's.
QStringList filesIn(const QString &folder)
{
    return QDir(folder)
        .entryList(QDir::Files | QDir::Hidden)
        .filter(QRegularExpression("^(?!records\\.sqlite)"));
}

// Runs action with name as the file chosen; the calls the window made of the seam.
QVector<DialogCall> runFile(TestWindow &window, QAction *action, const QString &name)
{
    const int before = window.dialogs.calls.size();
    window.dialogs.fileAnswers << name;
    action->trigger();
    [&] { QTRY_VERIFY_WITH_TIMEOUT(action->isEnabled(), 30000); }();
    return window.dialogs.calls.mid(before);
}

JobFacts factsInStore(const QString &store)
{
    RecordStore records(StoreLocation::parse(store));
    JobFacts facts;
    if (records.open(RecordStore::Access::ReadOnly))
        JobStore(records).job(job, &facts);
    return facts;
}
} // namespace

// A job of three IDs, two tested and passing, one not: INCOMPLETE.
void TestJobReports::initTestCase()
{
    QVERIFY(prepareWindowTests(dir));
    QVERIFY(QDir::setCurrent(dir.path()));
    store = dir.filePath(QStringLiteral("records.sqlite"));
    RecordStore records(StoreLocation::parse(store));
    QVERIFY(records.open());
    const QVector<StoredRecord> rows = { measured(1), measured(2) };
    QVERIFY(records.write(rows));
    JobStore jobs(records);
    JobFacts facts;
    facts.name = job;
    facts.customer = QStringLiteral("ACME");
    QVERIFY(jobs.createJob(facts));
    QVERIFY(jobs.addCableIds(job, { "A01", "A02", "A03" }));
    QVERIFY(jobs.assign(job, rows.at(0).key(), JobStore::Assignment::Id, "A01"));
    QVERIFY(jobs.assign(job, rows.at(1).key(), JobStore::Assignment::Id, "A02"));
}

void TestJobReports::reportAndWorkbook()
{
    TestWindow window;
    MainWindow &main = window.main;
    main.setActiveJob(QString());
    QVERIFY(!main.jobReportAct->isEnabled() && !main.jobWorkbookAct->isEnabled());
    main.setActiveJob(job);
    QVERIFY(main.jobReportAct->isEnabled() && main.jobWorkbookAct->isEnabled());

    const QString pdf = dir.filePath("north.pdf");
    QVector<DialogCall> calls = runFile(window, main.jobReportAct, pdf);
    QCOMPARE(calls.size(), 2);
    QVERIFY2(calls.at(0).dir.endsWith("reports/Hall 2_ North.pdf"), qPrintable(calls.at(0).dir));
    QCOMPARE(calls.at(1).kind, QStringLiteral("openUrl"));
    const QString text = run("pdftotext", { pdf, "-" }).simplified();
    QVERIFY2(text.contains(job) && text.contains("INCOMPLETE") && text.contains("not tested"),
        qPrintable(text));

    const QString xlsx = dir.filePath("north.xlsx");
    calls = runFile(window, main.jobWorkbookAct, xlsx);
    QCOMPARE(calls.size(), 2);
    QVERIFY(calls.at(0).dir.endsWith("reports/Hall 2_ North.xlsx"));
    QCOMPARE(calls.at(1).kind, QStringLiteral("information"));
    const QString sheets = run("/usr/bin/python3", // where Debian's openpyxl is
        { "-c",
            "import sys, openpyxl; b = openpyxl.load_workbook(sys.argv[1]); "
            "print(b.sheetnames, b['Trunks'].max_row, b['Trunks']['A4'].value)",
            xlsx });
    QCOMPARE(sheets.trimmed(), QStringLiteral("['Trunks', 'Fibers'] 4 A03"));
    QCOMPARE(filesIn(dir.path()), QStringList({ "north.pdf", "north.xlsx" }));
}

// An earlier report as it was, no workbook, no temporary file.
void TestJobReports::cancelledLeavesNothing()
{
    TestWindow window;
    window.main.setActiveJob(job);
    const QString pdf = dir.filePath("north.pdf");
    const QByteArray earlier = "an earlier file of that name";
    {
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(earlier) == earlier.size());
    }
    const QString xlsx = dir.filePath("cancelled.xlsx");
    window.dialogs.cancelAtStep = 1;
    QCOMPARE(runFile(window, window.main.jobReportAct, pdf).size(), 1); // asked, nothing said
    window.dialogs.progressSteps = 0;
    QCOMPARE(runFile(window, window.main.jobWorkbookAct, xlsx).size(), 1);
    QCOMPARE(contentsOf(pdf), earlier);
    QCOMPARE(filesIn(dir.path()), QStringList({ "north.pdf", "north.xlsx" }));
}

void TestJobReports::logoChosenAndRefused()
{
    TestWindow window;
    MainWindow &main = window.main;
    main.setActiveJob(job);
    main.jobsAct->trigger();
    auto *jobs = main.findChild<JobsWindow *>();
    QVERIFY(jobs);
    QTRY_COMPARE(jobs->shownJob(), job);
    QVERIFY(!jobs->Button_RemoveLogo->isEnabled());

    const QString logo = dir.filePath("logo.jpg");
    QImage picture(300, 120, QImage::Format_RGB32);
    picture.fill(QColor(0x20, 0x60, 0xa0));
    QVERIFY(picture.save(logo, "JPEG"));
    window.dialogs.fileAnswers << logo;
    QTest::mouseClick(jobs->Button_ChooseLogo, Qt::LeftButton);
    QTRY_VERIFY(jobs->Button_RemoveLogo->isEnabled());
    QVERIFY(!jobs->Label_Logo->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(factsInStore(store).logoFormat, QStringLiteral("jpeg"));

    // Too wide, and not a picture: refused with a message, the logo kept.
    const QString wide = dir.filePath("banner.png");
    QVERIFY(QImage(5000, 8, QImage::Format_RGB32).save(wide));
    for (const QString &bad : { wide, store }) {
        const int before = window.dialogs.calls.size();
        window.dialogs.fileAnswers << bad;
        QTest::mouseClick(jobs->Button_ChooseLogo, Qt::LeftButton);
        QCOMPARE(window.dialogs.calls.size(), before + 2);
        QCOMPARE(window.dialogs.calls.last().kind, QStringLiteral("warning"));
        QVERIFY2(window.dialogs.calls.last().text.contains(bad),
            qPrintable(window.dialogs.calls.last().text));
    }
    QTest::qWait(200);
    QCOMPARE(factsInStore(store).logoFormat, QStringLiteral("jpeg"));

    const QString pdf = dir.filePath("logo.pdf");
    runFile(window, main.jobReportAct, pdf);
    QVERIFY2(run("pdfimages", { "-list", pdf }).contains(QRegularExpression(" 300 +120 ")),
        qPrintable(run("pdfimages", { "-list", pdf })));

    QTest::mouseClick(jobs->Button_RemoveLogo, Qt::LeftButton);
    QTRY_VERIFY(!jobs->Button_RemoveLogo->isEnabled());
    QVERIFY(factsInStore(store).logo.isEmpty());
    QCOMPARE(jobs->Label_Logo->text(), QStringLiteral("No logo"));
}

QTEST_MAIN(TestJobReports)
#include "tst_jobreports.moc"
