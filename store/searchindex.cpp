// SPDX-License-Identifier: MIT
#include "searchindex.h"

#include "storewatchdog.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace {

// A place is a received millisecond times 2^20 plus the place in its batch:
// distinct batches of one millisecond, or more than 2^20 records in one,
// take the next free place of that millisecond.
constexpr qint64 placesPerMs = 1 << 20;
constexpr qint64 lastMs = (qint64(1) << 42) - 1; // the year 2109

// Narrowed by at most this many trigrams: more read more of the index and
// let through hardly fewer rows.
constexpr int maxTrigrams = 24;

// How long PostgreSQL may build its indexes before it counts as gone.
constexpr int buildBoundMs = 30 * 60 * 1000;

QString errorOf(const QSqlQuery &query)
{
    const QSqlError error = query.lastError();
    return (error.databaseText().isEmpty() ? error.text() : error.databaseText()).trimmed();
}

bool run(QSqlDatabase db, const QString &sql, QString *why, QString *code = nullptr)
{
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    *why = errorOf(query);
    if (code)
        *code = query.lastError().nativeErrorCode();
    return false;
}

// The record's place from its received time and place in the batch.
QString placeOf(const QString &receivedAt, const QString &batchPosition)
{
    const QString ms = QStringLiteral("MIN(MAX(%1, 0), %2)").arg(receivedAt).arg(lastMs);
    const QString base = QStringLiteral("%1 * %2 + MIN(MAX(%3, 0), %4)")
                             .arg(ms)
                             .arg(placesPerMs)
                             .arg(batchPosition)
                             .arg(placesPerMs - 1);
    return QStringLiteral("(SELECT CASE WHEN NOT EXISTS (SELECT 1 FROM lumetra_search_order"
                          " WHERE position = b.base) THEN b.base ELSE (SELECT MAX(position) + 1"
                          " FROM lumetra_search_order WHERE position >= b.base AND position <"
                          " b.block + %1) END FROM (SELECT %2 * %1 AS block, %3 AS base) AS b)")
        .arg(placesPerMs)
        .arg(ms, base);
}

// What the index holds of a record: its search text, then its cable ID's.
QString indexedText(const QString &searchText, const QString &idText)
{
    return QStringLiteral("%1 || COALESCE(char(10) || %2, '')").arg(searchText, idText);
}

QString idTextOf(const QString &key)
{
    return QStringLiteral("(SELECT search_text FROM lumetra_record_jobs WHERE record_key = %1)")
        .arg(key);
}

// A place whose row of the index is to change, with what the index holds
// there now (NULL: nothing). The first change of a transaction is the one
// kept: until the queue is worked off the index holds what it said.
QString queued(const QString &place, const QString &text)
{
    return QStringLiteral("INSERT OR IGNORE INTO lumetra_search_queue (position, indexed_text)"
                          " VALUES (%1, %2);")
        .arg(place, text);
}

QString placeOfRecord(const QString &recordId)
{
    return QStringLiteral("(SELECT position FROM lumetra_search_order WHERE record_id = %1)")
        .arg(recordId);
}

// A change of a record's cable ID, by its key, when the record is stored.
QString idChanged(const QString &before, const QString &key)
{
    return QStringLiteral("INSERT OR IGNORE INTO lumetra_search_queue (position, indexed_text)"
                          " SELECT o.position, %1 FROM lumetra_records r CROSS JOIN"
                          " lumetra_search_order o WHERE r.record_key = %2 AND o.record_id ="
                          " r.rowid;")
        .arg(indexedText(QStringLiteral("r.search_text"), before), key);
}

QStringList sqliteTables()
{
    return {
        QStringLiteral("CREATE TABLE IF NOT EXISTS lumetra_search_order ("
                       " position INTEGER PRIMARY KEY, record_id INTEGER NOT NULL UNIQUE)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS lumetra_search_queue ("
                       " position INTEGER PRIMARY KEY, indexed_text TEXT)"),
        QStringLiteral("CREATE VIRTUAL TABLE IF NOT EXISTS lumetra_search USING fts5(search_text,"
                       " content='', columnsize=0, detail=none, tokenize='trigram')"),
    };
}

