// SPDX-License-Identifier: MIT
#include "cableidassigner.h"
#include "jobstore.h"
#include "meterframe.h"
#include "metersimprocess.h"
#include "recordkeeper.h"
#include "recordstore.h"
#include "searchcases.h"
#include "storelocation.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QProcess>
#include <QSet>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <memory>
#include <vector>

// A team's store on a PostgreSQL server (started by with-postgres.sh): two
// receivers write at once, and the history has every record exactly once.
// Records wait for their own database only, a text the server cannot hold
// blocks nothing, and a server that stops answering holds a receiver up a
// few seconds at most.
class TestSharedStore : public QObject
{
    Q_OBJECT

private slots:
    void twoReceiversAtOnce();
    void twoDatabasesOneDown();
    void nulTextIsStoredWithout();
    void serverThatStopsAnswering();
    void twoWritersIntoOneJob();
    void twoReceiversIntoOneJob();
    void theOwnerUpgradesFirst();
    void searchIsTheSameWithTheIndex();
    void withoutTheRightToIndexItSaysSoOnce();
};

namespace {
QByteArray run(const QStringList &arguments, int *exitCode)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(LUMETRA_CLI), arguments);
    if (!process.waitForFinished(60000))
        return {};
    *exitCode = process.exitCode();
    return process.readAllStandardOutput();
}

// Each record as compact JSON, without the header texts and what only the
// store knows of it.
QVector<QByteArray> recordsOf(const QByteArray &json)
{
    QVector<QByteArray> records;
    for (const QJsonValue &value :
        QJsonDocument::fromJson(json).object().value(QLatin1String("records")).toArray()) {
        QJsonObject record = value.toObject();
        for (const char *field : { "headers", "key", "receivedAt" })
            record.remove(QLatin1String(field));
        records << QJsonDocument(record).toJson(QJsonDocument::Compact);
    }
    return records;
}
// The test server's URL, for another database of it, made when asked.
QString databaseUrl(const QString &name, bool make)
{
    const QString url = qEnvironmentVariable("LUMETRA_TEST_DATABASE");
    if (make) {
        RecordStore server(StoreLocation::parse(url));
        if (!server.open()
            || !QSqlQuery(server.database()).exec(QStringLiteral("CREATE DATABASE ") + name))
            return QString();
    }
    return QString(url).replace(QLatin1String("/lumetra?"), QLatin1Char('/') + name + '?');
}

StoredRecord storedRecord(uint16_t number, const QString &company)
{
    StoredRecord row;
    row.record.recordNumber = number;
    row.headers.companyName = company;
    row.sourceKind = QStringLiteral("port");
    row.receivedAtMs = 1700000000000 + number;
    return row;
}

// Record number and company of each stored record.
QStringList storedIn(const QString &url)
{
    RecordStore store(StoreLocation::parse(url));
    QStringList rows;
    if (!store.open() || !store.forEachRecord({}, [&](const StoredRecord &row) {
            rows << QString::number(row.record.recordNumber) + ' ' + row.headers.companyName;
        }))
        return { store.errorString() };
    return rows;
}

QStringList warnings;
// Passes connections from 127.0.0.1 to the server's Unix socket until the
// first record is written; from then on nothing passes, on old connections or
// new ones, as when the server hangs.
struct HangingProxy
{
    QTcpServer server;
    qint64 hungAtMs = 0;

    explicit HangingProxy(const QString &socketPath)
    {
        QObject::connect(&server, &QTcpServer::newConnection, [this, socketPath] {
            while (QTcpSocket *client = server.nextPendingConnection()) {
                auto *upstream = new QLocalSocket(client);
                upstream->connectToServer(socketPath);
                upstream->waitForConnected(2000);
                const auto pass = [this](QIODevice *from, QIODevice *to) {
                    const QByteArray bytes = from->readAll();
                    if (!hungAtMs && bytes.contains("INSERT INTO lumetra_records"))
                        hungAtMs = QDateTime::currentMSecsSinceEpoch();
                    if (!hungAtMs)
                        to->write(bytes);
                };
                QObject::connect(
                    client, &QTcpSocket::readyRead, client, [=] { pass(client, upstream); });
                QObject::connect(
                    upstream, &QLocalSocket::readyRead, client, [=] { pass(upstream, client); });
            }
        });
    }
};

