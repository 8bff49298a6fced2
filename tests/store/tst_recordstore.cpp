// SPDX-License-Identifier: MIT
#include "jobstore.h"
#include "recordcsv.h"
#include "recordkeeper.h"
#include "recordstore.h"
#include "searchcases.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

// A store written by a newer Lumetra, or a file of another program, is
// refused as a whole, and not one of its bytes changes. Records and typed
// texts survive a store that is locked, out of date, full or refusing a row.
class TestRecordStore : public QObject
{
    Q_OBJECT

private slots:
    void newerSchemaIsRefusedAndLeftAlone();
    void foreignFileIsRefusedAndLeftAlone();
    void olderStoreIsUpgradedWithWhatWaited();
    void aBatchWaitingKeepsItsJob();
    void typedTextsSurviveALockedStore();
    void refusedRowIsSetAside();
    void fullDiskKeepsRecordsForTheNextStart();
    void searchFindsANoteWordAsTheCsvShowsIt();
    void indexedSearchFindsWhatEveryRecordHolds();
    void fullDiskRefusesTheUpgrade();
    void cancelledUpgradeLeavesTheStoreAsItWas();
};

namespace {
StoredRecord storedRecord(uint16_t number, const QString &company)
{
    StoredRecord row;
    row.record.recordNumber = number;
    row.record.thresholdCentiDb = 150;
    row.headers.companyName = company;
    row.sourceKind = QStringLiteral("port");
    row.source = QStringLiteral("/dev/ttyUSB0");
    row.receivedAtMs = 1700000000000 + number;
    return row;
}

QStringList warnings;

// Each stored record, "number company" with its latest texts; for a waiting
// file, what waits there.
QStringList storedIn(const QString &store)
{
    RecordStore reader(StoreLocation::parse(store));
    QVector<StoredRecord> rows;
    QVector<StoreSession> sessions;
    qint64 last = 0;
    const bool waiting
        = store.endsWith(QLatin1String(".pending")) || store.endsWith(QLatin1String(".set-aside"));
    if (!reader.open()
        || !(waiting ? reader.readWaiting(&rows, &sessions, &last)
                     : reader.forEachRecord({}, [&](const StoredRecord &row) { rows << row; })))
        return { reader.errorString() };
    QStringList stored;
    for (const StoredRecord &row : qAsConst(rows))
        stored << QString::number(row.record.recordNumber) + ' ' + row.headers.companyName;
    return stored;
}

// The companies of a record's text versions, the first first.
QStringList companiesOf(const QString &store, uint16_t number)
{
    RecordStore reader(StoreLocation::parse(store));
    QVector<TextVersion> versions;
    reader.open();
    reader.readTextVersions(storedRecord(number, {}).key(), &versions);
    QStringList companies;
    for (const TextVersion &version : qAsConst(versions))
        companies << version.headers.companyName;
    return companies;
}

// What an earlier version had: no search index.
bool withoutIndex(const QString &path, int version)
{
    RecordStore store(StoreLocation::parse(path));
    if (!store.open())
        return false;
    for (const char *statement : { "DROP TRIGGER lumetra_search_added",
             "DROP TRIGGER lumetra_search_changed", "DROP TRIGGER lumetra_search_removed",
             "DROP TRIGGER lumetra_search_id_added", "DROP TRIGGER lumetra_search_id_changed",
             "DROP TRIGGER lumetra_search_id_removed", "DROP TABLE lumetra_search",
             "DROP TABLE lumetra_search_order", "DROP TABLE lumetra_search_queue" }) {
        if (!QSqlQuery(store.database()).exec(QString::fromLatin1(statement)))
            return false;
    }
    return QSqlQuery(store.database())
        .exec(QStringLiteral("UPDATE lumetra_meta SET value = '%1' WHERE name = 'schema_version'")
                  .arg(version));
}

QByteArray digestOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
        ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
        : QByteArray();
}
} // namespace

