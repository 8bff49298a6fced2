// SPDX-License-Identifier: MIT
#include "configrun.h"
#include "listofuid.h"
#include "mainctrlthread.h"
#include "recordarchive.h"
#include "recordjson.h"
#include "reportdocument.h"
#include "testrecordcompare.h"
#include "windowtestsupport.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QTextDocument>
#include <QtTest>

// Keeping and printing: records from the meter emulator saved, read back by
// lumetra-cli and by Open, printed to PDF and compared with what the text
// document would print holding every capture.
class TestKeepAndPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void downloadSaveOpenAndPrint();
    void generateAllPaginatesLikeTheDocument_data();
    void generateAllPaginatesLikeTheDocument();
    void refusalsAndFailures();
    void batchArrivingDuringGenerateAll();

private:
    QTemporaryDir settingsDir;
    QTemporaryDir workDir;
};

namespace {
bool callSlot(MainWindow &main, const char *slot)
{
    bool result = false;
    QMetaObject::invokeMethod(&main, slot, Q_RETURN_ARG(bool, result));
    return result;
}

// What a box or file dialog showed, or the URL handed to the desktop.
QString shown(const MainWindow &main, const DialogCall &call)
{
    return QStringList { call.kind, call.parent == &main ? "main" : "-", call.title, call.text,
        call.dir, call.filter, call.suffix }
        .join('|');
}

QString urlOf(const QString &path)
{
    return "openUrl|-||" + QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString()
        + "|||";
}

int pageCount(const QString &pdf)
{
    return QString(outputOf("pdfinfo", { pdf })).section("Pages:", 1).section('\n', 0, 0).toInt();
}
} // namespace

void TestKeepAndPrint::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(prepareWindowTests(settingsDir));
    QVERIFY(QDir::setCurrent(workDir.path()));
}

void TestKeepAndPrint::downloadSaveOpenAndPrint()
{
    ScriptedMeter meter;
    const QVector<TestRecord> sent
        = { edgeRecord(7, -20.25f), edgeRecord(8, -19.95f), edgeRecord(40000, -30.5f) };
    QVERIFY(meter.start({ exportOf(sent, 2, 1) }, 1000));
    TestWindow window({ meter.path() });
    MainWindow &main = window.main;
    RecordingDialogHost &dialogs = window.dialogs;
    main.show();
    QTRY_VERIFY(!main.connectionPanel->fileTimeStamp.isEmpty());
    QVERIFY(pickPort(main, meter.path()));
    QTRY_COMPARE_WITH_TIMEOUT(main.records().size(), 3, 15000);
    main.reportWindow->Edit_Operator->setText("Ana \"quoted\""); // still on screen when saved
    dialogs.calls.clear();

    dialogs.fileAnswers << "records/site"
                        << "records/site.mrf"
                        << "reports/one" << workDir.filePath("reports/all.PDF");
    const QString stamp = main.connectionPanel->fileTimeStamp; // no tick before the next line
    QVERIFY(callSlot(main, "saveFile"));
    QVERIFY(!QApplication::overrideCursor());
    // lumetra-cli reads every field and text the window holds.
    const QVector<ReportHeaderTexts> listedTexts = main.recordHeaders();
    QCOMPARE(QString(outputOf(LUMETRA_CLI, { "dump", "records/site.mrf", "--json" })),
        recordListJson(main.records(), &listedTexts) + "}\n");
    QCOMPARE(main.recordHeaders()[2].operatorName, QStringLiteral("Ana \"quoted\""));

    // Opened: added after the downloaded entries, in plain decimal.
    QVERIFY(callSlot(main, "loadFile"));
    QCOMPARE(entriesOf(main), QStringList({ "007", "008", "40000", "7", "8", "40000" }));
    compareRecordLists(main.records().mid(3), sent);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(main.recordHeaders().mid(3), main.recordHeaders().mid(0, 3));
    QCOMPARE(main.reportWindow->Edit_Operator->text(), QStringLiteral("Ana \"quoted\""));

    main.generateAct->trigger();
    main.generateAllAct->trigger();
    QStringList asked;
    for (const DialogCall &call : qAsConst(dialogs.calls))
        asked << shown(main, call);
    QCOMPARE(asked,
        QStringList({ "save|main|Save Records||./records/Record_" + stamp + "|MRF Files(*.mrf)|mrf",
            // No default suffix: a typed name is opened as it is.
            "open|main|Open Records||./records/|MRF Files(*.mrf)|",
            "save|main|Select output file||./reports/Report_40000|PDF Files(*.pdf)|pdf",
            urlOf("reports/one.pdf"),
            "save|main|Select output file||./reports/Report_All_6|PDF Files(*.pdf)|pdf",
            urlOf("reports/all.PDF") }));
    QCOMPARE(pageCount("reports/one.pdf"), 1);
    QCOMPARE(QImage("data/record.png").size(), main.reportWindow->size());
    for (int row = 0; row < 6; ++row)
        QCOMPARE(
            QImage(QStringLiteral("data/rec%1.png").arg(row)).size(), main.reportWindow->size());
    QCOMPARE(main.connectionPanel->List_Records->currentRow(), 5);
}

