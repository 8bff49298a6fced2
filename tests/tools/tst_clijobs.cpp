// SPDX-License-Identifier: MIT
#include "recordstore.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// A job from the command line, as a technician makes it: its IDs from a
// pattern and a spreadsheet's CSV, records given IDs by hand, retested,
// left unplanned; the status, the texts of all its records, its history and
// its archive. Bad input changes nothing and exits 2.
class TestCliJobs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void idsFromAPatternAndFiles();
    void recordsTakeIdsByHand();
    void textsHistoryAndArchive();
    void badInputChangesNothing_data();
    void badInputChangesNothing();

private:
    QTemporaryDir dir;
    QString store;
    QStringList keys; // of records 1 to 5, as history prints them
};

namespace {
struct CliRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// With --database store, when given.
CliRun runCli(const QStringList &arguments, const QString &store)
{
    QProcess process;
    process.start(QStringLiteral(LUMETRA_CLI),
        store.isEmpty() ? arguments : arguments + QStringList { "--database", store });
    CliRun run;
    if (process.waitForFinished(30000))
        run = { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2,
            process.readAllStandardOutput(), process.readAllStandardError() };
    return run;
}

QJsonObject jsonOf(const CliRun &run)
{
    return QJsonDocument::fromJson(run.out).object();
}

StoredRecord storedRecord(uint16_t number)
{
    StoredRecord row;
    row.record.recordNumber = number;
    row.record.thresholdCentiDb = 150;
    row.record.headerByte5 = 1;
    row.record.headerByte8 = 1;
    row.record.wavelengthCode = 1;
    for (ChannelResult &channel : row.record.channels) {
        channel.referenceDbm = -20.0f;
        channel.powerDbm = number == 2 ? -22.0f : -20.5f; // record 2 fails
    }
    row.headers.companyName = QStringLiteral("Typed");
    row.sourceKind = QStringLiteral("port");
    row.receivedAtMs = 1765000000000 + number * 1000;
    return row;
}

// The store and its write-ahead log.
QByteArray digestOf(const QString &path)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString &file : { path, path + QStringLiteral("-wal") }) {
        QFile bytes(file);
        if (bytes.open(QIODevice::ReadOnly))
            hash.addData(bytes.readAll());
    }
    return hash.result();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

void TestCliJobs::initTestCase()
{
    QVERIFY(dir.isValid());
    store = dir.filePath(QStringLiteral("records.sqlite"));
    RecordStore records(StoreLocation::parse(store));
    QVERIFY(records.open());
    QVector<StoredRecord> rows;
    for (uint16_t number = 1; number <= 5; ++number)
        rows << storedRecord(number);
    QVERIFY(records.write(rows));
}

void TestCliJobs::idsFromAPatternAndFiles()
{
    QCOMPARE(runCli({ "job", "create", "North", "--customer", "ACME", "--site", "Hall 2" }, store)
                 .exitCode,
        0);
    CliRun run = runCli({ "job", "ids", "North", "--pattern", "A{1..2}-B{01..15}" }, store);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray("added 30 cable IDs to job North, which has 30\n"));

    // A spreadsheet's CSV from a German Windows, then one without a header.
    const QString withHeader = dir.filePath(QStringLiteral("plan.csv"));
    QVERIFY(writeFile(withHeader,
        "Raum;Label;Länge\r\nK1;C01-Stra\xDF"
        "e;12\r\nK1;\"C02;Gang\";8\r\n"));
    QCOMPARE(runCli({ "job", "ids", "North", "--import", withHeader }, store).exitCode, 0);
    const QString plain = dir.filePath(QStringLiteral("more.csv"));
    QVERIFY(writeFile(plain, "D01,spare\nD02,spare\n"));
    QCOMPARE(runCli({ "job", "ids", "North", "--import", plain }, store).exitCode, 0);
    // One ID there already: nothing of the file is added.
    const QString repeated = dir.filePath(QStringLiteral("repeated.txt"));
    QVERIFY(writeFile(repeated, "E01\nD02\nE02\n"));
    run = runCli({ "job", "ids", "North", "--import", repeated }, store);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(QString::fromUtf8(run.err),
        QString::fromUtf8("lumetra-cli job ids: Nothing was added: these cable IDs are listed "
                          "twice or are already in the job: “D02”.\n"));

    const QJsonArray ids
        = jsonOf(runCli({ "job", "status", "North", "--json" }, store)).value("cableIds").toArray();
    QCOMPARE(ids.size(), 34);
    QCOMPARE(ids.at(0).toObject().value("cableId").toString(), QStringLiteral("A1-B01"));
    QCOMPARE(ids.at(15).toObject().value("cableId").toString(), QStringLiteral("A2-B01"));
    QCOMPARE(ids.at(30).toObject().value("cableId").toString(), QString::fromUtf8("C01-Straße"));
    QCOMPARE(ids.at(31).toObject().value("cableId").toString(), QStringLiteral("C02;Gang"));
    QCOMPARE(ids.at(33).toObject().value("cableId").toString(), QStringLiteral("D02"));
}