void TestRecordStore::newerSchemaIsRefusedAndLeftAlone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records.sqlite"));
    {
        RecordStore store(StoreLocation::parse(path));
        QVERIFY2(store.open(), qPrintable(store.errorString()));
        QVERIFY(store.write({ storedRecord(7, QStringLiteral("Fibre Works")) }));
        // What a later Lumetra would have made of it.
        QVERIFY(QSqlQuery(store.database())
                    .exec(QStringLiteral("UPDATE lumetra_meta SET value = '%1'"
                                         " WHERE name = 'schema_version'")
                              .arg(RecordStore::schemaVersion + 1)));
        QVERIFY(QSqlQuery(store.database())
                    .exec(QStringLiteral("ALTER TABLE lumetra_records ADD COLUMN later TEXT")));
    }
    const QByteArray before = digestOf(path);
    QVERIFY(!before.isEmpty());
    const QString why = QStringLiteral("this records store was written by a newer Lumetra "
                                       "(records store version %1; this Lumetra knows version "
                                       "%2); it is left as it is")
                            .arg(RecordStore::schemaVersion + 1)
                            .arg(RecordStore::schemaVersion);
    {
        RecordKeeper keeper(StoreLocation::parse(path));
        keeper.startSession();
        QVERIFY(!keeper.keep({ storedRecord(8, QStringLiteral("Later Ltd")) }));
        QVERIFY(!keeper.isKeeping());
        QCOMPARE(keeper.problem(), why);
    }
    QCOMPARE(digestOf(path), before);
}

void TestRecordStore::foreignFileIsRefusedAndLeftAlone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("inventory.db"));
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "inventory");
        other.setDatabaseName(path);
        QVERIFY(other.open());
        QVERIFY(QSqlQuery(other).exec(QStringLiteral("CREATE TABLE parts (name TEXT)")));
        QVERIFY(QSqlQuery(other).exec(QStringLiteral("INSERT INTO parts VALUES ('MPO cable')")));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("inventory"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    {
        RecordKeeper keeper(StoreLocation::parse(path));
        QVERIFY(!keeper.keep({ storedRecord(7, QStringLiteral("Fibre Works")) }));
        QCOMPARE(keeper.problem(),
            QStringLiteral("not a Lumetra records store: the file holds another program's "
                           "tables; it is left as it is"));
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QVERIFY(!QFileInfo::exists(path + QStringLiteral("-wal")));
}

// A store and a waiting file as the version before wrote them: record 7
// typed as "Fibre Works" and received again, without texts, while the store
// was locked; record 10 waiting too.
void TestRecordStore::olderStoreIsUpgradedWithWhatWaited()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records.sqlite"));
    for (const QString &suffix : { QString(), QStringLiteral(".pending") })
        QVERIFY(QFile::copy(
            QStringLiteral(LUMETRA_FIXTURES "/records-v1.sqlite") + suffix, path + suffix));
    {
        RecordKeeper keeper(StoreLocation::parse(path));
    }
    QCOMPARE(storedIn(path), QStringList({ "7 Fibre Works", "8 ", "9 ", "10 " }));
    QCOMPARE(companiesOf(path, 7), QStringList({ "Fibre Works" }));
    QCOMPARE(companiesOf(path, 8), QStringList()); // it never had texts
    QCOMPARE(storedIn(path + QStringLiteral(".pending")), QStringList()); // written once
}