void TestKeepAndPrint::generateAllPaginatesLikeTheDocument_data()
{
    QTest::addColumn<int>("records");
    for (int records : { 1, 2, 7 })
        QTest::newRow(qPrintable(QString::number(records))) << records;
}

void TestKeepAndPrint::generateAllPaginatesLikeTheDocument()
{
    QFETCH(int, records);
    TestWindow window;
    window.main.show();
    for (int i = 0; i < records; ++i) {
        window.main.loadedRecords << edgeRecord(uint16_t(40 + i), -21.5f + i);
        window.main.loadedHeaders << ReportHeaderTexts { "Site " + QString::number(i), {}, {}, {},
            {}, {}, {} };
    }
    QMetaObject::invokeMethod(&window.main, "on_file_open");
    const QString pdf = workDir.filePath("printed.pdf"), reference = workDir.filePath("ref.pdf");
    window.dialogs.fileAnswers << pdf;
    window.main.generateAllAct->trigger();
    QCOMPARE(shown(window.main, window.dialogs.calls.last()), urlOf(pdf));

    // The same pages from the document holding every capture as it is.
    QTextDocument document;
    QString html = "<html><body><h1></h1>";
    for (int i = 0; i < records; ++i) {
        const QString name = QStringLiteral("data/rec%1.png").arg(i);
        document.addResource(QTextDocument::ImageResource, QUrl("mydata://" + name), QPixmap(name));
        html += QStringLiteral("<img src='mydata://%1' border='0' />").arg(name);
    }
    document.setHtml(html + "</body></html>");
    QPrinter printer(QPrinter::ScreenResolution);
    ReportDocument::setUpPrinter(printer, reference);
    document.print(&printer);

    const int pages = pageCount(pdf);
    QCOMPARE(pages, pageCount(reference));
    // The reference shares the printer set-up: the paper is checked on its own.
    QVERIFY(
        QString(outputOf("pdfinfo", { pdf })).contains(QRegularExpression("Page size:.*\\(A4\\)")));
    QVERIFY(pages >= records);
    for (const QString &file : { pdf, reference })
        outputOf("pdftoppm", { "-r", "30", "-png", file, file });
    // Page numbers stay text: at a few dots per inch they were black blocks.
    const QStringList numbers = QString(outputOf("pdftotext", { pdf, "-" })).split('\f');
    for (int page = 1; page <= pages; ++page) {
        const QString suffix
            = QStringLiteral("-%1.png").arg(page, QString::number(pages).size(), 10, QChar('0'));
        const QImage printed(pdf + suffix);
        QVERIFY(!printed.isNull());
        QVERIFY2(printed == QImage(reference + suffix), qPrintable(QString::number(page)));
        QCOMPARE(numbers.value(page - 1).simplified(), QString::number(page));
    }
}