// Each write of a row of the index is a statement of its own, and FTS5
// writes what it holds at each: a write of the index row by row costs ten
// times one of all the rows at once. So the triggers only queue what
// changes, and the store's transactions write it all at their end.
QStringList sqliteTriggers()
{
    const QString oldText = indexedText(
        QStringLiteral("old.search_text"), idTextOf(QStringLiteral("old.record_key")));
    const QString none = QStringLiteral("NULL");
    return {
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS lumetra_search_added AFTER INSERT ON"
                       " lumetra_records BEGIN INSERT INTO lumetra_search_order (position,"
                       " record_id) VALUES (%1, new.rowid); %2 END")
            .arg(placeOf(QStringLiteral("new.received_at"), QStringLiteral("new.batch_position")),
                queued(placeOfRecord(QStringLiteral("new.rowid")), none)),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS lumetra_search_changed AFTER UPDATE OF"
                       " search_text ON lumetra_records WHEN old.search_text IS NOT"
                       " new.search_text BEGIN %1 END")
            .arg(queued(placeOfRecord(QStringLiteral("old.rowid")), oldText)),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS lumetra_search_removed AFTER DELETE ON"
                       " lumetra_records BEGIN %1 DELETE FROM lumetra_search_order"
                       " WHERE record_id = old.rowid; END")
            .arg(queued(placeOfRecord(QStringLiteral("old.rowid")), oldText)),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS lumetra_search_id_added AFTER INSERT ON"
                       " lumetra_record_jobs BEGIN %1 END")
            .arg(idChanged(none, QStringLiteral("new.record_key"))),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS lumetra_search_id_changed AFTER UPDATE OF"
                       " search_text ON lumetra_record_jobs WHEN old.search_text IS NOT"
                       " new.search_text BEGIN %1 END")
            .arg(idChanged(QStringLiteral("old.search_text"), QStringLiteral("old.record_key"))),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS lumetra_search_id_removed AFTER DELETE ON"
                       " lumetra_record_jobs BEGIN %1 END")
            .arg(idChanged(QStringLiteral("old.search_text"), QStringLiteral("old.record_key"))),
    };
}

// The records received from lo on, at least chunkRecords of them unless
// they are the last: *hi is where the next chunk begins (none: the end).
bool nextChunk(QSqlDatabase db, qint64 lo, qint64 *hi, bool *last, QString *why)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT received_at FROM lumetra_records WHERE received_at >= ?"
                                 " ORDER BY received_at LIMIT 1 OFFSET %1")
                      .arg(SearchIndex::chunkRecords));
    query.addBindValue(lo);
    if (!query.exec()) {
        *why = errorOf(query);
        return false;
    }
    *last = !query.next();
    // A millisecond of more records than a chunk is one chunk.
    *hi = *last ? 0 : qMax(query.value(0).toLongLong(), lo + 1);
    return true;
}

// Places for the records of a chunk: each at the place of its time and
// batch, and those that find it taken one by one, as a write places them.
bool placeChunk(QSqlDatabase db, const QString &range, const QVariantList &bounds, QString *why)
{
    QSqlQuery bulk(db);
    bulk.prepare(
        QStringLiteral("INSERT OR IGNORE INTO lumetra_search_order (position, record_id)"
                       " SELECT MIN(MAX(received_at, 0), %1) * %2 + MIN(MAX(batch_position,"
                       " 0), %3), rowid FROM lumetra_records WHERE %4"
                       " ORDER BY received_at, batch_position, rowid")
            .arg(lastMs)
            .arg(placesPerMs)
            .arg(placesPerMs - 1)
            .arg(range));
    QSqlQuery left(db);
    left.prepare(QStringLiteral("SELECT rowid FROM lumetra_records r WHERE %1 AND NOT EXISTS"
                                " (SELECT 1 FROM lumetra_search_order WHERE record_id = r.rowid)"
                                " ORDER BY received_at, batch_position, rowid")
                     .arg(range));
    for (const QVariant &bound : bounds) {
        bulk.addBindValue(bound);
        left.addBindValue(bound);
    }
    QVector<qint64> taken;
    if (bulk.exec() && left.exec()) {
        while (left.next())
            taken << left.value(0).toLongLong();
    }
    if (bulk.lastError().isValid() || left.lastError().isValid()) {
        *why = errorOf(bulk.lastError().isValid() ? bulk : left);
        return false;
    }
    QSqlQuery one(db);
    one.prepare(QStringLiteral("INSERT INTO lumetra_search_order (position, record_id) SELECT"
                               " %1, rowid FROM lumetra_records WHERE rowid = ?")
                    .arg(placeOf(QStringLiteral("received_at"), QStringLiteral("batch_position"))));
    for (const qint64 id : qAsConst(taken)) {
        one.addBindValue(id);
        if (!one.exec()) {
            *why = errorOf(one);
            return false;
        }
    }
    return true;
}

