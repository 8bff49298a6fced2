// SPDX-License-Identifier: MIT
#include "cableidassigner.h"
#include "jobstore.h"
#include "recordstore.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

// Jobs in the records store: older stores upgraded losing nothing, with the
// search index, and read as they are, records taking their cable IDs as
// they arrive, and texts set on a whole job in one transaction.
class TestJobStore : public QObject
{
    Q_OBJECT

private slots:
    void upgradeKeepsEverything_data();
    void upgradeKeepsEverything();
    void thisVersionsFixtureReads();
    void everyVersionIsSearchedAlike_data();
    void everyVersionIsSearchedAlike();
    void arrivalsTakeTheirIds();
    void idsChangeWithTheirRecords();
    void anOpenedArchiveBringsItsJob();
    void textsOfAWholeJobAtOnce();
};

namespace {
StoredRecord storedRecord(uint16_t number, const QString &company = QString())
{
    StoredRecord row;
    row.record.recordNumber = number;
    row.record.thresholdCentiDb = 150;
    row.record.headerByte5 = 1;
    row.record.headerByte8 = 1;
    row.record.wavelengthCode = 1;
    for (ChannelResult &channel : row.record.channels) {
        channel.referenceDbm = -20.0f;
        channel.powerDbm = number % 4 == 0 ? -22.0f : -20.5f; // every fourth fails
    }
    row.headers.companyName = company;
    row.sourceKind = QStringLiteral("port");
    row.receivedAtMs = 1700000000000 + number;
    return row;
}

QByteArray digestOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
        ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
        : QByteArray();
}

// "7 Company" for each record, oldest first.
QStringList recordsIn(RecordStore &store, const HistoryFilter &filter = {})
{
    QStringList found;
    store.forEachRecord(filter, [&](const StoredRecord &row) {
        found << QString::number(row.record.recordNumber) + ' ' + row.headers.companyName;
    });
    return found;
}

// Of the stored record of that number.
QStringList companiesOf(RecordStore &store, uint16_t number)
{
    QString key;
    store.forEachRecord({}, [&](const StoredRecord &row) {
        if (row.record.recordNumber == number)
            key = row.key();
    });
    QVector<TextVersion> versions;
    store.readTextVersions(key, &versions);
    QStringList companies;
    for (const TextVersion &version : qAsConst(versions))
        companies << version.headers.companyName;
    return companies;
}

// The IDs given to rows that arrive in one transaction, "-" for none.
QStringList arrive(RecordStore &store, const QVector<StoredRecord> &rows,
    const QString &startId = QString(), const QString &job = QStringLiteral("North"))
{
    QSqlDatabase db = store.database();
    QVector<RecordAssignment> given;
    QString error;
    if (!db.transaction())
        return { db.lastError().text() };
    if (!CableIdAssigner::assignArrivals(db, job, startId, rows, &given, &error)) {
        db.rollback();
        return { error };
    }
    if (!db.commit() || !store.write(rows))
        return { store.errorString() };
    QStringList ids;
    for (const RecordAssignment &assignment : qAsConst(given))
        ids << (assignment.job != job                ? assignment.job + ':' + assignment.cableId
                       : assignment.cableId.isNull() ? QStringLiteral("-")
                                                     : assignment.cableId)
                + (assignment.tookRetest ? QStringLiteral(" (retest)") : QString())
                + (assignment.arrived ? QString() : QStringLiteral(" (kept)"));
    return ids;
}

QString stateOf(const JobStatus &status, const QString &id)
{
    for (const JobStatus::CableIdRow &row : status.ids) {
        if (row.cableId == id)
            return QStringLiteral("%1 %2 x%3")
                .arg(JobStatus::stateKey(row.state))
                .arg(row.latest.recordNumber)
                .arg(row.tests());
    }
    return QString();
}
} // namespace

void TestJobStore::upgradeKeepsEverything_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<int>("versioned");
    QTest::addColumn<QStringList>("versions");
    QTest::addColumn<int>("typed");

    QTest::newRow("version 1") << "records-v1.sqlite" << QStringList { "7 Fibre Works", "8 ", "9 " }
                               << 7 << QStringList { "Fibre Works" } << 1;
    QTest::newRow("version 2") << "records-v2.sqlite"
                               << QStringList { "1 Fibre Works Ltd", "2 Fibre Works", "3 ",
                                      "4 Second Site" }
                               << 1 << QStringList { "Fibre Works", "Fibre Works Ltd" } << 2;
}