// Lets the proxy serve while the process runs.
bool finish(QProcess &process, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (process.state() != QProcess::NotRunning && !deadline.hasExpired())
        QTest::qWait(20);
    return process.state() == QProcess::NotRunning && process.exitStatus() == QProcess::NormalExit;
}
} // namespace

void TestSharedStore::twoDatabasesOneDown()
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    const QString south = databaseUrl(QStringLiteral("south"), true);
    QVERIFY(!south.isEmpty());
    // North is not there yet: to Lumetra it is a server that is down.
    const QString north = databaseUrl(QStringLiteral("north"), false);
    {
        RecordKeeper keeper(StoreLocation::parse(north));
        QVERIFY(!keeper.keep({ storedRecord(1, "N"), storedRecord(2, "N") }));
    }
    QVERIFY(RecordKeeper(StoreLocation::parse(south)).keep({ storedRecord(3, "S") }));
    QCOMPARE(storedIn(south), QStringList({ "3 S" }));

    QVERIFY(!databaseUrl(QStringLiteral("north"), true).isEmpty());
    {
        RecordKeeper nextStart(StoreLocation::parse(north));
    }
    QCOMPARE(storedIn(north), QStringList({ "1 N", "2 N" }));
    QCOMPARE(storedIn(south), QStringList({ "3 S" }));
}

void TestSharedStore::nulTextIsStoredWithout()
{
    const QString url = databaseUrl(QStringLiteral("texts"), true);
    QVERIFY(!url.isEmpty());
    const QString withNul = QStringLiteral("Fibre") + QChar(0) + QStringLiteral("Works");
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &, const QString &text) {
            if (type == QtWarningMsg)
                warnings << text;
        });
    RecordKeeper keeper(StoreLocation::parse(url));
    const bool kept
        = keeper.keep({ storedRecord(6, "A"), storedRecord(7, withNul), storedRecord(8, "C") });
    const bool keptAgain = keeper.keep({ storedRecord(7, withNul) });
    qInstallMessageHandler(previous);
    QVERIFY(kept && keptAgain);
    QCOMPARE(storedIn(url), QStringList({ "6 A", "7 FibreWorks", "8 C" }));
    QCOMPARE(warnings,
        QStringList({ "record 007: stored without the NUL characters of its texts, which "
                      "PostgreSQL cannot hold" }));
}