bool indexChunk(
    QSqlDatabase db, const QString &range, const QVariantList &bounds, int *rows, QString *why)
{
    QSqlQuery query(db);
    query.prepare(
        QStringLiteral("INSERT INTO lumetra_search (rowid, search_text) SELECT"
                       " o.position, %1 FROM lumetra_records r JOIN lumetra_search_order"
                       " o ON o.record_id = r.rowid LEFT JOIN lumetra_record_jobs j"
                       " ON j.record_key = r.record_key WHERE %2")
            .arg(indexedText(QStringLiteral("r.search_text"), QStringLiteral("j.search_text")),
                QString(range).replace(
                    QLatin1String("received_at"), QLatin1String("r.received_at"))));
    for (const QVariant &bound : bounds)
        query.addBindValue(bound);
    if (!query.exec()) {
        *why = errorOf(query);
        return false;
    }
    *rows = query.numRowsAffected();
    return true;
}

bool countRecords(QSqlDatabase db, qint64 *count, qint64 *first, QString *why)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT COUNT(*), MIN(received_at) FROM lumetra_records"))
        || !query.next()) {
        *why = errorOf(query);
        return false;
    }
    *count = query.value(0).toLongLong();
    *first = query.value(1).toLongLong();
    return true;
}

enum class Outcome { Built, CannotHave, Failed };

Outcome buildSqlite(QSqlDatabase db, const SearchIndex::Progress &progress, QString *why)
{
    for (const QString &table : sqliteTables()) {
        if (!run(db, table, why)) // an SQLite without FTS5
            return Outcome::CannotHave;
    }
    qint64 total = 0, lo = 0, done = 0;
    if (!countRecords(db, &total, &lo, why) || !progress(0, total))
        return Outcome::Failed;
    for (bool last = total == 0; !last;) {
        qint64 hi = 0;
        if (!nextChunk(db, lo, &hi, &last, why))
            return Outcome::Failed;
        const QString range = last ? QStringLiteral("received_at >= ?")
                                   : QStringLiteral("received_at >= ? AND received_at < ?");
        const QVariantList bounds = last ? QVariantList { lo } : QVariantList { lo, hi };
        int rows = 0;
        if (!placeChunk(db, range, bounds, why) || !indexChunk(db, range, bounds, &rows, why))
            return Outcome::Failed;
        done += rows;
        lo = hi;
        if (!progress(qMin(done, total), total))
            return Outcome::Failed;
    }
    for (const QString &trigger : sqliteTriggers()) {
        if (!run(db, trigger, why))
            return Outcome::Failed;
    }
    return Outcome::Built;
}

Outcome buildPostgres(QSqlDatabase db, const SearchIndex::Progress &progress,
    const std::atomic<bool> *cancel, QString *why)
{
    // pg_trgm is trusted: a role that may create in the database may add it.
    QString code;
    if (!run(db, QStringLiteral("CREATE EXTENSION IF NOT EXISTS pg_trgm"), why, &code))
        return Outcome::CannotHave;
    if (!progress(0, 0))
        return Outcome::Failed;
    const StoreWatchdog watchdog(db, buildBoundMs, cancel);
    for (const char *statement : { "SET LOCAL maintenance_work_mem = '256MB'",
             "CREATE INDEX IF NOT EXISTS lumetra_records_search ON lumetra_records"
             " USING gin (search_text gin_trgm_ops)",
             "CREATE INDEX IF NOT EXISTS lumetra_record_jobs_search ON lumetra_record_jobs"
             " USING gin (search_text gin_trgm_ops)" }) {
        if (!run(db, QString::fromLatin1(statement), why, &code))
            // Only the tables' owner may index them.
            return code == QLatin1String("42501") && !watchdog.fired() ? Outcome::CannotHave
                                                                       : Outcome::Failed;
    }
    return progress(1, 1) ? Outcome::Built : Outcome::Failed;
}

} // namespace

