// SPDX-License-Identifier: MIT
#include "configrun.h"
#include "listofuid.h"
#include "recordarchive.h"
#include "windowtestsupport.h"

#include <QAction>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>

// What the customer gets: the certification report and the CSV export of
// records downloaded from the meter emulator, read back with the poppler
// tools and compared with lumetra-cli. A cancelled export leaves no file.
class TestExports : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void reportAndCsvOfDownloadedRecords();
    void cancelLeavesNoFile();

private:
    QTemporaryDir settingsDir;
    QTemporaryDir workDir;
};

namespace {
// Losses 0.00 to 0.55 dB against 0.75 dB, fibers 4 and 9 beyond it.
TestRecord failingTwo()
{
    TestRecord record;
    record.recordNumber = 5;
    record.thresholdCentiDb = 75;
    record.wavelengthCode = 1;
    record.headerByte5 = record.headerByte8 = 1;
    for (int i = 0; i < 12; ++i)
        record.channels[i] = ChannelResult { -20.0f, -20.0f - 0.05f * i, 0 };
    record.channels[3].powerDbm = -20.8f;
    record.channels[8].powerDbm = -21.25f;
    return record;
}

// 40G: fiber 12 without a reading has no verdict; the rest lose 0.30 dB of 1.5.
TestRecord passing()
{
    TestRecord record = failingTwo();
    record.recordNumber = 6;
    record.thresholdCentiDb = 150;
    record.wavelengthCode = 3;
    record.polarityCode = 3;
    for (ChannelResult &channel : record.channels)
        channel.powerDbm = -20.3f;
    record.channels[11].powerDbm = 100.0f;
    return record;
}

TestRecord withoutThreshold()
{
    TestRecord record = failingTwo();
    record.recordNumber = 7;
    record.thresholdCentiDb = 0;
    record.wavelengthCode = 0;
    record.polarityCode = 1;
    return record;
}

QString textOf(const QString &pdf, bool layout)
{
    return outputOf(
        "pdftotext", layout ? QStringList { "-layout", pdf, "-" } : QStringList { pdf, "-" });
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}
} // namespace

void TestExports::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(prepareWindowTests(settingsDir));
    QVERIFY(QDir::setCurrent(workDir.path()));
}