void TestSharedStore::twoReceiversAtOnce()
{
    const QString url = qEnvironmentVariable("LUMETRA_TEST_DATABASE");
    QVERIFY2(url.startsWith(QLatin1String("postgresql://")), "run through with-postgres.sh");
    QTemporaryDir dir;

    // Two exports of 60 records that share ten, as two meters of a team may.
    const QVector<TestRecord> first
        = MeterSimProcess::recordsFor({ "--records", "60", "--seed", "51" });
    QVector<TestRecord> second = MeterSimProcess::recordsFor({ "--records", "50", "--seed", "52" });
    second += first.mid(20, 10);
    QCOMPARE(first.size() + second.size(), 120);
    std::vector<std::unique_ptr<MeterSimProcess>> meters;
    QSet<QByteArray> expected;
    for (const QVector<TestRecord> &records : { first, second }) {
        QByteArray bytes;
        for (const TestRecord &record : records)
            bytes += encodeFrame(record);
        const QString capture = dir.filePath(QStringLiteral("export%1.bin").arg(meters.size()));
        QFile file(capture);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes + encodeVersionTrailer(2, 1));
        file.close();
        int exitCode = -1;
        for (const QByteArray &record : recordsOf(run({ "decode", capture, "--json" }, &exitCode)))
            expected.insert(record);
        QCOMPARE(exitCode, 0);
        meters.push_back(std::make_unique<MeterSimProcess>(
            QStringList { "--raw", capture, "--no-trailer", "--wait-open", "--no-pacing" }));
        QVERIFY(meters.back()->start());
    }
    QCOMPARE(expected.size(), 110);

    QVector<std::shared_ptr<QProcess>> receivers;
    for (const auto &meter : meters) {
        auto receiver = std::make_shared<QProcess>();
        receiver->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        receiver->start(QStringLiteral(LUMETRA_CLI),
            { "receive", meter->path(), "--batches", "1", "--timeout", "60", "--database", url });
        receivers << receiver;
    }
    for (const auto &receiver : qAsConst(receivers)) {
        QVERIFY(receiver->waitForFinished(90000));
        QCOMPARE(receiver->exitCode(), 0);
        QVERIFY(receiver->readAllStandardOutput().startsWith("batch 1: 60 records"));
    }

    int exitCode = -1;
    const QVector<QByteArray> stored = recordsOf(run({ "history", "--database", url }, &exitCode));
    QCOMPARE(exitCode, 0);
    QCOMPARE(stored.size(), expected.size());
    QCOMPARE(QSet<QByteArray>(stored.begin(), stored.end()), expected);
}

void TestSharedStore::serverThatStopsAnswering()
{
    const QString url = qEnvironmentVariable("LUMETRA_TEST_DATABASE");
    const StoreLocation direct = StoreLocation::parse(url);
    QVERIFY2(direct.kind == StoreLocation::Kind::PostgreSQL, "run through with-postgres.sh");
    HangingProxy proxy(direct.host + QStringLiteral("/.s.PGSQL.%1").arg(direct.port));
    QVERIFY(proxy.server.listen(QHostAddress::LocalHost));
    const QString proxied = QStringLiteral("postgresql://%1:%2@127.0.0.1:%3/%4")
                                .arg(direct.user, direct.password)
                                .arg(proxy.server.serverPort())
                                .arg(direct.database);
    QTemporaryDir data; // records waiting for the store go here
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), data.path());

    // Three exports of three records; the server hangs in the first write.
    MeterSimProcess meter(
        { "--records", "3", "--seed", "61", "--repeat", "3", "--every", "1", "--wait-open" });
    QVERIFY(meter.start());
    QProcess receiver;
    receiver.setProcessEnvironment(environment);
    qint64 firstPrintedAtMs = 0;
    QByteArray out;
    QObject::connect(&receiver, &QProcess::readyReadStandardOutput, [&] {
        out += receiver.readAllStandardOutput();
        if (!firstPrintedAtMs && out.contains("batch 1:"))
            firstPrintedAtMs = QDateTime::currentMSecsSinceEpoch();
    });
    receiver.start(QStringLiteral(LUMETRA_CLI),
        { "receive", meter.path(), "--batches", "3", "--timeout", "45", "--database", proxied });
    QVERIFY(finish(receiver, 60000));
    const qint64 endedAtMs = QDateTime::currentMSecsSinceEpoch();
    const QByteArray err = receiver.readAllStandardError();
    QCOMPARE(receiver.exitCode(), 0);
    QVERIFY2(proxy.hungAtMs > 0, err.constData());
    // Each batch is printed before the store is asked to keep it.
    QVERIFY(firstPrintedAtMs > 0 && firstPrintedAtMs <= proxy.hungAtMs + 2000);
    QVERIFY2(out.contains("batch 3: 3 records"), out.constData());
    QVERIFY2(endedAtMs - proxy.hungAtMs < 30000, QByteArray::number(endedAtMs - proxy.hungAtMs));
    QVERIFY2(err.contains("records are not being kept: the PostgreSQL server stopped answering"),
        err.constData());
}