bool SearchIndex::exists(QSqlDatabase db, StoreLocation::Kind kind, bool *exists, QString *error)
{
    QSqlQuery query(db);
    const bool postgres = kind == StoreLocation::Kind::PostgreSQL;
    if (!query.exec(postgres
                ? QStringLiteral("SELECT COUNT(*) FROM pg_indexes WHERE schemaname ="
                                 " current_schema() AND indexname IN ('lumetra_records_search',"
                                 " 'lumetra_record_jobs_search')")
                : QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name IN"
                                 " ('lumetra_search', 'lumetra_search_order',"
                                 " 'lumetra_search_queue', 'lumetra_search_added')"))
        || !query.next()) {
        *error = errorOf(query);
        return false;
    }
    *exists = query.value(0).toInt() == (postgres ? 2 : 4);
    // An SQLite without FTS5 cannot read one.
    if (*exists && !postgres)
        *exists = QSqlQuery(db).exec(QStringLiteral("SELECT rowid FROM lumetra_search LIMIT 0"));
    return true;
}

bool SearchIndex::build(QSqlDatabase db, StoreLocation::Kind kind, const Progress &progress,
    const std::atomic<bool> *cancel, bool *made, QString *why)
{
    *made = false;
    if (!run(db, QStringLiteral("SAVEPOINT lumetra_search_index"), why))
        return false;
    const Outcome outcome = kind == StoreLocation::Kind::PostgreSQL
        ? buildPostgres(db, progress, cancel, why)
        : buildSqlite(db, progress, why);
    if (outcome == Outcome::Failed)
        return false; // the caller rolls the whole back
    *made = outcome == Outcome::Built;
    QString ignored;
    // What the store may not have, it does without: the store stays as it was.
    return (*made
               || run(db, QStringLiteral("ROLLBACK TO SAVEPOINT lumetra_search_index"), &ignored))
        && run(db, QStringLiteral("RELEASE SAVEPOINT lumetra_search_index"), &ignored);
}

bool SearchIndex::catchUp(QSqlDatabase db, QString *why)
{
    return run(db,
               QStringLiteral("INSERT INTO lumetra_search (lumetra_search, rowid, search_text)"
                              " SELECT 'delete', position, indexed_text FROM lumetra_search_queue"
                              " WHERE indexed_text IS NOT NULL"),
               why)
        && run(db,
            QStringLiteral("INSERT INTO lumetra_search (rowid, search_text) SELECT q.position, %1"
                           " FROM lumetra_search_queue q CROSS JOIN lumetra_search_order o CROSS"
                           " JOIN lumetra_records r LEFT JOIN lumetra_record_jobs j ON"
                           " j.record_key = r.record_key WHERE o.position = q.position AND"
                           " r.rowid = o.record_id")
                .arg(indexedText(QStringLiteral("r.search_text"), QStringLiteral("j.search_text"))),
            why)
        && run(db, QStringLiteral("DELETE FROM lumetra_search_queue"), why);
}

bool SearchIndex::caughtUp(QSqlDatabase db)
{
    QSqlQuery query(db);
    return query.exec(QStringLiteral("SELECT 1 FROM lumetra_search_queue LIMIT 1"))
        && !query.next();
}

qint64 SearchIndex::roomNeeded(QSqlDatabase db)
{
    QSqlQuery query(db);
    qint64 pages = 0, unused = 0, pageSize = 4096;
    if (query.exec(QStringLiteral("PRAGMA page_count")) && query.next())
        pages = query.value(0).toLongLong();
    if (query.exec(QStringLiteral("PRAGMA freelist_count")) && query.next())
        unused = query.value(0).toLongLong();
    if (query.exec(QStringLiteral("PRAGMA page_size")) && query.next())
        pageSize = query.value(0).toLongLong();
    // And a little for the tables it begins with.
    return (pages - unused) * pageSize + 64 * pageSize;
}

QString SearchIndex::matchOf(const QString &search)
{
    const QVector<uint> characters = search.toUcs4();
    if (characters.size() < 3 || search.contains(QChar(0)))
        return QString();
    QStringList trigrams;
    for (int i = 0; i + 3 <= characters.size() && trigrams.size() < maxTrigrams; ++i) {
        QString trigram = QString::fromUcs4(characters.constData() + i, 3);
        trigram.replace(QLatin1Char('"'), QLatin1String("\"\""));
        trigram = QLatin1Char('"') + trigram + QLatin1Char('"');
        if (!trigrams.contains(trigram))
            trigrams << trigram;
    }
    return trigrams.join(QLatin1String(" AND "));
}

qint64 SearchIndex::positionOf(qint64 receivedAtMs)
{
    return qBound(qint64(0), receivedAtMs, lastMs) * placesPerMs;
}