void TestCliJobs::recordsTakeIdsByHand()
{
    const QJsonArray records
        = jsonOf(runCli({ "history", "--json" }, store)).value("records").toArray();
    QCOMPARE(records.size(), 5);
    for (const QJsonValue &record : records) {
        keys << record["key"].toString();
        QVERIFY(record["job"].isNull() && record["cableId"].isNull());
    }
    QVERIFY(QRegularExpression("^[0-9a-f]{64}$").match(keys.first()).hasMatch());
    QCOMPARE(records.at(0)["receivedAt"].toString(), QStringLiteral("2025-12-06T05:46:41.000Z"));

    const auto assign = [&](int record, const QStringList &how) {
        return runCli(
            QStringList { "job", "assign", "North", "--record", keys.at(record - 1) } + how, store);
    };
    QCOMPARE(assign(1, { "--id", "A1-B01" }).exitCode, 0);
    QCOMPARE(assign(2, { "--id", " A1-B02 " }).exitCode, 0);
    QCOMPARE(assign(3, { "--id", "D02" }).exitCode, 0);
    CliRun run = assign(4, { "--id", "A1-B02" });
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains("has a record already"), run.err.constData());
    QCOMPARE(runCli({ "job", "retest", "North", "A1-B02" }, store).exitCode, 0);
    QCOMPARE(assign(4, { "--retest", "A1-B02" }).exitCode, 0);
    QCOMPARE(assign(5, { "--none" }).exitCode, 0);

    const QJsonObject status = jsonOf(runCli({ "job", "status", "North", "--json" }, store));
    const QJsonObject counts = status.value("counts").toObject();
    QCOMPARE(counts.value("planned").toInt(), 34);
    QCOMPARE(counts.value("tested").toInt(), 3);
    QCOMPARE(counts.value("pass").toInt(), 3); // record 4 retested the failing A1-B02
    QCOMPARE(counts.value("fail").toInt(), 0);
    QCOMPARE(counts.value("retested").toInt(), 1);
    QCOMPARE(counts.value("retestMarked").toInt(), 0); // taken by the retest
    QCOMPARE(counts.value("unplanned").toInt(), 1);
    const QJsonObject second = status.value("cableIds").toArray().at(1).toObject();
    QCOMPARE(second.value("recordNumberText").toString(), QStringLiteral("004"));
    QCOMPARE(second.value("tests").toInt(), 2);
    QCOMPARE(status.value("unplanned").toArray().at(0)["recordNumber"].toInt(), 5);

    run = runCli({ "job", "status", "North" }, store);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.endsWith(QString::fromUtf8("3 of 34 tested · 3 PASS · 0 FAIL · 31 untested "
                                                "· 1 unplanned\n")
                                  .toUtf8()),
        run.out.constData());
    run = runCli({ "job", "status", "North", "--csv" }, store);
    QVERIFY(
        run.out.startsWith("cable_id,state,record_number,received_at,smallest_margin_db,tests,"));
    QVERIFY2(run.out.contains("\nA1-B02,PASS,004,2025-12-06T05:46:44.000Z,1.00,2,"), run.out);
    QVERIFY(run.out.contains("\n,unplanned,005,"));
}