// Two PCs receive into one job at once, record by record: each ID goes to one
// first test, and the records past the last ID are unplanned.
void TestSharedStore::twoWritersIntoOneJob()
{
    const QString url = databaseUrl(QStringLiteral("team"), true);
    QVERIFY(!url.isEmpty());
    {
        RecordStore store(StoreLocation::parse(url));
        QVERIFY(store.open());
        JobStore jobs(store);
        JobFacts facts;
        facts.name = QStringLiteral("Team");
        QStringList ids;
        for (int i = 1; i <= 60; ++i)
            ids << QStringLiteral("T%1").arg(i, 2, 10, QLatin1Char('0'));
        QVERIFY(jobs.createJob(facts) && jobs.addCableIds(facts.name, ids));
    }
    QStringList failures[2];
    const auto writer = [&](int pc) {
        RecordStore store(StoreLocation::parse(url));
        if (!store.open())
            failures[pc] << store.errorString();
        QSqlDatabase db = store.database();
        for (int i = 0; i < 40 && failures[pc].isEmpty(); ++i) {
            QVector<RecordAssignment> given;
            QString error;
            const bool done = db.transaction()
                && CableIdAssigner::assignArrivals(db, QStringLiteral("Team"),
                    QStringLiteral("T31"),
                    { storedRecord(uint16_t(1000 * (pc + 1) + i), QString()) }, &given, &error);
            QThread::msleep(2); // the rest of the write
            if (!done || !db.commit())
                failures[pc] << error + db.lastError().text();
        }
    };
    QThread *pcs[] = { QThread::create(writer, 0), QThread::create(writer, 1) };
    for (QThread *pc : pcs)
        pc->start();
    for (QThread *pc : pcs) {
        QVERIFY(pc->wait(120000));
        delete pc;
    }
    QCOMPARE(failures[0] + failures[1], QStringList());

    RecordStore store(StoreLocation::parse(url));
    QVERIFY(store.open());
    QSqlQuery query(store.database());
    QVERIFY(
        query.exec(QStringLiteral("SELECT COUNT(cable_id), COUNT(DISTINCT cable_id),"
                                  " COUNT(*) FROM lumetra_record_jobs WHERE job_name = 'Team'")));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), 60);
    QCOMPARE(query.value(1).toInt(), 60);
    QCOMPARE(query.value(2).toInt(), 80);
}

