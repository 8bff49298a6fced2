// SPDX-License-Identifier: MIT
#include "jobstore.h"
#include "jobswindow.h"
#include "recordstore.h"
#include "windowtestsupport.h"

#include <QAction>
#include <QImage>
#include <QPushButton>
#include <QtTest>

// Reports > Job Report... and Job Workbook... for the active job, read from
// the store in the background, a Cancel, and the contractor's logo chosen in
// the Jobs window.
class TestJobReports : public QObject
{
    Q_OBJECT

private slots:
    void jobFilesAndLogo();

private:
    QTemporaryDir dir;
};

namespace {
const QString job = QStringLiteral("Hall 2: North");

// The seam's calls while action ran with name chosen: "save:" and the name suggested, ...
QStringList runFile(TestWindow &window, QAction *action, const QString &name)
{
    const int before = window.dialogs.calls.size();
    window.dialogs.fileAnswers << name;
    action->trigger();
    [&] { QTRY_VERIFY_WITH_TIMEOUT(action->isEnabled(), 30000); }();
    QStringList calls;
    for (const DialogCall &call : window.dialogs.calls.mid(before))
        calls << (call.kind == "save" ? "save:" + call.dir : call.kind);
    return calls;
}

} // namespace

// A job of three IDs, two tested and passing, one not: INCOMPLETE.
void TestJobReports::jobFilesAndLogo()
{
    QVERIFY(prepareWindowTests(dir) && QDir::setCurrent(dir.path()));
    {
        RecordStore records(StoreLocation::parse(dir.filePath("records.sqlite")));
        QVector<StoredRecord> rows(2);
        for (int n = 0; n < 2; ++n) {
            rows[n].record.recordNumber = uint16_t(n + 1);
            rows[n].record.thresholdCentiDb = 75;
            rows[n].record.channels.fill({ -20.0f - n, -20.2f - n, 0 });
        }
        JobStore jobs(records);
        QVERIFY(records.open() && records.write(rows)
            && jobs.createJob(JobFacts { job, {}, {}, {}, {}, {}, {} })
            && jobs.addCableIds(job, { "A01", "A02", "A03" })
            && jobs.assign(job, rows.at(0).key(), JobStore::Assignment::Id, "A01")
            && jobs.assign(job, rows.at(1).key(), JobStore::Assignment::Id, "A02"));
    }
    TestWindow window;
    MainWindow &main = window.main;
    main.setActiveJob(QString());
    QVERIFY(!main.jobReportAct->isEnabled() && !main.jobWorkbookAct->isEnabled());
    main.setActiveJob(job);

    const QString suggested = "save:./reports/Hall 2_ North.";
    QCOMPARE(runFile(window, main.jobReportAct, dir.filePath("north.pdf")),
        QStringList({ suggested + "pdf", "openUrl" }));
    const QString text
        = QString::fromUtf8(outputOf("pdftotext", { "north.pdf", "-" })).simplified();
    QVERIFY2(text.contains(job) && text.contains("INCOMPLETE") && text.contains("not tested"),
        qPrintable(text));
    QCOMPARE(runFile(window, main.jobWorkbookAct, dir.filePath("north.xlsx")),
        QStringList({ suggested + "xlsx", "information" }));
    const QString sheets = outputOf("/usr/bin/python3", // where Debian's openpyxl is
        { "-c",
            "import openpyxl; b = openpyxl.load_workbook('north.xlsx'); "
            "print(b.sheetnames, b['Trunks'].max_row, b['Trunks']['A4'].value)" });
    QCOMPARE(sheets.trimmed(), QStringLiteral("['Trunks', 'Fibers'] 4 A03"));

    // Cancelled: an earlier file as it was, no new one, no temporary file.
    QFile earlier(dir.filePath("north.pdf"));
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7 && earlier.flush());
    const QStringList files = QDir().entryList(QDir::Files | QDir::Hidden);
    window.dialogs.cancelAtStep = 1;
    QCOMPARE(runFile(window, main.jobReportAct, earlier.fileName()), { suggested + "pdf" });
    window.dialogs.progressSteps = 0;
    QCOMPARE(runFile(window, main.jobWorkbookAct, "cancelled.xlsx"), { suggested + "xlsx" });
    QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), files);
    earlier.close();
    QVERIFY(earlier.open(QIODevice::ReadOnly) && earlier.readAll() == "earlier");
    window.dialogs.cancelAtStep = -1;

    // A logo chosen in the Jobs window.
    main.jobsAct->trigger();
    auto *jobs = main.findChild<JobsWindow *>();
    QTRY_VERIFY(jobs->shownJob() == job && jobs->Button_ChooseLogo->isEnabled());
    QImage picture(300, 120, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save("logo.jpg") && QImage(5000, 8, QImage::Format_RGB32).save("wide.png"));
    window.dialogs.fileAnswers << "logo.jpg";
    QTest::mouseClick(jobs->Button_ChooseLogo, Qt::LeftButton);
    QTRY_VERIFY(jobs->Button_RemoveLogo->isEnabled());

    // Too wide, and no picture: refused with a message, the logo kept for the report.
    for (const char *bad : { "wide.png", "north.xlsx" }) {
        window.dialogs.fileAnswers << bad;
        QTest::mouseClick(jobs->Button_ChooseLogo, Qt::LeftButton);
        QCOMPARE(window.dialogs.calls.last().kind, QStringLiteral("warning"));
        QVERIFY(window.dialogs.calls.last().text.contains(bad));
    }
    runFile(window, main.jobReportAct, dir.filePath("logo.pdf"));
    QVERIFY(QString::fromUtf8(outputOf("pdfimages", { "-list", "logo.pdf" }))
                .contains(QRegularExpression(" 300 +120 ")));

    QTest::mouseClick(jobs->Button_RemoveLogo, Qt::LeftButton);
    QTRY_VERIFY(!jobs->Button_RemoveLogo->isEnabled()); // as the store has it again
}

QTEST_MAIN(TestJobReports)
#include "tst_jobreports.moc"