void TestExports::reportAndCsvOfDownloadedRecords()
{
    ScriptedMeter meter;
    QVERIFY(meter.start({ exportOf({ failingTwo(), passing(), withoutThreshold() }, 2, 1) }, 1000));
    TestWindow window({ meter.path() });
    MainWindow &main = window.main;
    ListOfUID &page = *main.reportWindow;
    QListWidget *list = main.connectionPanel->List_Records;
    main.show();
    page.Edit_Company->setText(QStringLiteral("Fibre \"Works\", Łódź"));
    page.Edit_Comment->setHtml(QStringLiteral("<b>Trunk A</b>, cassette 3"));
    QTRY_VERIFY(!main.connectionPanel->exportTimeText.isEmpty());
    QVERIFY(pickPort(main, meter.path()));
    QTRY_COMPARE_WITH_TIMEOUT(main.records().size(), 3, 15000);

    // Marks: FAIL red, PASS blue, no verdict grey; the tip names the failing fibers.
    QStringList marks;
    for (int row = 0; row < 3; ++row) {
        marks << list->item(row)->data(Qt::DecorationRole).value<QColor>().name() + ' '
                + list->item(row)->toolTip();
    }
    QCOMPARE(
        marks, QStringList({ "#ff0000 FAIL: fibers 4, 9", "#0000ff PASS", "#a0a0a4 No reading" }));

    // Record 006 gets an operator of its own, still on screen when the report is asked for.
    list->setCurrentRow(1);
    page.Edit_Operator->setText(QStringLiteral("Ana"));
    const QString pdf = workDir.filePath("reports/job.pdf");
    window.dialogs.fileAnswers << "reports/job"
                               << "reports/job.csv"
                               << "records/job.mrf";
    main.certificationAct->trigger();
    QCOMPARE(window.dialogs.calls.last().text,
        QUrl::fromLocalFile(QFileInfo(pdf).absoluteFilePath()).toString());

    // Every font embedded: the "emb" column of pdffonts.
    const QStringList fonts
        = QString(outputOf("pdffonts", { pdf })).split('\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    for (const QString &font : fonts)
        QVERIFY2(font.contains(QRegularExpression(" yes +(yes|no) +(yes|no) +\\d+ +\\d+$")),
            qPrintable(font));

    // The summary: the texts all records share, "several" where they differ, the counts.
    const QStringList pages = textOf(pdf, true).split('\f');
    const QString summary = pages.first().simplified();
    QVERIFY2(summary.contains("Company Fibre \"Works\", Łódź"), qPrintable(summary));
    QVERIFY2(summary.contains("Operator several"), qPrintable(summary));
    QVERIFY2(summary.contains("Overall verdict FAIL"), qPrintable(summary));
    QVERIFY2(
        summary.contains("Smallest margin -0.50 dB, record 005, fiber 9"), qPrintable(summary));
    QMap<QString, int> verdicts;
    QString everything;
    for (int row = 0; row < 3; ++row) {
        list->setCurrentRow(row);
        for (int fiber = 0; fiber < 12; ++fiber)
            ++verdicts[page.remoteDevices->item(fiber, 5)->text()];
    }
    QVERIFY2(
        summary.contains(QStringLiteral("Records Fibers PASS FAIL --- No reading 3 36 %1 %2 %3 1")
                             .arg(verdicts["PASS"])
                             .arg(verdicts["FAIL"])
                             .arg(verdicts["---"])),
        qPrintable(summary));

    // Each record: every text the window shows, and the margin beside each fiber's loss.
    const QStringList margins[] = { { "0.75", "0.70", "0.65", "-0.05", "0.55", "0.50", "0.45",
                                        "0.40", "-0.50", "0.30", "0.25", "0.20" },
        QVector<QString>(11, "1.20").toList() << "---", QVector<QString>(12, "---").toList() };
    const QString records = pages.mid(1).join('\n');
    for (int row = 0; row < 3; ++row) {
        list->setCurrentRow(row);
        const int start = records.indexOf("Record 00" + QString::number(5 + row));
        QVERIFY(start >= 0);
        const QString section = records.mid(start, records.indexOf("Record 00", start + 1) - start);
        for (const QLineEdit *field :
            { page.Edit_Company, page.Edit_Operator, page.Edit_TestDevice, page.Edit_TestDate,
                page.Edit_SerialNumber, page.Edit_ExportTime, page.Edit_Polarity })
            QVERIFY2(section.simplified().contains(field->text().simplified()),
                qPrintable(field->text()));
        QVERIFY(section.simplified().contains(page.Edit_Comment->toPlainText()));
        for (int fiber = 0; fiber < 12; ++fiber) {
            QStringList cells;
            for (int column = 0; column < 5; ++column)
                cells << QRegularExpression::escape(
                    page.remoteDevices->item(fiber, column)->text().trimmed());
            cells << margins[row].at(fiber) << page.remoteDevices->item(fiber, 5)->text();
            const QRegularExpression line("(^|\\n) *" + cells.join("\\s+") + "(?!\\S)");
            QVERIFY2(section.contains(line), qPrintable(cells.join(' ')));
        }
    }

    // The window's CSV is the CLI's, byte for byte; the texts a spreadsheet needs are there.
    main.exportCsvAct->trigger();
    QVERIFY(QMetaObject::invokeMethod(&main, "saveFile"));
    QCOMPARE(
        QProcess::execute(LUMETRA_CLI, { "dump", "records/job.mrf", "--csv", "-o", "cli.csv" }), 0);
    const QByteArray csv = contentOf("reports/job.csv");
    QCOMPARE(csv, contentOf("cli.csv"));
    QVERIFY(csv.startsWith("\xEF\xBB\xBFrecordNumber,"));
    QCOMPARE(csv.count("\r\n"), 1 + 36);
    QVERIFY(csv.contains(",\"Fibre \"\"Works\"\", Łódź\",Ana,"));

    // Read as a spreadsheet reads it: a typed formula stays a text, the note
    // is what the window shows, not its markup.
    list->setCurrentRow(2);
    page.Edit_TestDevice->setText(QStringLiteral("=2*3"));
    page.Edit_Comment->clear();
    page.Edit_Comment->setFocus();
    QTest::keyClicks(page.Edit_Comment, QStringLiteral("-dusty <b> & \"cleaned\""));
    QTest::keyClick(page.Edit_Comment, Qt::Key_Return);
    QTest::keyClicks(page.Edit_Comment, QStringLiteral("retested"));
    window.dialogs.fileAnswers << "reports/typed.csv";
    main.exportCsvAct->trigger();
    QProcess python;
    python.start("python3",
        { "-c",
            "import csv, json, sys; print(json.dumps(list(csv.reader("
            "open(sys.argv[1], encoding='utf-8-sig', newline='')))))",
            "reports/typed.csv" });
    QVERIFY(python.waitForFinished(30000));
    const QJsonArray rows = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    QCOMPARE(rows.size(), 1 + 36);
    QCOMPARE(rows.at(0).toArray().at(19).toString(), QStringLiteral("note"));
    QCOMPARE(rows.at(0).toArray().last().toString(), QStringLiteral("cable_id"));
    const QJsonArray typed = rows.at(36).toArray();
    QCOMPARE(typed.at(15).toString(), QStringLiteral("'=2*3"));
    QCOMPARE(typed.at(19).toString(), "'" + page.Edit_Comment->toPlainText());
    QCOMPARE(rows.at(1).toArray().at(19).toString(), QStringLiteral("Trunk A, cassette 3"));
}

void TestExports::cancelLeavesNoFile()
{
    TestWindow window;
    MainWindow &main = window.main;
    RecordingDialogHost &dialogs = window.dialogs;
    main.show();
    main.loadedRecords = { failingTwo(), passing(), withoutThreshold() };
    main.loadedHeaders = QVector<ReportHeaderTexts>(3);
    QVERIFY(QMetaObject::invokeMethod(&main, "on_file_open"));
    QVERIFY(RecordArchive::save("kept.mrf", main.records(), main.recordHeaders()));
    QDir().mkpath("kept");
    for (const char *name : { "kept/report.pdf", "kept/all.pdf", "kept/records.csv" }) {
        QFile old(name);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    }
    const QStringList before = filesIn("kept");

    // Cancelled at the first step, or for Generate All once the captures are made.
    const auto cancelled = [&](QAction *action, const QString &name, int steps) {
        dialogs.fileAnswers << name;
        dialogs.progressSteps = 0;
        dialogs.cancelAtStep = steps;
        action->trigger();
        dialogs.cancelAtStep = -1;
        return dialogs.fileAnswers.isEmpty() && contentOf(name) == "old"
            && filesIn("kept") == before;
    };
    QVERIFY(cancelled(main.certificationAct, "kept/report.pdf", 1));
    QVERIFY(cancelled(main.exportCsvAct, "kept/records.csv", 1));
    QVERIFY(cancelled(main.generateAllAct, "kept/all.pdf", 3));
    // A report that fails is not opened either: no viewer shows the older file of that name.
    QDir().mkpath("kept/folder.pdf");
    dialogs.fileAnswers << "kept/folder.pdf";
    main.certificationAct->trigger();
    QCOMPARE(dialogs.calls.last().kind, QStringLiteral("warning"));
    for (const DialogCall &call : dialogs.calls)
        QVERIFY2(call.kind != QLatin1String("openUrl"), qPrintable(call.text));
    // An archive: nothing added.
    dialogs.progressSteps = dialogs.cancelAtStep = 0;
    dialogs.fileAnswers << "kept.mrf";
    bool loaded = true;
    QVERIFY(QMetaObject::invokeMethod(&main, "loadFile", Q_RETURN_ARG(bool, loaded)));
    QVERIFY(!loaded);
    QCOMPARE(entriesOf(main), QStringList({ "5", "6", "7" }));
}

QTEST_MAIN(TestExports)
#include "tst_exports.moc"