void TestKeepAndPrint::refusalsAndFailures()
{
    TestWindow window;
    MainWindow &main = window.main;
    RecordingDialogHost &dialogs = window.dialogs;
    const auto lastShown = [&] { return shown(main, dialogs.calls.last()); };

    // Nothing listed: a message and no dialog. A cancelled report leaves its PNG copy.
    QVERIFY(QDir("data").removeRecursively());
    QVERIFY(!callSlot(main, "saveFile"));
    QCOMPARE(dialogs.calls.size(), 1);
    QCOMPARE(lastShown(), "warning|-|Lumetra| No Records to Save! |||");
    main.generateAllAct->trigger();
    QCOMPARE(lastShown(), "save|main|Select output file||./reports/Report_|PDF Files(*.pdf)|pdf");
    main.generateAct->trigger();
    QCOMPARE(lastShown(), "save|main|Select output file||./reports/Report_|PDF Files(*.pdf)|pdf");
    QVERIFY(QFile::exists("data/record.png"));

    main.loadedRecords = { edgeRecord(1, -20.0f), edgeRecord(2, -21.0f) };
    main.loadedHeaders = { ReportHeaderTexts(), ReportHeaderTexts() };
    QMetaObject::invokeMethod(&main, "on_file_open");
    QVERIFY(!callSlot(main, "saveFile"));
    QVERIFY(!callSlot(main, "loadFile"));
    QCOMPARE(dialogs.calls.last().kind, QStringLiteral("open"));
    QVERIFY(RecordArchive::save("good.mrf", main.records(), main.recordHeaders()));
    QFile good("good.mrf");
    QVERIFY(good.open(QIODevice::ReadOnly));
    const QByteArray bytes = good.readAll();
    // Empty, other last letter, other case, negative count, count beyond the
    // file, truncated, trailing byte.
    QVector<QByteArray> bad(7, bytes);
    bad[0].clear();
    bad[1][25] = 'X';
    bad[2][5] = 't';
    bad[3][26] = char(0xFF);
    bad[4][27] = char(1);
    bad[5].chop(1);
    bad[6] += '\0';
    for (const QByteArray &content : bad) {
        QFile file("bad.mrf");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        dialogs.fileAnswers << file.fileName();
        QVERIFY(!callSlot(main, "loadFile"));
        QCOMPARE(lastShown(), "warning|-|Lumetra|File Format Not Valid|||");
        QCOMPARE(entriesOf(main), QStringList({ "1", "2" }));
    }
    dialogs.fileAnswers << "missing.mrf";
    QVERIFY(!callSlot(main, "loadFile"));
    QCOMPARE(lastShown(),
        "warning|main|Lumetra|Cannot read file missing.mrf:\nNo such file or directory.|||");

    // A folder nobody may write in, root included; a name that is no PDF.
    dialogs.fileAnswers << "/proc/site.mrf"
                        << "/proc/site.pdf"
                        << "report.txt";
    QVERIFY(!callSlot(main, "saveFile"));
    QVERIFY2(lastShown().startsWith("warning|main|Lumetra|Cannot write file /proc/site.mrf:\n"),
        qPrintable(lastShown()));
    main.generateAct->trigger();
    QVERIFY2(lastShown().startsWith("warning|main|Lumetra|Cannot write file /proc/site.pdf:\n"),
        qPrintable(lastShown()));
    main.generateAct->trigger();
    QVERIFY(lastShown().startsWith("save|"));
    QVERIFY(!QFile::exists("report.txt"));

    // A list of exactly one record is saved like any other.
    main.clearSelectedAct->trigger();
    dialogs.fileAnswers << "one.mrf";
    QVERIFY(callSlot(main, "saveFile"));
    compareRecordLists(RecordArchive::load("one.mrf").records, main.records().mid(0, 1));
    QCOMPARE(main.records().size(), 1);
}

// A batch the meter completes while Generate All lets events in is listed
// and printed after the records before it; page i still shows record i.
void TestKeepAndPrint::batchArrivingDuringGenerateAll()
{
    ScriptedMeter meter;
    QVERIFY(
        meter.start({ exportOf({ edgeRecord(21, -22.0f), edgeRecord(22, -23.5f) }, 2, 1) }, 1000));
    TestWindow window({ meter.path() });
    MainWindow &main = window.main;
    main.show();
    main.loadedRecords = { edgeRecord(11, -20.5f), edgeRecord(12, -21.0f) };
    main.loadedHeaders = { ReportHeaderTexts { "first", {}, {}, {}, {}, {}, {} },
        ReportHeaderTexts { "second", {}, {}, {}, {}, {}, {} } };
    QMetaObject::invokeMethod(&main, "on_file_open");
    QVERIFY(pickPort(main, meter.path()));
    // The batch's announcement waits in the event queue for Generate All.
    QDeadlineTimer deadline(15000);
    while (main.ctrlThread->queuedBatchCount() == 0 && !deadline.hasExpired())
        QThread::msleep(20);
    QCOMPARE(main.ctrlThread->queuedBatchCount(), 1);

    const QString pdf = workDir.filePath("growing.pdf");
    window.dialogs.fileAnswers << pdf;
    main.generateAllAct->trigger();
    QCOMPARE(entriesOf(main), QStringList({ "11", "12", "021", "022" }));
    QCOMPARE(pageCount(pdf), 4);
    for (int row = 0; row < 4; ++row) {
        main.connectionPanel->List_Records->setCurrentRow(row);
        const QImage shown
            = main.reportWindow->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY2(
            QImage(QStringLiteral("data/rec%1.png").arg(row)).convertToFormat(QImage::Format_RGB32)
                == shown,
            qPrintable(QString::number(row)));
    }
}

QTEST_MAIN(TestKeepAndPrint)
#include "tst_keepandprint.moc"