// The texts of all of the job's records at once, each a new version; the
// history by job and by ID; the job's archive opened with its IDs.
void TestCliJobs::textsHistoryAndArchive()
{
    CliRun run = runCli(
        { "job", "texts", "North", "--company", "Fibre Works", "--operator", "Ana" }, store);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray("changed the texts of 5 of the 5 records of job North\n"));

    const QJsonArray records
        = jsonOf(runCli({ "history", "--json", "--all-texts", "--job", "North" }, store))
              .value("records")
              .toArray();
    QCOMPARE(records.size(), 5);
    const QJsonObject fourth = records.at(3).toObject();
    QCOMPARE(fourth["cableId"].toString(), QStringLiteral("A1-B02"));
    QCOMPARE(fourth["textVersions"].toArray().size(), 2);
    QCOMPARE(
        fourth["textVersions"][1]["headers"]["operatorName"].toString(), QStringLiteral("Ana"));
    const QJsonArray moves = records.at(4).toObject()["jobVersions"].toArray();
    QCOMPARE(moves.size(), 1);
    QCOMPARE(moves.at(0)["job"].toString(), QStringLiteral("North"));
    QVERIFY(moves.at(0)["cableId"].isNull());

    run = runCli({ "history", "--csv", "--search", "d02" }, store);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.count('\n'), 1 + 12);
    QVERIFY(run.out.split('\n').at(1).endsWith(",Fibre Works,Ana,,,,,,North,D02"));

    const QString archive = dir.filePath(QStringLiteral("north.mrf"));
    run = runCli({ "job", "export", "North", "-o", archive }, store);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, ("wrote 3 records of job North to " + archive + "\n").toUtf8());
    QCOMPARE(runCli({ "job", "export", "North", "-o", archive }, store).exitCode, 2);
    const QJsonArray exported
        = jsonOf(runCli({ "dump", archive }, QString())).value("records").toArray();
    QStringList dumped;
    for (const QJsonValue &record : exported)
        dumped << QStringLiteral("%1 %2 %3")
                      .arg(record["recordNumber"].toInt())
                      .arg(record["job"].toString(), record["cableId"].toString());
    QCOMPARE(dumped, QStringList({ "1 North A1-B01", "4 North A1-B02", "3 North D02" }));

    const QJsonArray jobs
        = jsonOf(runCli({ "job", "list", "--json" }, store)).value("jobs").toArray();
    QCOMPARE(jobs.size(), 1);
    QCOMPARE(jobs.at(0)["site"].toString(), QStringLiteral("Hall 2"));
    QCOMPARE(jobs.at(0)["records"].toInt(), 5);
}

void TestCliJobs::badInputChangesNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("missing job") << QStringList { "job", "status", "South" }
                                 << "lumetra-cli job status: there is no job named South";
    QTest::newRow("history of a missing job") << QStringList { "history", "--job", "South" }
                                              << "lumetra-cli history: there is no job named South";
    QTest::newRow("ID not in the job") << QStringList { "job", "assign", "North", "--record",
        "@key", "--id", "Z9" } << "lumetra-cli job assign: job North has no cable ID Z9";
    QTest::newRow("unknown record") << QStringList { "job", "assign", "North", "--record", "abc",
        "--none" } << "lumetra-cli job assign: there is no record abc in the records store";
    QTest::newRow("bad pattern") << QStringList { "job", "ids", "North", "--pattern", "A{1..C}" }
                                 << "lumetra-cli job ids: {1..C} is not a range";
    QTest::newRow("missing file") << QStringList { "job", "ids", "North", "--import",
        "/nonexistent/ids.csv" } << "lumetra-cli job ids: /nonexistent/ids.csv: cannot read file";
    QTest::newRow("two ways at once") << QStringList { "job", "ids", "North", "--add", "X",
        "--pattern", "Y" } << "takes one of --add ID..., --import FILE or --pattern PATTERN";
    QTest::newRow("retest of an untested ID") << QStringList { "job", "retest", "North", "A2-B15" }
                                              << "cable ID A2-B15 has not been tested";
    QTest::newRow("a job twice") << QStringList { "job", "create", "North" }
                                 << "there is a job named North already";
}

void TestCliJobs::badInputChangesNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    arguments.replaceInStrings(QStringLiteral("@key"), keys.value(0));
    const QByteArray before = digestOf(store);
    const CliRun run = runCli(arguments, store);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(QString::fromUtf8(run.err).startsWith(message) || run.err.contains(message.toUtf8()),
        run.err.constData());
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(digestOf(store), before);
}

QTEST_GUILESS_MAIN(TestCliJobs)
#include "tst_clijobs.moc"
