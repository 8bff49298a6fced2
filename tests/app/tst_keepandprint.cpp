#include "configrun.h"
#include "listofuid.h"
#include "recordarchive.h"
#include "reportdocument.h"
#include "testrecordcompare.h"
#include "windowtestsupport.h"

#include <QAction>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

// Keeping records in archives and printing them: downloaded from the meter
// emulator, saved, read back by lumetra-cli and by the window, printed to PDF
// and compared with what the text document itself would print.
class TestKeepAndPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void downloadSaveOpenAndPrint();
    void generateAllPaginatesLikeTheDocument_data();
    void generateAllPaginatesLikeTheDocument();
    void refusalsAndFailures();

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

QStringList entriesOf(const MainWindow &main)
{
    QStringList entries;
    for (int row = 0; row < main.connectionPanel->List_Records->count(); ++row)
        entries << main.connectionPanel->List_Records->item(row)->text();
    return entries;
}

void listLoaded(MainWindow &main, int count)
{
    for (int i = 0; i < count; ++i) {
        main.loadedRecords << edgeRecord(uint16_t(40 + i), -21.5f + i);
        main.loadedHeaders << ReportHeaderTexts { "Site " + QString::number(i), {}, {}, {}, {}, {},
            {} };
    }
    QMetaObject::invokeMethod(&main, "on_file_open");
}

// The file dialog's question, without its parent.
QString asked(const DialogCall &call)
{
    return QStringList { call.kind, call.title, call.dir, call.filter, call.suffix }.join('|');
}

QString localUrl(const QString &path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString();
}

QStringList linesOf(const QString &program, const QStringList &arguments)
{
    return QString::fromLocal8Bit(outputOf(program, arguments)).split('\n', Qt::SkipEmptyParts);
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
    QVERIFY(meter.start(
        { exportOf(
            { edgeRecord(7, -20.25f), edgeRecord(8, -19.95f), edgeRecord(40000, -30.5f) }, 2, 1) },
        1000));
    TestWindow window({ meter.path() });
    MainWindow &main = window.main;
    main.show();
    ListOfUID &page = *main.reportWindow;
    QTRY_VERIFY(!main.connectionPanel->fileTimeStamp.isEmpty());
    QVERIFY(pickPort(main, meter.path()));
    QTRY_COMPARE_WITH_TIMEOUT(main.records.size(), 3, 15000);
    // Edits still on screen go into the archive.
    page.Edit_Operator->setText(QStringLiteral("Ana \"quoted\""));
    page.Edit_Comment->setHtml(QStringLiteral("<b>dusty</b> connector"));
    window.dialogs.calls.clear();

    // Typed without a suffix.
    window.dialogs.fileAnswers << QStringLiteral("records/site");
    QVERIFY(callSlot(main, "saveFile"));
    QCOMPARE(asked(window.dialogs.calls.value(0)),
        "save|Save Records|./records/Record_" + main.connectionPanel->fileTimeStamp
            + "|MRF Files(*.mrf)|mrf");
    QCOMPARE(window.dialogs.calls.size(), 1);
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(main.recordHeaders[2].operatorName, QStringLiteral("Ana \"quoted\""));

    // lumetra-cli reads what the window showed.
    const QJsonArray dumped
        = QJsonDocument::fromJson(outputOf(LUMETRA_CLI, { "dump", "records/site.mrf", "--json" }))
              .object()["records"]
              .toArray();
    QCOMPARE(dumped.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const QJsonObject texts = dumped[i]["headers"].toObject();
        const ReportHeaderTexts &shown = main.recordHeaders[i];
        QCOMPARE(dumped[i]["recordNumberText"].toString(), entriesOf(main)[i]);
        QCOMPARE(QStringList({ texts["operatorName"].toString(), texts["exportTime"].toString(),
                     texts["noteHtml"].toString() }),
            QStringList({ shown.operatorName, shown.exportTime, shown.noteHtml }));
    }

    // Opened again: added after the downloaded entries, in plain decimal.
    window.dialogs.fileAnswers << QStringLiteral("records/site.mrf");
    QVERIFY(callSlot(main, "loadFile"));
    QCOMPARE(
        asked(window.dialogs.calls.last()), "open|Open Records|./records/|MRF Files(*.mrf)|mrf");
    QCOMPARE(entriesOf(main), QStringList({ "007", "008", "40000", "7", "8", "40000" }));
    compareRecordLists(main.records.mid(3), main.records.mid(0, 3));
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(main.recordHeaders.mid(3), main.recordHeaders.mid(0, 3));
    QCOMPARE(page.Edit_FileNumber->text(), QStringLiteral("40000"));
    QCOMPARE(page.Edit_Operator->text(), QStringLiteral("Ana \"quoted\""));

    // One report, typed without a suffix; then all of them.
    window.dialogs.calls.clear();
    window.dialogs.fileAnswers << QStringLiteral("reports/one")
                               << workDir.filePath("reports/all.PDF");
    main.generateAct->trigger();
    main.generateAllAct->trigger();
    const QVector<DialogCall> &calls = window.dialogs.calls;
    QCOMPARE(calls.size(), 4);
    QCOMPARE(
        asked(calls[0]), "save|Select output file|./reports/Report_40000|PDF Files(*.pdf)|pdf");
    QCOMPARE(calls[1].text, localUrl("reports/one.pdf"));
    QCOMPARE(
        asked(calls[2]), "save|Select output file|./reports/Report_All_6|PDF Files(*.pdf)|pdf");
    QCOMPARE(calls[3].text, localUrl("reports/all.PDF"));
    QCOMPARE(calls[3].kind, QStringLiteral("openUrl"));
    QCOMPARE(linesOf("pdfinfo", { "reports/one.pdf" }).filter("Pages:").value(0).simplified(),
        "Pages: 1");
    QCOMPARE(QImage("data/record.png").size(), page.size());
    for (int row = 0; row < 6; ++row)
        QCOMPARE(QImage(QStringLiteral("data/rec%1.png").arg(row)).size(), page.size());
    QCOMPARE(main.connectionPanel->List_Records->currentRow(), 5);
}