// Batches that waited for the store, one received into no job (a waiting file
// as the version before wrote it), two into a job from C: they take their IDs
// when they reach the store, from the start they were received with.
void TestRecordStore::aBatchWaitingKeepsItsJob()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records.sqlite"));
    {
        RecordStore store(StoreLocation::parse(path));
        JobStore jobs(store);
        JobFacts north;
        north.name = QStringLiteral("North");
        QVERIFY(store.open() && jobs.createJob(north));
        QVERIFY(jobs.addCableIds(north.name, { "A", "B", "C", "D" }));
        RecordStore waiting(StoreLocation::parse(path + QStringLiteral(".pending")));
        QVERIFY(waiting.open() && waiting.appendWaiting({ storedRecord(1, "Before") }, {}));
        StoredRecord second = storedRecord(2, "Into North"), third = storedRecord(3, {});
        for (StoredRecord *row : { &second, &third }) {
            row->arrivalJob = north.name;
            row->arrivalStartId = QStringLiteral("C");
        }
        QVERIFY(waiting.appendWaiting({ second }, {}) && waiting.appendWaiting({ third }, {}));
    }
    QVector<RecordOutcome> told;
    {
        RecordKeeper keeper(StoreLocation::parse(path), RecordKeeper::Writing::InBackground);
        connect(&keeper, &RecordKeeper::written, this,
            [&](const QVector<RecordOutcome> &outcomes) { told += outcomes; });
        QVERIFY(keeper.waitForStore(10000));
    }
    QStringList placed;
    for (const RecordOutcome &outcome : qAsConst(told))
        placed << outcome.assignment.job + ':' + outcome.assignment.cableId;
    QCOMPARE(placed, QStringList({ ":", "North:C", "North:D" }));
    QCOMPARE(storedIn(path), QStringList({ "1 Before", "2 Into North", "3 " }));
    QCOMPARE(storedIn(path + QStringLiteral(".pending")), QStringList());
}

void TestRecordStore::typedTextsSurviveALockedStore()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records.sqlite"));
    QVERIFY(RecordKeeper(StoreLocation::parse(path)).keep({ storedRecord(7, "Fibre Works") }));
    RecordKeeper receiver(StoreLocation::parse(path));
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other");
        other.setDatabaseName(path);
        QVERIFY(other.open());
        QVERIFY(QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        // lumetra-cli receives record 7 again, with no texts of its own, then
        // a window lists it with the screen's texts.
        StoredRecord again = storedRecord(7, QString());
        again.textsKnown = false;
        QVERIFY(!receiver.keep({ again }));
        StoredRecord listed = storedRecord(7, QStringLiteral("On screen"));
        listed.arrival = true;
        QVERIFY(!RecordKeeper(StoreLocation::parse(path)).keep({ listed }));
        QVERIFY(QSqlQuery(other).exec(QStringLiteral("COMMIT")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    QVERIFY(receiver.keep({ storedRecord(8, "Next") })); // the next batch catches up
    QCOMPARE(storedIn(path), QStringList({ "7 Fibre Works", "8 Next" }));
    QCOMPARE(companiesOf(path, 7), QStringList({ "Fibre Works" }));
}

void TestRecordStore::refusedRowIsSetAside()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records.sqlite"));
    {
        RecordStore store(StoreLocation::parse(path));
        QVERIFY(store.open());
        QVERIFY(QSqlQuery(store.database())
                    .exec(QStringLiteral("CREATE TRIGGER no_eight BEFORE INSERT ON lumetra_records"
                                         " WHEN NEW.record_number = 8"
                                         " BEGIN SELECT RAISE(ABORT, 'no record 8 here'); END")));
    }
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &text) { warnings << text; });
    const bool kept
        = RecordKeeper(StoreLocation::parse(path))
              .keep({ storedRecord(7, "A"), storedRecord(8, "B"), storedRecord(9, "C") });
    qInstallMessageHandler(previous);
    QVERIFY(kept);
    QCOMPARE(storedIn(path), QStringList({ "7 A", "9 C" }));
    const QString aside = path + QStringLiteral(".set-aside");
    QCOMPARE(warnings,
        QStringList({ "record 008 was not stored: no record 8 here; it is set aside in "
            + QDir::toNativeSeparators(aside) }));
    QCOMPARE(storedIn(aside), QStringList({ "8 B" }));
}