// A team member's role may use the tables but not make them: it cannot
// upgrade a store of the version before, says so, and reads it as it is;
// once the owner has upgraded it and granted the new tables, it works.
// Two PCs receive four exports each into one job of a team store at once,
// from the meter to the server: no ID goes to two first tests.
void TestSharedStore::twoReceiversIntoOneJob()
{
    const QString url = databaseUrl(QStringLiteral("teamreceive"), true);
    QVERIFY(!url.isEmpty());
    int exitCode = -1;
    run({ "job", "create", "Team", "--database", url }, &exitCode);
    QCOMPARE(exitCode, 0);
    run({ "job", "ids", "Team", "--pattern", "T{01..60}", "--database", url }, &exitCode);
    QCOMPARE(exitCode, 0);
    QTemporaryDir dir;
    std::vector<std::unique_ptr<MeterSimProcess>> meters;
    for (int pc = 0; pc < 2; ++pc) {
        QFile capture(dir.filePath(QStringLiteral("exports%1.bin").arg(pc)));
        QVERIFY(capture.open(QIODevice::WriteOnly));
        QStringList arguments { "--raw", capture.fileName(), "--no-trailer", "--no-pacing",
            "--wait-open" };
        for (int batch = 0; batch < 4; ++batch) {
            if (batch > 0)
                arguments << "--pause-at" << QStringLiteral("%1:1000").arg(capture.pos());
            capture.write(MeterSimProcess::streamFor(
                { "--records", "10", "--seed", QString::number(70 + 10 * pc + batch) }));
        }
        capture.close();
        meters.push_back(std::make_unique<MeterSimProcess>(arguments));
        QVERIFY(meters.back()->start());
    }
    QVector<std::shared_ptr<QProcess>> receivers;
    // Two PCs: each its own folder for records that wait, and its own lock.
    QTemporaryDir homes[2];
    for (const auto &meter : meters) {
        auto receiver = std::make_shared<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), homes[receivers.size()].path());
        receiver->setProcessEnvironment(environment);
        receiver->start(QStringLiteral(LUMETRA_CLI),
            { "receive", meter->path(), "--job", "Team", "--batches", "4", "--timeout", "60",
                "--database", url });
        receivers << receiver;
    }
    QStringList given;
    QByteArray told;
    for (const auto &receiver : qAsConst(receivers)) {
        QVERIFY(receiver->waitForFinished(90000));
        QCOMPARE(receiver->exitCode(), 0);
        const QByteArray error = receiver->readAllStandardError();
        told += error + receiver->readAllStandardOutput();
        for (const QByteArray &line : error.split('\n')) {
            if (line.contains(": cable ID "))
                given << QString::fromUtf8(line.mid(line.indexOf(": cable ID ") + 11));
        }
    }
    QVERIFY2(given.size() == 60, told.constData());
    QCOMPARE(QSet<QString>(given.begin(), given.end()).size(), 60);

    RecordStore store(StoreLocation::parse(url));
    QVERIFY(store.open(RecordStore::Access::ReadOnly));
    QSqlQuery query(store.database());
    QVERIFY(query.exec(QStringLiteral("SELECT COUNT(cable_id), COUNT(DISTINCT cable_id), COUNT(*)"
                                      " FROM lumetra_record_jobs WHERE job_name = 'Team'")));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), 60);
    QCOMPARE(query.value(1).toInt(), 60);
    QCOMPARE(query.value(2).toInt(), 80);
}

void TestSharedStore::theOwnerUpgradesFirst()
{
    const QString owner = databaseUrl(QStringLiteral("older"), true);
    QVERIFY(!owner.isEmpty());
    const auto runAs = [](const QString &url, const QStringList &statements) {
        RecordStore store(StoreLocation::parse(url));
        if (!store.open())
            return store.errorString();
        for (const QString &statement : statements) {
            QSqlQuery query(store.database());
            if (!query.exec(statement))
                return query.lastError().text();
        }
        return QString();
    };
    const QString grant = QStringLiteral(
        "GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA public TO technician");
    // The store as the version before made it, and a member's role.
    QVERIFY(RecordKeeper(StoreLocation::parse(owner)).keep({ storedRecord(5, "Kept") }));
    QCOMPARE(runAs(owner,
                 { "DROP TABLE lumetra_jobs, lumetra_job_ids, lumetra_record_jobs,"
                   " lumetra_job_versions",
                     "UPDATE lumetra_meta SET value = '2' WHERE name = 'schema_version'",
                     "CREATE ROLE technician LOGIN PASSWORD 'fibre'", grant }),
        QString());
    const StoreLocation ownerLocation = StoreLocation::parse(owner);
    QString member = owner;
    member.replace(ownerLocation.user + ':' + ownerLocation.password + '@',
        QStringLiteral("technician:fibre@"));

    RecordStore store(StoreLocation::parse(member));
    QVERIFY(!store.open());
    QVERIFY2(store.errorString().startsWith(
                 QStringLiteral("this records store is of version 2 and must be upgraded to "
                                "version %1")
                     .arg(RecordStore::schemaVersion)),
        qPrintable(store.errorString()));
    QVERIFY2(store.errorString().endsWith(QLatin1String("ask the store's owner to open it once "
                                                        "with this Lumetra")),
        qPrintable(store.errorString()));
    QVERIFY(store.open(RecordStore::Access::ReadOnly));
    QCOMPARE(store.version(), 2);
    QStringList read;
    QVERIFY(
        store.forEachRecord({}, [&](const StoredRecord &row) { read << row.headers.companyName; }));
    QCOMPARE(read, QStringList({ "Kept" }));
    store.close();

    QCOMPARE(runAs(owner, { grant }), QString()); // upgraded as it opens
    QVERIFY2(store.open(), qPrintable(store.errorString()));
    JobFacts facts;
    facts.name = QStringLiteral("North");
    JobStore jobs(store);
    QVERIFY2(jobs.createJob(facts), qPrintable(jobs.errorString()));
}