void TestJobStore::upgradeKeepsEverything()
{
    QFETCH(QString, fixture);
    QFETCH(QStringList, records);
    QFETCH(int, versioned);
    QFETCH(QStringList, versions);
    QTemporaryDir dir;
    const QString path = dir.filePath(fixture);
    QVERIFY(QFile::copy(QStringLiteral(LUMETRA_FIXTURES "/") + fixture, path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray before = digestOf(path);
    {
        // A reader takes it as it is: no jobs, nothing written.
        RecordStore reader(StoreLocation::parse(path));
        QVERIFY2(reader.open(RecordStore::Access::ReadOnly), qPrintable(reader.errorString()));
        QCOMPARE(recordsIn(reader), records);
        QTEST(int(recordsIn(reader, { QStringLiteral("fibre"), QString(), 0, 0 }).size()), "typed");
        JobStore jobs(reader);
        QVector<JobStore::Summary> none;
        QVERIFY(jobs.jobs(&none) && none.isEmpty());
        JobStatus status;
        QVERIFY(!jobs.readStatus(QStringLiteral("North"), &status));
        QCOMPARE(jobs.errorString(), QStringLiteral("there is no job named North"));
    }
    QCOMPARE(digestOf(path), before);

    RecordStore store(StoreLocation::parse(path));
    QVERIFY2(store.open(), qPrintable(store.errorString()));
    QCOMPARE(store.version(), RecordStore::schemaVersion);
    QCOMPARE(recordsIn(store), records);
    QCOMPARE(companiesOf(store, uint16_t(versioned)), versions);
    JobStore jobs(store);
    JobFacts facts;
    facts.name = QStringLiteral("North");
    QVERIFY2(jobs.createJob(facts), qPrintable(jobs.errorString()));
    QVERIFY(jobs.addCableIds(facts.name, { "A01" }));
    store.close();
    QVERIFY(store.open(RecordStore::Access::ReadOnly));
    QCOMPARE(store.foundVersion(), RecordStore::schemaVersion);
    QStringList ids;
    QVERIFY(JobStore(store).cableIds(facts.name, &ids));
    QCOMPARE(ids, QStringList({ "A01" }));
}

// A store as this version writes it, for the upgrades of later ones.
void TestJobStore::thisVersionsFixtureReads()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records-v3.sqlite"));
    QVERIFY(QFile::copy(QStringLiteral(LUMETRA_FIXTURES "/records-v3.sqlite"), path));
    RecordStore store(StoreLocation::parse(path));
    QVERIFY2(store.open(RecordStore::Access::ReadOnly), qPrintable(store.errorString()));
    QCOMPARE(store.foundVersion(), 3);
    JobStatus status;
    JobStore jobs(store);
    QVERIFY2(jobs.readStatus(QStringLiteral("Hall 2"), &status), qPrintable(jobs.errorString()));
    QCOMPARE(status.facts.contractor, QStringLiteral("Fibre Works"));
    QCOMPARE(status.facts.logoFormat, QStringLiteral("png"));
    QVERIFY(status.facts.logo.startsWith("\x89PNG"));
    QCOMPARE(status.countsText(),
        QString::fromUtf8("3 of 4 tested · 3 PASS · 0 FAIL · 1 untested · 1 marked for a retest "
                          "· 1 unplanned"));
    QCOMPARE(status.ids.at(1).earlier.size(), 1); // record 2 failed, record 4 retested it
    QCOMPARE(companiesOf(store, 4), QStringList({ "Fibre Works", "Fibre Works" }));
}

void TestJobStore::everyVersionIsSearchedAlike_data()
{
    QTest::addColumn<int>("version");
    for (int version = 1; version <= RecordStore::schemaVersion; ++version)
        QTest::newRow(qPrintable(QStringLiteral("version %1").arg(version))) << version;
}

// A store of every version is searched as it is by a reader, and after its
// upgrade through its index, finding the same; every record is indexed.
void TestJobStore::everyVersionIsSearchedAlike()
{
    QFETCH(int, version);
    const QString fixture = QStringLiteral("records-v%1.sqlite").arg(version);
    QTemporaryDir dir;
    const QString path = dir.filePath(fixture);
    QVERIFY(QFile::copy(QStringLiteral(LUMETRA_FIXTURES "/") + fixture, path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray before = digestOf(path);
    const QStringList searches
        = { "", "fibre", "works ltd", "00", "a01-b0", "2026", "site", "ana" };
    QHash<QString, QStringList> asItIs;
    {
        RecordStore reader(StoreLocation::parse(path));
        QVERIFY(reader.open(RecordStore::Access::ReadOnly));
        QCOMPARE(reader.foundVersion(), version);
        for (const QString &search : searches)
            asItIs.insert(search, recordsIn(reader, { search, QString(), 0, 0 }));
    }
    QCOMPARE(digestOf(path), before);
    QVERIFY(!asItIs.value("fibre").isEmpty());

    RecordStore store(StoreLocation::parse(path));
    QVERIFY2(store.open(), qPrintable(store.errorString()));
    QVERIFY(store.searchIndexed());
    for (const QString &search : searches)
        QCOMPARE(recordsIn(store, { search, QString(), 0, 0 }), asItIs.value(search));
    QSqlQuery query(store.database());
    QVERIFY(query.exec(QStringLiteral("SELECT (SELECT COUNT(*) FROM lumetra_search_order),"
                                      " (SELECT COUNT(*) FROM lumetra_records)")));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), query.value(1).toInt());
}

void TestJobStore::arrivalsTakeTheirIds()
{
    QTemporaryDir dir;
    RecordStore store(StoreLocation::parse(dir.filePath(QStringLiteral("records.sqlite"))));
    QVERIFY(store.open());
    JobStore jobs(store);
    for (const char *name : { "North", "South" }) {
        JobFacts facts;
        facts.name = QLatin1String(name);
        QVERIFY(jobs.createJob(facts));
    }
    QVERIFY(jobs.addCableIds(QStringLiteral("North"), { "A", "B", "C", "D", "E" }));
    QVERIFY(jobs.addCableIds(QStringLiteral("South"), { "S1" }));
    QCOMPARE(arrive(store, { storedRecord(90) }, QString(), QStringLiteral("South")),
        QStringList({ "S1" }));

    // From C on, wrapping round; a record twice in one write takes one ID.
    QCOMPARE(arrive(store, { storedRecord(1), storedRecord(2), storedRecord(1), storedRecord(3) },
                 QStringLiteral("C")),
        QStringList({ "C", "D", "C (kept)", "E" }));
    QCOMPARE(arrive(store,
                 { storedRecord(4), storedRecord(2), storedRecord(90), storedRecord(5),
                     storedRecord(6) },
                 QStringLiteral("C")),
        QStringList({ "A", "D (kept)", "South:S1 (kept)", "B", "-" }));
    // Retest marks go oldest first, and only to records new to the job.
    QVERIFY(!jobs.markRetest(QStringLiteral("North"), { "A", "F" }));
    QVERIFY(jobs.markRetest(QStringLiteral("North"), { "E", "B" }));
    QCOMPARE(arrive(store, { storedRecord(3), storedRecord(7), storedRecord(8), storedRecord(9) }),
        QStringList({ "E (kept)", "E (retest)", "B (retest)", "-" }));
    QCOMPARE(arrive(store, { storedRecord(10) }, QStringLiteral("Z")),
        QStringList({ "job North has no cable ID Z" }));
    QCOMPARE(arrive(store, { storedRecord(10) }, QString(), QStringLiteral("West")),
        QStringList({ "there is no job named West" }));

    JobStatus status;
    QVERIFY(jobs.readStatus(QStringLiteral("North"), &status));
    QCOMPARE(stateOf(status, "E"), QStringLiteral("PASS 7 x2"));
    QCOMPARE(stateOf(status, "B"), QStringLiteral("FAIL 8 x2")); // record 5 passed
    QCOMPARE(stateOf(status, "C"), QStringLiteral("PASS 1 x1"));
    QCOMPARE(status.ids.at(4).earlier.at(0).recordNumber, uint16_t(3));
    QCOMPARE(status.unplanned.size(), 2);
    QCOMPARE(status.countsText(),
        QString::fromUtf8("5 of 5 tested · 3 PASS · 2 FAIL · 0 untested · 2 unplanned"));
    QVector<JobStore::Version> versions;
    QVERIFY(jobs.versions(storedRecord(7).key(), &versions));
    QCOMPARE(versions.size(), 1);
    QCOMPARE(versions.first().cableId, QStringLiteral("E"));
}

void TestJobStore::idsChangeWithTheirRecords()
{
    QTemporaryDir dir;
    RecordStore store(StoreLocation::parse(dir.filePath(QStringLiteral("records.sqlite"))));
    QVERIFY(store.open());
    JobStore jobs(store);
    JobFacts facts;
    facts.name = QStringLiteral(" North ");
    QVERIFY(jobs.createJob(facts));
    QVERIFY(!jobs.createJob(facts));
    QCOMPARE(jobs.errorString(), QStringLiteral("there is a job named North already"));
    const QString job = QStringLiteral("North");
    QVERIFY(jobs.addCableIds(job, { "A", "B", "C" }));
    QVERIFY(!jobs.addCableIds(job, { "D", "A" }));
    QCOMPARE(arrive(store, { storedRecord(1), storedRecord(2) }), QStringList({ "A", "B" }));

    QVERIFY2(jobs.renameCableId(job, "A", "A-01"), qPrintable(jobs.errorString()));
    QVERIFY(!jobs.renameCableId(job, "B", "C"));
    QVERIFY(!jobs.removeCableIds(job, { "C", "B" }));
    QVERIFY(jobs.insertCableIds(job, "B", { "X", "Y" }));
    QVERIFY(jobs.reorderCableIds(job, { "C", "B", "Y", "X", "A-01" }));
    QVERIFY(!jobs.reorderCableIds(job, { "C", "B" }));
    QVERIFY(jobs.removeCableIds(job, { "Y" }));
    QStringList ids;
    QVERIFY(jobs.cableIds(job, &ids));
    QCOMPARE(ids, QStringList({ "C", "B", "X", "A-01" }));

    // Its records follow a renamed ID, each with a version; search finds the new name.
    QVector<JobStore::Version> versions;
    QVERIFY(jobs.versions(storedRecord(1).key(), &versions));
    QCOMPARE(versions.size(), 2);
    QCOMPARE(versions.at(1).cableId, QStringLiteral("A-01"));
    HistoryFilter byId;
    byId.search = QStringLiteral("a-0");
    QCOMPARE(recordsIn(store, byId), QStringList({ "1 " }));
}

// A colleague's archive of the same job: its facts stay ours, the IDs we lack
// come at the end, and a record that has an ID keeps it.
void TestJobStore::anOpenedArchiveBringsItsJob()
{
    QTemporaryDir dir;
    RecordStore store(StoreLocation::parse(dir.filePath(QStringLiteral("records.sqlite"))));
    QVERIFY(store.open());
    JobStore jobs(store);
    JobFacts ours;
    ours.name = QStringLiteral("North");
    ours.customer = QStringLiteral("ACME");
    QVERIFY(jobs.createJob(ours) && jobs.addCableIds(ours.name, { "A", "B" }));
    QCOMPARE(arrive(store, { storedRecord(1) }), QStringList({ "A" }));

    ArchiveJob theirs;
    theirs.facts.name = QStringLiteral("North");
    theirs.facts.customer = QStringLiteral("Other customer");
    theirs.cableIds = QStringList { "B", "C", "A", "D" };
    theirs.recordIds = QStringList { "C", "C", QString() };
    QSqlDatabase db = store.database();
    QVector<RecordAssignment> given;
    QString error;
    QVERIFY(db.transaction());
    QVERIFY2(CableIdAssigner::assignFromArchive(
                 db, theirs, { storedRecord(1), storedRecord(2), storedRecord(3) }, &given, &error),
        qPrintable(error));
    QVERIFY(db.commit());
    QCOMPARE(given.at(0).cableId, QStringLiteral("A"));
    QVERIFY(!given.at(0).arrived);
    QCOMPARE(given.at(1).cableId, QStringLiteral("C"));
    QVERIFY(given.at(2).arrived && given.at(2).cableId.isNull());
    JobFacts facts;
    QStringList ids;
    QVERIFY(jobs.job(ours.name, &facts) && jobs.cableIds(ours.name, &ids));
    QCOMPARE(facts.customer, QStringLiteral("ACME"));
    QCOMPARE(ids, QStringList({ "A", "B", "C", "D" }));

    theirs.facts.name = QStringLiteral("South");
    QVERIFY(db.transaction());
    QVERIFY(CableIdAssigner::assignFromArchive(
        db, theirs, { storedRecord(4), storedRecord(5), storedRecord(6) }, &given, &error));
    QVERIFY(db.commit());
    QVERIFY(jobs.job(QStringLiteral("South"), &facts) && jobs.cableIds(facts.name, &ids));
    QCOMPARE(facts.customer, QStringLiteral("Other customer"));
    QCOMPARE(ids, theirs.cableIds);
}

// 200 records: each gets a new version of its texts in one transaction, or,
// when the store refuses one of them, none does.
void TestJobStore::textsOfAWholeJobAtOnce()
{
    QTemporaryDir dir;
    RecordStore store(StoreLocation::parse(dir.filePath(QStringLiteral("records.sqlite"))));
    QVERIFY(store.open());
    JobStore jobs(store);
    JobFacts facts;
    facts.name = QStringLiteral("North");
    QVERIFY(jobs.createJob(facts));
    QStringList ids;
    QVector<StoredRecord> rows;
    for (int i = 1; i <= 200; ++i) {
        ids << QStringLiteral("T%1").arg(i);
        rows << storedRecord(uint16_t(i), QStringLiteral("Typed"));
    }
    QVERIFY(jobs.addCableIds(facts.name, ids));
    QCOMPARE(arrive(store, rows).size(), 200);

    JobStore::TextChange change;
    change.companyName = QStringLiteral("Fibre Works");
    change.note = QStringLiteral("Tray 3 <cleaned>");
    int changed = 0;
    QVERIFY2(jobs.setTexts(facts.name, change, &changed), qPrintable(jobs.errorString()));
    QCOMPARE(changed, 200);
    QVERIFY(jobs.setTexts(facts.name, change, &changed));
    QCOMPARE(changed, 0);
    change.operatorName = QStringLiteral("Ana"); // on two chosen records
    QVERIFY(jobs.setTexts(facts.name, change, &changed,
        { storedRecord(3).key(), storedRecord(9).key(), QStringLiteral("not the job's") }));
    QCOMPARE(changed, 2);
    change.operatorName.reset();
    QVERIFY(QSqlQuery(store.database())
                .exec(QStringLiteral("CREATE TRIGGER no_second BEFORE UPDATE ON lumetra_records"
                                     " WHEN NEW.record_number = 150 AND NEW.company = 'Second'"
                                     " BEGIN SELECT RAISE(ABORT, 'not 150'); END")));
    change.companyName = QStringLiteral("Second");
    QVERIFY(!jobs.setTexts(facts.name, change, &changed));
    QVERIFY2(jobs.errorString().contains(QLatin1String("not 150")), qPrintable(jobs.errorString()));
    QVERIFY(store.isOpen());
    QStringList companies = recordsIn(store);
    QCOMPARE(companies.size(), 200);
    QCOMPARE(companies.filter(QStringLiteral(" Fibre Works")).size(), 200);
    for (const uint16_t number : { 1, 150, 200 })
        QCOMPARE(companiesOf(store, number), QStringList({ "Typed", "Fibre Works" }));
    QCOMPARE(companiesOf(store, 9), QStringList({ "Typed", "Fibre Works", "Fibre Works" }));
    QVector<StoredRecord> one;
    QVERIFY(store.readRecords({ storedRecord(7).key() }, &one));
    QCOMPARE(one.first().headers.noteHtml, QStringLiteral("<p>Tray 3 &lt;cleaned&gt;</p>"));
}

QTEST_GUILESS_MAIN(TestJobStore)
#include "tst_jobstore.moc"