// The store on a full disk: its waiting file beside it cannot be written
// either, so the records wait in the data folder, or in memory when that is
// full too, and are all stored, once, when there is room again.
void TestRecordStore::fullDiskKeepsRecordsForTheNextStart()
{
    QTemporaryDir dir;
    const QString disk = dir.filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(disk));
    if (QProcess::execute(
            QStringLiteral("mount"), { "-t", "tmpfs", "-o", "size=512k", "tmpfs", disk })
        != 0)
        QSKIP("cannot mount a small tmpfs here (needs root and a mount namespace that allows it)");
    struct Unmount
    {
        QString disk;
        ~Unmount() { QProcess::execute(QStringLiteral("umount"), { disk }); }
    } unmount { disk };
    const QString path = disk + QStringLiteral("/records.sqlite");
    QVERIFY(RecordKeeper(StoreLocation::parse(path)).keep({ storedRecord(1, "First") }));
    QFile filler(disk + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(4096, 'x')) == 4096 && filler.flush()) { }
    filler.close();

    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    QVector<StoredRecord> forty;
    for (int number = 10; number < 50; ++number)
        forty << storedRecord(number, QStringLiteral("Company %1").arg(number));
    {
        RecordKeeper keeper(StoreLocation::parse(path));
        QVERIFY(!keeper.keep(forty));
        QVERIFY2(!keeper.problem().contains(QLatin1String("memory")), qPrintable(keeper.problem()));
    }
    // The data folder full too: held in memory, and the status says so.
    qputenv("XDG_DATA_HOME", (disk + QStringLiteral("/data")).toLocal8Bit());
    RecordKeeper keeper(StoreLocation::parse(path));
    QVERIFY(!keeper.keep({ storedRecord(50, "Held") }));
    QVERIFY2(keeper.problem().endsWith(
                 QLatin1String("; records are held in memory only, until the store can take them")),
        qPrintable(keeper.problem()));

    QVERIFY(filler.remove());
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    QVERIFY(keeper.keep({ storedRecord(51, "Next batch") }));
    {
        RecordKeeper nextStart(StoreLocation::parse(path));
    }
    qputenv("XDG_DATA_HOME", dataHome);
    const QStringList stored = storedIn(path);
    QCOMPARE(stored.size(), 43);
    QCOMPARE(QSet<QString>(stored.begin(), stored.end()).size(), 43);
    QCOMPARE(companiesOf(path, 49), QStringList({ "Company 49" }));
}

// A word of a note is found exactly when the CSV's note column holds it:
// not the markup, the style or an entity's name, and a word whose letters
// are in and out of bold is one word.
void TestRecordStore::searchFindsANoteWordAsTheCsvShowsIt()
{
    QTemporaryDir dir;
    RecordStore store(StoreLocation::parse(dir.filePath(QStringLiteral("records.sqlite"))));
    QVERIFY(store.open());
    StoredRecord row = storedRecord(1, QString());
    row.headers.noteHtml = QStringLiteral(
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\"><html><head><meta "
        "name=\"qrichtext\" content=\"1\" /><style type=\"text/css\">p, li { white-space: "
        "pre-wrap; }</style></head><body style=\" font-family:'Sans Serif';\"><p style=\" "
        "margin-top:0px;\">Con<span style=\" font-weight:600;\">nect</span>or "
        "cleaned<br />retested &amp; passed</p><p>Tray&nbsp;B &lt;north&gt; &#233;tage "
        "&#x4B;abel</p></body></html>");
    QVERIFY(store.write({ row }));
    const QString csv = recordListCsv({ row.record }, { row.headers });
    const QString line = csv.section(QStringLiteral("\r\n"), 1, 1);
    // The note is the last quoted cell; the job and its cable ID follow, empty.
    QVERIFY(line.endsWith(QLatin1String("\",,")));
    const QString note = line.mid(line.indexOf(QLatin1String(",\"")) + 2)
                             .chopped(3)
                             .replace(QLatin1String("\"\""), QLatin1String("\""))
                             .toLower();
    static const QRegularExpression notLetters(QStringLiteral("[^\\p{L}]+"));
    QStringList words = (row.headers.noteHtml + ' ' + note).toLower().split(notLetters);
    words.removeAll(QString());
    words.removeDuplicates();
    QStringList found, shown;
    for (const QString &word : qAsConst(words)) {
        bool any = false;
        QVERIFY(store.forEachRecord({ word, 0, 0 }, [&](const StoredRecord &) { any = true; }));
        if (any)
            found << word;
        if (note.contains(word))
            shown << word;
    }
    QCOMPARE(found, shown);
    QVERIFY2(shown.contains("connector") && shown.contains(QString::fromUtf8("étage"))
            && !shown.contains("span") && !shown.contains("nbsp"),
        qPrintable(shown.join(' ')));
}

