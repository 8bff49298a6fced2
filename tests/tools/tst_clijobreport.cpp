// SPDX-License-Identifier: MIT
#include "recordarchive.h"
#include "recordstore.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// A job's report and workbook as a project manager reads them: the PDF
// through pdftotext and pdfimages, the workbook through openpyxl, and the
// suspect readings in the JSON of history and dump.
class TestCliJobReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void jobReport();
    void workbook();
    void suspectReadingsInJson();
    void passAndFailOnPageOne();

private:
    QTemporaryDir dir;
    QString store;
    QByteArray logo;
};

namespace {

const QString job = QStringLiteral("Hall 2: North");

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

// In English on A4, in the test's folder.
Run run(const QString &program, const QStringList &arguments, const QString &folder)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "LANGUAGE", "LC_ALL", "LC_PAPER", "LANG" })
        environment.remove(name);
    environment.insert("LC_ALL", "C.UTF-8");
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    Run done;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        done.exitCode = process.exitCode();
    done.out = QString::fromUtf8(process.readAllStandardOutput());
    done.err = QString::fromUtf8(process.readAllStandardError());
    return done;
}

// Losses of about 0.2 dB against 0.75 dB, each record's powers its own.
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
    row.headers.companyName = QStringLiteral("Fibre Works");
    row.headers.operatorName = QStringLiteral("Ana");
    row.headers.testDevice = QStringLiteral("OPM-12");
    row.headers.serialNumber = QStringLiteral("4711");
    row.sourceKind = QStringLiteral("port");
    row.receivedAtMs = 1767000000000 + number * 60000;
    return row;
}

QString between(const QString &text, const QString &from, const QString &to)
{
    const int start = text.indexOf(from);
    return start < 0 ? QString() : text.mid(start, text.indexOf(to, start + 1) - start);
}

} // namespace