void TestKeepAndPrint::generateAllPaginatesLikeTheDocument_data()
{
    QTest::addColumn<int>("records");
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
    QTest::newRow("7") << 7;
}

// The reports are drawn one page at a time from their PNG encodings; the
// pages must be those of the text document holding every capture.
void TestKeepAndPrint::generateAllPaginatesLikeTheDocument()
{
    QFETCH(int, records);
    TestWindow window;
    window.main.show();
    listLoaded(window.main, records);
    const QString pdf = workDir.filePath(QStringLiteral("paged%1.pdf").arg(records));
    window.dialogs.fileAnswers << pdf;
    window.main.generateAllAct->trigger();
    QCOMPARE(window.dialogs.calls.last().text, localUrl(pdf));

    QTextDocument document;
    QString html = QStringLiteral("<html><body><h1></h1>");
    for (int i = 0; i < records; ++i) {
        const QString name = QStringLiteral("data/rec%1.png").arg(i);
        document.addResource(QTextDocument::ImageResource, QUrl("mydata://" + name), QPixmap(name));
        html += QStringLiteral("<img src='mydata://%1' border='0' />").arg(name);
    }
    document.setHtml(html + "</body></html>");
    QPrinter printer(QPrinter::ScreenResolution);
    const QString reference = workDir.filePath(QStringLiteral("reference%1.pdf").arg(records));
    ReportDocument::setUpPrinter(printer, reference);
    document.print(&printer);

    const QStringList pages = linesOf("pdfinfo", { pdf }).filter("Pages:");
    QCOMPARE(pages, linesOf("pdfinfo", { reference }).filter("Pages:"));
    const int pageCount = pages.value(0).section(':', 1).toInt();
    QVERIFY(pageCount >= records);
    outputOf("pdftoppm", { "-r", "30", "-png", pdf, workDir.filePath("printed") });
    outputOf("pdftoppm", { "-r", "30", "-png", reference, workDir.filePath("ref") });
    // Page numbers as text, not drawn as black blocks at a few dots per inch.
    QStringList numbers = QString::fromUtf8(outputOf("pdftotext", { pdf, "-" })).split('\f');
    for (int page = 1; page <= pageCount; ++page) {
        const QString suffix = QStringLiteral("-%1.png").arg(
            page, QString::number(pageCount).size(), 10, QChar('0'));
        const QImage printed(workDir.filePath("printed" + suffix));
        QVERIFY(!printed.isNull());
        QVERIFY2(printed == QImage(workDir.filePath("ref" + suffix)),
            qPrintable(QStringLiteral("page %1 differs").arg(page)));
        QCOMPARE(numbers.value(page - 1).simplified(), QString::number(page));
    }
    // Every image as many pixels per inch across as down: nothing stretched.
    const QStringList images = linesOf("pdfimages", { "-list", pdf }).mid(2);
    QVERIFY(images.size() >= records);
    for (const QString &image : images) {
        const QStringList columns = image.simplified().split(' ');
        QCOMPARE(columns.value(12), columns.value(13));
    }
}