// Through the index as by reading every record: LIKE's own characters,
// letter case, Greek and Chinese, one and two characters, a third of the
// store, the window's bound; records received out of order, texts and cable
// IDs that change, two batches of one millisecond.
void TestRecordStore::indexedSearchFindsWhatEveryRecordHolds()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records.sqlite"));
    const QString plain = dir.filePath(QStringLiteral("plain.sqlite"));
    QVector<SearchCases::Case> all = SearchCases::cases();
    {
        RecordStore store(StoreLocation::parse(path));
        QVERIFY(store.open() && store.searchIndexed());
        QVERIFY2(SearchCases::write(store, all), qPrintable(store.errorString()));
    }
    QVERIFY(QFile::copy(path, plain) && withoutIndex(plain, RecordStore::schemaVersion));
    const auto compare = [&](const QStringList &searches) {
        RecordStore indexed(StoreLocation::parse(path));
        RecordStore without(StoreLocation::parse(plain));
        QVERIFY(indexed.open(RecordStore::Access::ReadOnly) && indexed.searchIndexed());
        QVERIFY(without.open(RecordStore::Access::ReadOnly) && !without.searchIndexed());
        for (const QString &search : searches) {
            const QStringList expected = SearchCases::expected(all, search);
            QCOMPARE(SearchCases::found(indexed, search), expected);
            QCOMPARE(SearchCases::found(without, search), expected);
            QCOMPARE(SearchCases::found(indexed, search, 7), expected.mid(0, 7));
        }
    };
    // The writes brought the index up to date in their own transactions.
    const auto waiting = [](const QString &store) {
        RecordStore reader(StoreLocation::parse(store));
        QSqlQuery query(
            reader.open(RecordStore::Access::ReadOnly) ? reader.database() : QSqlDatabase());
        return query.exec(QStringLiteral("SELECT COUNT(*) FROM lumetra_search_queue"))
                && query.next()
            ? query.value(0).toInt()
            : -1;
    };
    QCOMPARE(waiting(path), 0);
    compare(SearchCases::searches());
    QCOMPARE(SearchCases::expected(all, QStringLiteral("common operator")).size(), all.size() / 3);

    RecordStore store(StoreLocation::parse(path));
    QVERIFY(store.open());
    StoredRecord edited = all[6].row;
    edited.headers.companyName = QStringLiteral("Renamed Works");
    edited.changedAtMs = QDateTime::currentMSecsSinceEpoch();
    QVERIFY(store.write({ edited }));
    all[6].row.headers = edited.headers;
    QVERIFY(JobStore(store).renameCableId(
        QStringLiteral("Trunks"), all[8].cableId, QStringLiteral("Moved-Ω")));
    all[8].cableId = QStringLiteral("Moved-Ω");
    QVector<StoredRecord> twins;
    for (uint16_t number : { 70, 71 }) {
        SearchCases::Case twin;
        twin.row.record.recordNumber = number;
        twin.row.headers.companyName = QStringLiteral("Twin Trunk");
        twin.row.receivedAtMs = 1700000090000;
        twin.row.batchPosition = 3;
        twins << twin.row;
        all << twin;
    }
    QVERIFY(store.write(twins));
    store.close();
    QVERIFY(QFile::remove(plain) && QFile::copy(path, plain)
        && withoutIndex(plain, RecordStore::schemaVersion));
    QCOMPARE(waiting(path), 0);
    compare({ "renamed", "100% fibre", "moved-", "rack_0-t8", "-ω" });
    QVERIFY(store.open(RecordStore::Access::ReadOnly));
    QStringList bothTwins = SearchCases::found(store, QStringLiteral("twin trunk"));
    bothTwins.sort();
    QCOMPARE(bothTwins, QStringList({ "70", "71" }));
}