// The job of the issue: 12 IDs, 9 tested; A03 failed and was retested to
// PASS; A04 has a negative loss; A05 and A06 the same twelve powers; A07 a
// fiber without a reading; record 11 is unplanned.
void TestCliJobReport::initTestCase()
{
    QVERIFY(dir.isValid());
    store = dir.filePath("records.sqlite");
    QVector<StoredRecord> rows;
    for (uint16_t number = 1; number <= 11; ++number)
        rows << measured(number);
    rows[0].headers.companyName = QStringLiteral("=2*3");
    rows[10].headers.companyName = QString(40000, QLatin1Char('x')); // unplanned: not in a section
    rows[2].record.channels[1].powerDbm -= 0.9f; // record 3 fails
    rows[3].record.channels[5].powerDbm = rows[3].record.channels[5].referenceDbm + 0.3f;
    rows[5].record.channels = rows[4].record.channels;
    rows[6].record.channels[2].powerDbm = 100.0f; // no reading: a loss of some -120 dB
    {
        RecordStore records(StoreLocation::parse(store));
        QVERIFY(records.open());
        QVERIFY(records.write(rows));
    }
    QImage picture(300, 120, QImage::Format_RGB32);
    picture.fill(QColor(0x20, 0x60, 0xa0));
    QVERIFY(picture.save(dir.filePath("logo.png")));
    QFile file(dir.filePath("logo.png"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    logo = file.readAll();

    const auto cli = [&](const QStringList &arguments) {
        const Run done
            = run(LUMETRA_CLI, arguments + QStringList { "--database", store }, dir.path());
        return done.exitCode == 0 ? QString() : done.err;
    };
    QCOMPARE(cli({ "job", "create", job, "--customer", "ACME", "--contractor", "Fibre Works",
                 "--logo", "logo.png" }),
        QString());
    QCOMPARE(cli({ "job", "ids", job, "--pattern", "A{01..12}" }), QString());
    const QStringList ids = { "A01", "A02", "A03", "A04", "A05", "A06", "A07", "A08", "A09" };
    for (int i = 0; i < ids.size(); ++i)
        QCOMPARE(cli({ "job", "assign", job, "--record", rows.at(i).key(), "--id", ids.at(i) }),
            QString());
    QCOMPARE(
        cli({ "job", "assign", job, "--record", rows.at(9).key(), "--retest", "A03" }), QString());
    QCOMPARE(cli({ "job", "assign", job, "--record", rows.at(10).key(), "--none" }), QString());

    // Bad logos are refused: the job keeps the one it has.
    QVERIFY(QImage(5000, 8, QImage::Format_RGB32).save(dir.filePath("banner.png")));
    for (const char *bad : { "records.sqlite", "banner.png" }) {
        const Run refused = run(
            LUMETRA_CLI, { "job", "edit", job, "--logo", bad, "--database", store }, dir.path());
        QCOMPARE(refused.exitCode, 2);
        QVERIFY2(refused.err.contains(bad), qPrintable(refused.err));
    }
}

void TestCliJobReport::jobReport()
{
    const Run report = run(LUMETRA_CLI, { "job", "report", job, "--database", store }, dir.path());
    QCOMPARE(report.exitCode, 0);
    QVERIFY2(report.out.startsWith("Hall 2_ North.pdf: "), qPrintable(report.out));
    const QString pdf = dir.filePath("Hall 2_ North.pdf");
    const QString first = run("pdftotext", { "-layout", pdf, "-" }, dir.path())
                              .out.split('\f')
                              .first()
                              .simplified();
    QVERIFY2(first.contains("Job verdict INCOMPLETE planned cable IDs are not tested"),
        qPrintable(first));
    QVERIFY2(first.contains("Customer ACME"), qPrintable(first));
    QVERIFY2(first.contains("Test devices OPM-12 (serial number 4711)"), qPrintable(first));
    // Planned, tested, PASS, FAIL, no verdict, not tested, retested, unplanned, suspect.
    QVERIFY2(first.contains(" 12 9 9 0 0 3 1 1 3 "), qPrintable(first));

    // Every ID in order, with what its row has to say, in the order it is drawn.
    const QStringList pages = run("pdftotext", { "-raw", pdf, "-" }, dir.path()).out.split('\f');
    QVERIFY(pages.size() > 3);
    const QString table = between(pages.first().simplified(), "Cable IDs", "Unplanned records");
    int at = 0;
    for (int id = 1; id <= 12; ++id) {
        const int found = table.indexOf(QStringLiteral("A%1 ").arg(id, 2, 10, QChar('0')), at);
        QVERIFY2(found >= at, qPrintable(QString::number(id)));
        at = found;
    }
    for (const char *untested : { "A10 not tested", "A11 not tested", "A12 not tested" })
        QVERIFY2(table.contains(untested), qPrintable(table));
    QVERIFY2(between(table, "A03 ", "A04 ").contains(QString::fromUtf8("PASS retested ×1")),
        qPrintable(table));
    QVERIFY(between(table, "A04 ", "A05 ").contains("Negative loss, fiber 6"));
    QVERIFY(between(table, "A05 ", "A06 ").contains("Same readings as record 006"));
    QVERIFY(between(table, "A06 ", "A07 ").contains("Same readings as record 005"));
    const QString seventh = between(table, "A07 ", "A08 ");
    QVERIFY2(!seventh.contains("Negative") && !seventh.contains("Same"), qPrintable(seventh));
    QVERIFY(
        between(pages.first().simplified(), "Unplanned records", "Page").contains("Notes 011 "));

    // The sections in ID order, the latest test each; the superseded test at the end.
    const QString rest = pages.mid(1).join(' ').simplified();
    QVERIFY(between(rest, "A03 Record 010", "A04 ").contains("PASS"));
    QVERIFY(between(rest, "A04 Record 004", "A05 ")
                .contains("Fiber 6: Negative loss: set the reference again and retest"));
    QVERIFY(!between(rest, "A07 Record 007", "A08 ").contains("Negative loss"));
    QVERIFY(between(rest, "Superseded tests", "Page").contains("A03 003"));
    QVERIFY(between(rest, "Superseded tests", "Page").contains("FAIL"));

    // The contractor's logo, as big as it was chosen.
    const QString images = run("pdfimages", { "-list", pdf }, dir.path()).out;
    QVERIFY2(
        images.contains(QRegularExpression("\\n +1 +\\d+ +image +300 +120 ")), qPrintable(images));
}

void TestCliJobReport::workbook()
{
    const Run written = run(
        LUMETRA_CLI, { "job", "xlsx", job, "-o", "north.xlsx", "--database", store }, dir.path());
    QCOMPARE(written.exitCode, 0);
    QVERIFY2(written.err.contains("record 011: its company text was cut"), qPrintable(written.err));
    const Run read = run("/usr/bin/python3", // where Debian's openpyxl is
        { READ_WORKBOOK, dir.filePath("north.xlsx") }, dir.path());
    QCOMPARE(read.exitCode, 0);
    const QJsonObject book = QJsonDocument::fromJson(read.out.toUtf8()).object();
    QCOMPARE(book["sheets"].toArray(), QJsonArray({ "Trunks", "Fibers" }));

    const QJsonObject trunks = book["Trunks"].toObject();
    QCOMPARE(trunks["freeze"].toString(), QStringLiteral("A2"));
    QCOMPARE(trunks["filter"].toString(), QStringLiteral("A1:O14"));
    const QJsonArray rows = trunks["rows"].toArray();
    QCOMPARE(rows.size(), 1 + 12 + 1);
    const auto cell = [&](int row, int column) { return rows.at(row)[column].toArray(); };
    QCOMPARE(cell(0, 8)[1].toString(), QStringLiteral("Verdict"));
    const QStringList expected = { "A01 1 PASS", "A02 2 PASS", "A03 10 PASS", "A04 4 PASS",
        "A05 5 PASS", "A06 6 PASS", "A07 7 PASS", "A08 8 PASS", "A09 9 PASS", "A10 0 not tested",
        "A11 0 not tested", "A12 0 not tested", " 11 PASS" };
    QStringList found;
    for (int row = 1; row < rows.size(); ++row)
        found << QStringLiteral("%1 %2 %3")
                     .arg(cell(row, 0)[1].toString())
                     .arg(cell(row, 1)[1].toInt())
                     .arg(cell(row, 8)[1].toString());
    QCOMPARE(found, expected);
    QCOMPARE(cell(1, 1)[0].toString(), QStringLiteral("n")); // numbers are numbers
    QCOMPARE(cell(1, 6)[0].toString(), QStringLiteral("n"));
    QCOMPARE(cell(1, 6)[1].toDouble(), 0.31); // the largest loss as the table shows it
    QCOMPARE(cell(1, 2)[0].toString(), QStringLiteral("d"));
    QCOMPARE(cell(1, 10)[0].toString(), QStringLiteral("s"));
    QCOMPARE(cell(1, 10)[1].toString(), QStringLiteral("=2*3"));
    QCOMPARE(cell(13, 10)[1].toString().size(), 32767);
    QCOMPARE(cell(1, 8)[2].toString(), QStringLiteral("FF0000FF")); // PASS in the report's blue
    QCOMPARE(cell(3, 9)[1].toString(), QString::fromUtf8("retested ×1"));

    const QJsonArray fibers = book["Fibers"].toObject()["rows"].toArray();
    QCOMPARE(fibers.size(), 1 + 10 * 12);
    const auto fiber = [&](int record, int number) {
        for (const QJsonValue &row : fibers) {
            if (row[1].toArray()[1].toInt() == record && row[2].toArray()[1].toInt() == number)
                return row.toArray();
        }
        return QJsonArray();
    };
    QCOMPARE(fiber(4, 6)[5].toArray()[1].toDouble(), -0.3);
    QCOMPARE(fiber(4, 6)[9].toArray()[1].toString(),
        QStringLiteral("Negative loss: set the reference again and retest"));
    QVERIFY(fiber(7, 3)[4].toArray()[1].isNull()); // power "---": an empty cell
    QVERIFY(fiber(7, 3)[9].toArray()[1].isNull());
}

void TestCliJobReport::suspectReadingsInJson()
{
    const QJsonArray records = QJsonDocument::fromJson(
        run(LUMETRA_CLI, { "history", "--json", "--job", job, "--database", store }, dir.path())
            .out.toUtf8())
                                   .object()["records"]
                                   .toArray();
    QCOMPARE(records.size(), 11);
    QStringList flags;
    for (const QJsonValue &record : records) {
        for (const QJsonValue &flag : record["suspect"].toArray())
            flags << QStringLiteral("%1 %2 %3")
                         .arg(record["recordNumber"].toInt())
                         .arg(flag["kind"].toString())
                         .arg(flag["fiber"].toInt() + flag["recordNumber"].toInt());
    }
    QCOMPARE(flags, QStringList({ "4 negativeLoss 6", "5 sameReadings 6", "6 sameReadings 5" }));

    // The job's archive: its logo goes with it, and a dump finds the same readings among its
    // records.
    QCOMPARE(run(LUMETRA_CLI, { "job", "export", job, "-o", "north.mrf", "--database", store },
                 dir.path())
                 .exitCode,
        0);
    const RecordArchive::ReadResult archive = RecordArchive::load(dir.filePath("north.mrf"));
    QVERIFY(archive.hasJob);
    QCOMPARE(archive.job.facts.logo, logo);
    const QJsonArray dumped = QJsonDocument::fromJson(
        run(LUMETRA_CLI, { "dump", "north.mrf" }, dir.path()).out.toUtf8())
                                  .object()["records"]
                                  .toArray();
    QCOMPARE(dumped.at(4)["suspect"][0]["text"].toString(),
        QStringLiteral("Same readings as record 006"));
    QCOMPARE(dumped.at(6)["suspect"].toArray().size(), 0);
}

// A job whose every ID passes, and one where an ID fails.
void TestCliJobReport::passAndFailOnPageOne()
{
    RecordStore records(StoreLocation::parse(store));
    QVERIFY(records.open());
    StoredRecord passing = measured(20), failing = measured(21);
    failing.record.channels[0].powerDbm -= 1.0f;
    QVERIFY(records.write({ passing, failing }));
    records.close();
    for (const auto &[name, row, verdict] :
        { std::tuple { "Pass", passing, "PASS" }, std::tuple { "Fail", failing, "FAIL" } }) {
        const QStringList database = { "--database", store };
        QCOMPARE(
            run(LUMETRA_CLI, QStringList { "job", "create", name } + database, dir.path()).exitCode,
            0);
        QCOMPARE(run(LUMETRA_CLI, QStringList { "job", "ids", name, "--add", "B1" } + database,
                     dir.path())
                     .exitCode,
            0);
        QCOMPARE(run(LUMETRA_CLI,
                     QStringList { "job", "assign", name, "--record", row.key(), "--id", "B1" }
                         + database,
                     dir.path())
                     .exitCode,
            0);
        QCOMPARE(
            run(LUMETRA_CLI, QStringList { "job", "report", name } + database, dir.path()).exitCode,
            0);
        const QString page
            = run("pdftotext", { "-raw", QStringLiteral("%1.pdf").arg(name), "-" }, dir.path())
                  .out.split('\f')
                  .first()
                  .simplified();
        QVERIFY2(page.contains(QStringLiteral("Job verdict %1").arg(verdict)), qPrintable(page));
    }
}

QTEST_GUILESS_MAIN(TestCliJobReport)
#include "tst_clijobreport.moc"