void TestKeepAndPrint::refusalsAndFailures()
{
    TestWindow window;
    MainWindow &main = window.main;
    RecordingDialogHost &dialogs = window.dialogs;
    const auto lastBox = [&] {
        const DialogCall &call = dialogs.calls.last();
        return QStringList { call.kind, call.parent == &main ? "main" : "none", call.title,
            call.text };
    };

    // Nothing listed: a message and no dialog; reports offer the bare name,
    // and a cancelled one leaves its PNG copy.
    QVERIFY(QDir("data").removeRecursively());
    QVERIFY(!callSlot(main, "saveFile"));
    QCOMPARE(lastBox(), QStringList({ "warning", "none", "Lumetra", " No Records to Save! " }));
    QCOMPARE(dialogs.calls.size(), 1);
    main.generateAct->trigger();
    main.generateAllAct->trigger();
    QCOMPARE(dialogs.calls[1].dir, QStringLiteral("./reports/Report_"));
    QCOMPARE(dialogs.calls[2].dir, QStringLiteral("./reports/Report_"));
    QCOMPARE(dialogs.calls.size(), 3);
    QVERIFY(QFile::exists("data/record.png"));

    // Cancelled dialogs change nothing.
    listLoaded(main, 2);
    const QStringList listed = entriesOf(main);
    QVERIFY(!callSlot(main, "saveFile"));
    QVERIFY(!callSlot(main, "loadFile"));
    QCOMPARE(dialogs.calls.last().kind, QStringLiteral("open"));
    QVERIFY(QDir("records").entryList(QDir::Files).filter("Record_").isEmpty());

    // Bad archives add nothing.
    QVERIFY(RecordArchive::save("good.mrf", main.records, main.recordHeaders));
    QFile good("good.mrf");
    QVERIFY(good.open(QIODevice::ReadOnly));
    const QByteArray bytes = good.readAll();
    QByteArray otherMagic = bytes, otherCase = bytes, negative = bytes, oversized = bytes;
    otherMagic[25] = 'X';
    otherCase[5] = 't';
    negative[26] = char(0xFF);
    oversized[27] = char(1);
    const QVector<QByteArray> bad = { {}, otherMagic, otherCase, negative, oversized,
        bytes.left(bytes.size() - 1), bytes + '\0' };
    for (const QByteArray &content : bad) {
        QFile file("bad.mrf");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        dialogs.fileAnswers << file.fileName();
        QVERIFY(!callSlot(main, "loadFile"));
        QCOMPARE(lastBox(), QStringList({ "warning", "none", "Lumetra", "File Format Not Valid" }));
        QCOMPARE(entriesOf(main), listed);
    }
    dialogs.fileAnswers << QStringLiteral("missing.mrf");
    QVERIFY(!callSlot(main, "loadFile"));
    QCOMPARE(lastBox(),
        QStringList({ "warning", "main", "Lumetra",
            "Cannot read file missing.mrf:\nNo such file or directory." }));

    // A folder nobody may write in, root included.
    dialogs.fileAnswers << QStringLiteral("/proc/site.mrf") << QStringLiteral("/proc/site.pdf");
    QVERIFY(!callSlot(main, "saveFile"));
    QCOMPARE(lastBox().mid(0, 3), QStringList({ "warning", "main", "Lumetra" }));
    QVERIFY2(lastBox().last().startsWith("Cannot write file /proc/site.mrf:\n"),
        qPrintable(lastBox().last()));
    main.generateAct->trigger();
    QCOMPARE(lastBox().mid(0, 3), QStringList({ "warning", "main", "Lumetra" }));
    QVERIFY2(lastBox().last().startsWith("Cannot write file /proc/site.pdf:\n"),
        qPrintable(lastBox().last()));

    // Another suffix prints nothing and opens nothing.
    const int shown = dialogs.calls.size();
    dialogs.fileAnswers << QStringLiteral("report.txt");
    main.generateAct->trigger();
    QCOMPARE(dialogs.calls.size(), shown + 1);
    QVERIFY(!QFile::exists("report.txt"));
    QCOMPARE(entriesOf(main), listed);
}

QTEST_MAIN(TestKeepAndPrint)
#include "tst_keepandprint.moc"