// The index needs about as much room as the store: without it, the store
// is left as it is, and says why.
void TestRecordStore::fullDiskRefusesTheUpgrade()
{
    QTemporaryDir dir;
    const QString disk = dir.filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(disk));
    if (QProcess::execute(
            QStringLiteral("mount"), { "-t", "tmpfs", "-o", "size=4m", "tmpfs", disk })
        != 0)
        QSKIP("cannot mount a small tmpfs here (needs root and a mount namespace that allows it)");
    struct Unmount
    {
        QString disk;
        ~Unmount() { QProcess::execute(QStringLiteral("umount"), { disk }); }
    } unmount { disk };
    const QString made = dir.filePath(QStringLiteral("records.sqlite"));
    {
        RecordStore store(StoreLocation::parse(made));
        QVERIFY(store.open());
        QVector<StoredRecord> rows;
        for (int number = 1; number <= 400; ++number) {
            rows << storedRecord(uint16_t(number), QStringLiteral("Company %1").arg(number));
            rows.last().headers.noteHtml = QString(800, QLatin1Char('n'));
        }
        QVERIFY(store.write(rows));
    }
    const QString path = disk + QStringLiteral("/records.sqlite");
    QVERIFY(withoutIndex(made, 3) && QFile::copy(made, path));
    QFile filler(disk + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'x')) == 4096) { }
    QVERIFY(filler.resize(filler.size() - 96 * 1024)); // room to open it, not to index it
    filler.close();
    const QByteArray before = digestOf(path);

    RecordStore store(StoreLocation::parse(path));
    QVERIFY(!store.open());
    QVERIFY2(store.errorString().startsWith(
                 QLatin1String("there is not enough free space to upgrade the records store")),
        qPrintable(store.errorString()));
    QVERIFY2(store.errorString().endsWith(QLatin1String("it is left as it is")),
        qPrintable(store.errorString()));
    QCOMPARE(digestOf(path), before);
    QVERIFY(store.open(RecordStore::Access::ReadOnly));
    QCOMPARE(store.foundVersion(), 3);
    int read = 0;
    QVERIFY(store.forEachRecord({}, [&read](const StoredRecord &) { ++read; }));
    QCOMPARE(read, 400);
}

// Cancelled after its only chunk is indexed: nothing of it stays, and the
// next start upgrades it.
void TestRecordStore::cancelledUpgradeLeavesTheStoreAsItWas()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records.sqlite"));
    QVERIFY(QFile::copy(QStringLiteral(LUMETRA_FIXTURES "/records-v3.sqlite"), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray before = digestOf(path);
    QVector<qint64> told;
    {
        RecordStore store(StoreLocation::parse(path));
        store.setUpgradeProgress([&told](qint64 done, qint64 total) {
            told << done << total;
            return told.size() < 4;
        });
        QVERIFY(!store.open());
        QCOMPARE(store.errorString(),
            QStringLiteral("the upgrade of the records store from version 3 to version %1 was "
                           "cancelled; the store is left as it was")
                .arg(RecordStore::schemaVersion));
    }
    QCOMPARE(told, QVector<qint64>({ 0, 5, 5, 5 }));
    QCOMPARE(digestOf(path), before);
    RecordStore store(StoreLocation::parse(path));
    QVERIFY(store.open(RecordStore::Access::ReadOnly));
    QCOMPARE(store.foundVersion(), 3);
    store.close();
    QVERIFY(store.open() && store.searchIndexed());
    QCOMPARE(storedIn(path).size(), 5);
}

QTEST_GUILESS_MAIN(TestRecordStore)
#include "tst_recordstore.moc"