// pg_trgm's indexes, and its planner's choice between them and the newest
// records first, find what reading every record finds.
void TestSharedStore::searchIsTheSameWithTheIndex()
{
    const QString url = databaseUrl(QStringLiteral("search"), true);
    QVERIFY(!url.isEmpty());
    const QVector<SearchCases::Case> all = SearchCases::cases();
    RecordStore store(StoreLocation::parse(url));
    QVERIFY(store.open() && store.searchIndexed());
    QVERIFY2(SearchCases::write(store, all), qPrintable(store.errorString()));
    for (const bool indexed : { true, false }) {
        QVERIFY(indexed
            || QSqlQuery(store.database())
                   .exec(QStringLiteral(
                       "DROP INDEX lumetra_records_search, lumetra_record_jobs_search")));
        for (const QString &search : SearchCases::searches()) {
            const QStringList expected = SearchCases::expected(all, search);
            QCOMPARE(SearchCases::found(store, search), expected);
            // Three: the newest thirty records first, then the older ones.
            QCOMPARE(SearchCases::found(store, search, 3), expected.mid(0, 3));
        }
    }
}

// A role that may make tables but not add pg_trgm: the store is made and
// works as before, and says once that its search is not indexed.
void TestSharedStore::withoutTheRightToIndexItSaysSoOnce()
{
    const QString owner = databaseUrl(QStringLiteral("unindexed"), true);
    QVERIFY(!owner.isEmpty());
    const StoreLocation ownerLocation = StoreLocation::parse(owner);
    {
        // The server's owner, in that database, with no store made there.
        QSqlDatabase server = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), "unindexed");
        server.setHostName(ownerLocation.host);
        server.setPort(ownerLocation.port);
        server.setDatabaseName(ownerLocation.database);
        server.setUserName(ownerLocation.user);
        server.setPassword(ownerLocation.password);
        QVERIFY(server.open());
        for (const char *statement : { "CREATE ROLE maker LOGIN PASSWORD 'fibre'",
                 "GRANT CREATE ON SCHEMA public TO maker" })
            QVERIFY(QSqlQuery(server).exec(QString::fromLatin1(statement)));
        server.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("unindexed"));
    QString maker = owner;
    maker.replace(
        ownerLocation.user + ':' + ownerLocation.password + '@', QStringLiteral("maker:fibre@"));
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &, const QString &text) {
            if (type == QtWarningMsg)
                warnings << text;
        });
    const QVector<SearchCases::Case> all = SearchCases::cases().mid(0, 12);
    bool written = false, again = false, indexed = true;
    {
        RecordStore store(StoreLocation::parse(maker));
        written = store.open() && SearchCases::write(store, all);
        indexed = store.searchIndexed();
    }
    RecordStore store(StoreLocation::parse(maker));
    again = store.open();
    qInstallMessageHandler(previous);
    QVERIFY(written && again && !indexed);
    QCOMPARE(warnings.filter(QStringLiteral("not indexed")).size(), 1);
    QVERIFY2(warnings.first().contains(QLatin1String("permission denied to create extension")),
        qPrintable(warnings.join('\n')));
    QCOMPARE(SearchCases::found(store, QStringLiteral("common operator")),
        SearchCases::expected(all, QStringLiteral("common operator")));
}

QTEST_GUILESS_MAIN(TestSharedStore)
#include "tst_sharedstore.moc"
