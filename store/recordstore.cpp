// SPDX-License-Identifier: MIT
#include "recordstore.h"

#include "arrivalassignments.h"
#include "jobstore.h"
#include "meterframe.h"
#include "ownerfiles.h"
#include "recordtexts.h"
#include "recordverdict.h"
#include "searchindex.h"
#include "storewatchdog.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QVariant>
#include <algorithm>
#include <optional>

namespace {

QAtomicInt connectionCount;

// How long a PostgreSQL server may keep a write waiting before it counts as
// gone: a few seconds, and a little more per row, each being a round trip.
constexpr int answerBoundMs = 5000;
constexpr int answerBoundPerRowMs = 20;
// An upgrade builds the search index: minutes on a server with millions of records.
constexpr int upgradeBoundMs = 30 * 60 * 1000;

// Portable SQL: TEXT, INTEGER, BIGINT and upserts read the same on SQLite
// and PostgreSQL. Times are milliseconds since 1970 UTC.
#define LUMETRA_RECORD_COLUMNS                                                                     \
    " frame_hex TEXT NOT NULL," /* the 117 bytes the meter sent */                                 \
    " record_number INTEGER NOT NULL,"                                                             \
    " threshold_centi_db INTEGER NOT NULL,"                                                        \
    " wavelength_nm INTEGER NOT NULL,"                                                             \
    " verdict TEXT NOT NULL,"                                                                      \
    " company TEXT, operator_name TEXT, test_device TEXT, test_date TEXT,"                         \
    " serial_number TEXT, export_time TEXT, note_html TEXT,"                                       \
    " search_text TEXT NOT NULL,"                                                                  \
    " received_at BIGINT NOT NULL,"                                                                \
    " batch_position INTEGER NOT NULL,"                                                            \
    " source_kind TEXT NOT NULL,"                                                                  \
    " source TEXT NOT NULL,"                                                                       \
    " meter_version TEXT,"                                                                         \
    " meter_verdict INTEGER,"                                                                      \
    " host_name TEXT NOT NULL,"                                                                    \
    " last_archive TEXT,"                                                                          \
    " session_id TEXT,"                                                                            \
    " unsaved INTEGER NOT NULL,"                                                                   \
    " list_position BIGINT NOT NULL,"                                                              \
    " changed_at BIGINT NOT NULL"

// Every statement may run again on a store that has some of it already: an
// upgrade runs them all.
const char *const schemaStatements[] = {
    "CREATE TABLE IF NOT EXISTS lumetra_meta ("
    " name TEXT PRIMARY KEY,"
    " value TEXT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS lumetra_records ("
    " record_key TEXT PRIMARY KEY," // SHA-256 of the frame
    LUMETRA_RECORD_COLUMNS ")",
    "CREATE INDEX IF NOT EXISTS lumetra_records_received"
    " ON lumetra_records (received_at, batch_position)",
    "CREATE INDEX IF NOT EXISTS lumetra_records_session ON lumetra_records (session_id)",
    "CREATE TABLE IF NOT EXISTS lumetra_sessions ("
    " session_id TEXT PRIMARY KEY,"
    " host_name TEXT NOT NULL,"
    " started_at BIGINT NOT NULL,"
    " ended_at BIGINT)",
    // Since version 2. The records hold the latest texts; every one they had is here.
    "CREATE TABLE IF NOT EXISTS lumetra_text_versions ("
    " record_key TEXT NOT NULL,"
    " version INTEGER NOT NULL,"
    " company TEXT, operator_name TEXT, test_device TEXT, test_date TEXT,"
    " serial_number TEXT, export_time TEXT, note_html TEXT,"
    " made_at BIGINT NOT NULL,"
    " host_name TEXT NOT NULL,"
    " PRIMARY KEY (record_key, version))",
    // Used in waiting files only: each change as it was made.
    "CREATE TABLE IF NOT EXISTS lumetra_waiting ("
    " entry BIGINT PRIMARY KEY,"
    " texts_kind INTEGER NOT NULL," // 0 none, 1 arrival, 2 edit
    " record_key TEXT NOT NULL," LUMETRA_RECORD_COLUMNS ")",
};
#undef LUMETRA_RECORD_COLUMNS

// Every statement of the schema, the jobs' tables included.
QStringList allSchemaStatements(StoreLocation::Kind kind)
{
    QStringList statements;
    for (const char *statement : schemaStatements)
        statements << QString::fromLatin1(statement);
    return statements + JobStore::schemaStatements(kind);
}

const QString textColumns = QStringLiteral(
    "company, operator_name, test_device, test_date, serial_number, export_time, note_html");

const QString recordColumns = QStringLiteral(
    "record_key, frame_hex, company, operator_name, test_device, test_date, serial_number,"
    " export_time, note_html, received_at, batch_position, source_kind, source, meter_version,"
    " meter_verdict, host_name, last_archive, session_id, unsaved, list_position, changed_at");

const QString textColumnsUpdate
    = QStringLiteral("company = excluded.company, operator_name = excluded.operator_name,"
                     " test_device = excluded.test_device, test_date = excluded.test_date,"
                     " serial_number = excluded.serial_number, export_time = excluded.export_time,"
                     " note_html = excluded.note_html, search_text = excluded.search_text, ");

const QString insertColumns = QStringLiteral(
    "record_key, frame_hex, record_number,"
    " threshold_centi_db, wavelength_nm, verdict, company, operator_name, test_device,"
    " test_date, serial_number, export_time, note_html, search_text, received_at,"
    " batch_position, source_kind, source, meter_version, meter_verdict, host_name,"
    " last_archive, session_id, unsaved, list_position, changed_at");
const QString insertValues = QStringLiteral(
    "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?");

QString upsertSql(bool withTexts)
{
    return QStringLiteral("INSERT INTO lumetra_records (") + insertColumns
        + QStringLiteral(") VALUES (") + insertValues
        + QStringLiteral(") ON CONFLICT (record_key) DO UPDATE SET ")
        + (withTexts ? textColumnsUpdate : QString())
        + QStringLiteral(
            "last_archive = COALESCE(excluded.last_archive, lumetra_records.last_archive),"
            " session_id = COALESCE(excluded.session_id, lumetra_records.session_id),"
            " unsaved = CASE WHEN excluded.session_id IS NULL THEN lumetra_records.unsaved"
            " ELSE excluded.unsaved END,"
            " list_position = CASE WHEN excluded.session_id IS NULL"
            " THEN lumetra_records.list_position ELSE excluded.list_position END,"
            " changed_at = excluded.changed_at"
            " WHERE excluded.changed_at >= lumetra_records.changed_at");
}

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant(QVariant::String) : QVariant(text);
}

QString notNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QString versionText(const StoredRecord &row)
{
    if (!row.hasVersion)
        return QString();
    return QStringLiteral("%1.%2").arg(row.meterVersionMajor).arg(row.meterVersionMinor);
}

void bindRow(QSqlQuery &query, const StoredRecord &row)
{
    const TestRecord &record = row.record;
    query.addBindValue(row.key());
    query.addBindValue(QString::fromLatin1(row.frameBytes().toHex()));
    query.addBindValue(int(record.recordNumber));
    query.addBindValue(int(record.thresholdCentiDb));
    query.addBindValue(wavelengthNm(record.wavelengthCode));
    query.addBindValue(verdictText(recordVerdict(record).verdict()));
    const ReportHeaderTexts &h = row.headers;
    // Null and empty texts differ in archives and in JSON: NULL keeps that apart.
    for (const QString *text : { &h.companyName, &h.operatorName, &h.testDevice, &h.testDate,
             &h.serialNumber, &h.exportTime, &h.noteHtml })
        query.addBindValue(text->isNull() ? QVariant(QVariant::String) : QVariant(*text));
    query.addBindValue(searchTextOf(record, h));
    query.addBindValue(row.receivedAtMs);
    query.addBindValue(row.batchPosition);
    query.addBindValue(notNull(row.sourceKind));
    query.addBindValue(notNull(row.source));
    query.addBindValue(textOrNull(versionText(row)));
    query.addBindValue(row.meterVerdict < 0 ? QVariant(QVariant::Int) : QVariant(row.meterVerdict));
    query.addBindValue(notNull(row.hostName));
    query.addBindValue(textOrNull(row.lastArchive));
    query.addBindValue(textOrNull(row.sessionId));
    query.addBindValue(row.unsaved ? 1 : 0);
    query.addBindValue(row.listPosition);
    query.addBindValue(row.changedAtMs);
}

QVector<QString *> textsOf(ReportHeaderTexts &h)
{
    return { &h.companyName, &h.operatorName, &h.testDevice, &h.testDate, &h.serialNumber,
        &h.exportTime, &h.noteHtml };
}

// Seven text columns from first on, NULL apart from empty.
ReportHeaderTexts textsFrom(const QSqlQuery &query, int first)
{
    ReportHeaderTexts h;
    const QVector<QString *> texts = textsOf(h);
    for (int i = 0; i < texts.size(); ++i) {
        const QVariant value = query.value(first + i);
        *texts[i] = value.isNull()      ? QString()
            : value.toString().isNull() ? QStringLiteral("")
                                        : value.toString();
    }
    return h;
}

// A row of recordColumns; false when its frame is damaged.
bool rowFrom(const QSqlQuery &query, StoredRecord *row)
{
    const QByteArray frame = QByteArray::fromHex(query.value(1).toString().toLatin1());
    if (frame.size() != meterFrameSize)
        return false;
    row->record = decodeFrame(reinterpret_cast<const unsigned char *>(frame.constData()));
    row->headers = textsFrom(query, 2);
    row->textsKnown = true;
    row->receivedAtMs = query.value(9).toLongLong();
    row->batchPosition = query.value(10).toInt();
    row->sourceKind = query.value(11).toString();
    row->source = query.value(12).toString();
    const QString version = query.value(13).toString();
    row->hasVersion = !version.isEmpty();
    row->meterVersionMajor = int8_t(version.section(QLatin1Char('.'), 0, 0).toInt());
    row->meterVersionMinor = int8_t(version.section(QLatin1Char('.'), 1, 1).toInt());
    row->meterVerdict = query.value(14).isNull() ? -1 : query.value(14).toInt();
    row->hostName = query.value(15).toString();
    row->lastArchive = query.value(16).toString();
    row->sessionId = query.value(17).toString();
    row->unsaved = query.value(18).toInt() != 0;
    row->listPosition = query.value(19).toLongLong();
    row->changedAtMs = query.value(20).toLongLong();
    return row->key() == query.value(0).toString();
}

bool carriesTexts(ReportHeaderTexts h)
{
    for (const QString *text : textsOf(h)) {
        if (!text->isNull())
            return true;
    }
    return false;
}

// PostgreSQL holds no NUL in a text. True when one was left out.
bool leaveOutNul(StoredRecord *row)
{
    bool changed = false;
    QVector<QString *> texts = textsOf(row->headers);
    texts << &row->source << &row->lastArchive << &row->hostName << &row->sessionId;
    for (QString *text : qAsConst(texts)) {
        if (text->contains(QChar(0))) {
            text->remove(QChar(0));
            changed = true;
        }
    }
    return changed;
}

} // namespace

RecordStore::RecordStore(const StoreLocation &location)
    : where(location)
    , connectionName(QStringLiteral("lumetra-store-%1").arg(connectionCount.fetchAndAddOrdered(1)))
{
}

RecordStore::~RecordStore()
{
    close();
}

QSqlDatabase RecordStore::database() const
{
    return QSqlDatabase::database(connectionName, false);
}

bool RecordStore::fail(const QString &why)
{
    error = why;
    if (state == Status::Open)
        state = Status::Failed;
    return false;
}

bool RecordStore::failed(const QSqlQuery &query)
{
    const QSqlError sqlError = query.lastError();
    lastError = sqlError;
    const QString text
        = sqlError.databaseText().isEmpty() ? sqlError.text() : sqlError.databaseText();
    return fail(text.trimmed());
}

bool RecordStore::run(const QString &sql)
{
    QSqlQuery query(database());
    return query.exec(sql) || failed(query);
}

namespace {
// Qt's driver passes the options to libpq as they are, where a backslash or a
// space in a value means something else: each value quoted, as the driver
// quotes the host and the user, so that sslrootcert=C:\Users\ann\ca.crt stays
// whole. (The driver turns every ';' into a space: none can be in a value.)
QString quotedOptions(const QString &options)
{
    QStringList quoted;
    for (const QString &option : options.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const int equals = option.indexOf(QLatin1Char('='));
        if (equals < 0) {
            quoted << option;
            continue;
        }
        QString value = option.mid(equals + 1);
        value.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
            .replace(QLatin1Char('\''), QLatin1String("\\'"));
        quoted << option.left(equals) + QLatin1String("='") + value + QLatin1Char('\'');
    }
    return quoted.join(QLatin1Char(';'));
}
} // namespace

bool RecordStore::open(Access access)
{
    close();
    error.clear();
    state = Status::Failed;
    versionFound = versionNow = 0;
    indexed = false;
    const bool readOnly = access == Access::ReadOnly;
    if (!where.error.isEmpty())
        return fail(where.error);
    if (interrupted && interrupted->load())
        return fail(QStringLiteral("the work on the records store was stopped"));
    if (!QSqlDatabase::isDriverAvailable(where.driverName()))
        return fail(
            QStringLiteral("this Lumetra has no %1 driver (%2)")
                .arg(where.kind == StoreLocation::Kind::SQLite ? QStringLiteral("SQLite")
                                                               : QStringLiteral("PostgreSQL"),
                    where.driverName()));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(where.driverName(), connectionName);
        if (where.kind == StoreLocation::Kind::SQLite) {
            if (!readOnly) {
                // Made here, so that SQLite gives its -wal and -shm the same mode.
                OwnerFiles::makeFolderFor(where.file);
                OwnerFiles::createFile(where.file);
            }
            db.setDatabaseName(where.file);
            // Another writer holds the file for a transaction at most this long.
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=1500")
                + (readOnly ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString()));
        } else {
            db.setHostName(where.host);
            db.setPort(where.port);
            db.setDatabaseName(where.database);
            db.setUserName(where.user);
            db.setPassword(where.password);
            // A server out of reach must not hold the window for long; a
            // network that dies under a write drops the connection.
            QString options = QStringLiteral("connect_timeout=3;tcp_user_timeout=%1;"
                                             "keepalives_idle=10;keepalives_interval=2;"
                                             "keepalives_count=3")
                                  .arg(answerBoundMs);
            if (!where.options.isEmpty())
                options += QLatin1Char(';') + quotedOptions(where.options);
            if (readOnly)
                options += QStringLiteral(";options='-c default_transaction_read_only=on'");
            db.setConnectOptions(options);
        }
        if (!db.open()) {
            const QSqlError sqlError = db.lastError();
            return fail(
                (sqlError.databaseText().isEmpty() ? sqlError.text() : sqlError.databaseText())
                    .trimmed());
        }
    }
    state = Status::Open;
    std::optional<StoreWatchdog> watchdog;
    watchdog.emplace(database(), answerBoundMs, interrupted);
    if (where.kind == StoreLocation::Kind::PostgreSQL) {
        // Compiling a search's plan takes 40 ms, the first a tenth of a
        // second: longer than the search. A server older than 11 has no JIT
        // and no such setting, and loses nothing.
        QSqlQuery(QStringLiteral("SET jit = off"), database());
    }

    int version = 0;
    if (!readSchemaVersion(&version))
        return false;
    versionFound = version;
    if (version > schemaVersion) {
        state = Status::NewerSchema;
        error = QStringLiteral("this records store was written by a newer Lumetra (records "
                               "store version %1; this Lumetra knows version %2); it is left as "
                               "it is")
                    .arg(version)
                    .arg(schemaVersion);
        database().close();
        return false;
    }
    if (version == 0 && where.kind == StoreLocation::Kind::SQLite) {
        bool foreign = false;
        if (!isForeign(&foreign))
            return false;
        if (foreign) {
            state = Status::Failed;
            error = QStringLiteral("not a Lumetra records store: the file holds another "
                                   "program's tables; it is left as it is");
            database().close();
            return false;
        }
    }
    // A reader takes an older store as it is: it upgrades nothing.
    versionNow = version;
    if (version == schemaVersion) {
        QString why;
        if (!SearchIndex::exists(database(), where.kind, &indexed, &why))
            return fail(why);
    }
    if (readOnly) {
        if (version == schemaVersion && !indexed)
            sayNotIndexed(QStringLiteral("it has no index"));
        return true;
    }
    // Only now that the store is known to be ours may anything be written.
    if (where.kind == StoreLocation::Kind::SQLite) {
        // WAL: readers never wait for the writer; FULL: a commit survives a power cut.
        QSqlQuery wal(database());
        if (!wal.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !wal.next())
            return failed(wal);
        if (!run(QStringLiteral("PRAGMA synchronous=FULL")))
            return false;
    }
    if (version == 0 && !makeSchema())
        return false;
    // Building the index may take minutes on a server: bounded on its own.
    watchdog.reset();
    watchdog.emplace(database(), upgradeBoundMs, interrupted);
    if (version > 0 && version < schemaVersion && !upgradeSchema(version))
        return false;
    if (version == schemaVersion && !indexed)
        addIndex();
    versionNow = schemaVersion;
    return true;
}

// Tables, and none of them Lumetra's.
bool RecordStore::isForeign(bool *foreign)
{
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("SELECT COUNT(*), COUNT(CASE WHEN name LIKE 'lumetra\\_%' "
                                   "ESCAPE '\\' THEN 1 END) FROM sqlite_master "
                                   "WHERE type = 'table'"))
        || !query.next())
        return failed(query);
    *foreign = query.value(0).toInt() > 0 && query.value(1).toInt() == 0;
    return true;
}

// Version 1 had no text versions: each record's texts become its first.
// Version 2 had no jobs, version 3 no search index.
bool RecordStore::upgradeSchema(int from)
{
    if (!roomForIndex())
        return false;
    bool stopped = false;
    const bool upgraded = transact([&] {
        for (const QString &statement : allSchemaStatements(where.kind)) {
            if (!run(statement))
                return false;
        }
        if (from == 1
            && !run(QStringLiteral("INSERT INTO lumetra_text_versions (record_key, version, ")
                + textColumns + QStringLiteral(", made_at, host_name) SELECT record_key, 1, ")
                + textColumns
                + QStringLiteral(
                    ", changed_at, host_name FROM lumetra_records WHERE company IS NOT NULL"
                    " OR operator_name IS NOT NULL OR test_device IS NOT NULL"
                    " OR test_date IS NOT NULL OR serial_number IS NOT NULL"
                    " OR export_time IS NOT NULL OR note_html IS NOT NULL"
                    " ON CONFLICT (record_key, version) DO NOTHING")))
            return false;
        if (!buildIndex(&stopped))
            return false;
        QSqlQuery query(database());
        query.prepare(QStringLiteral(
            "UPDATE lumetra_meta SET value = ? WHERE name = 'schema_version' AND value = ?"));
        query.addBindValue(QString::number(schemaVersion));
        query.addBindValue(QString::number(from));
        return query.exec() || failed(query);
    });
    if (!upgraded)
        indexed = false;
    if (stopped)
        return fail(QStringLiteral("the upgrade of the records store from version %1 to version "
                                   "%2 was cancelled; the store is left as it was")
                        .arg(from)
                        .arg(schemaVersion));
    // PostgreSQL: a role that may not create tables in the database.
    if (!upgraded && lastError.nativeErrorCode() == QLatin1String("42501"))
        return fail(QStringLiteral("this records store is of version %1 and must be upgraded to "
                                   "version %2 before this Lumetra can write to it, which only a "
                                   "user who may create tables in the database can do (%3): ask "
                                   "the store's owner to open it once with this Lumetra")
                        .arg(from)
                        .arg(schemaVersion)
                        .arg(error.section(QLatin1Char('\n'), 0, 0)
                                 .remove(QLatin1String("ERROR:"))
                                 .trimmed()));
    int version = 0;
    if (!upgraded || !readSchemaVersion(&version))
        return false;
    return version == schemaVersion
        || fail(QStringLiteral("the records store version is %1, not %2")
                    .arg(version)
                    .arg(schemaVersion));
}

void RecordStore::close()
{
    if (QSqlDatabase::contains(connectionName)) {
        database().close();
        QSqlDatabase::removeDatabase(connectionName);
    }
    if (state == Status::Open)
        state = Status::Closed;
}

// 0 for a store without our tables yet.
bool RecordStore::readSchemaVersion(int *version)
{
    *version = 0;
    QSqlQuery query(database());
    // A file that is not a database fails here, before anything is written to it.
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM lumetra_meta WHERE name = 'x'"))) {
        QSqlQuery probe(database());
        if (where.kind == StoreLocation::Kind::SQLite
                ? !probe.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master"))
                : !probe.exec(QStringLiteral("SELECT 1")))
            return failed(probe);
        return true; // a database, not ours yet
    }
    query.finish();
    if (!query.exec(QStringLiteral("SELECT value FROM lumetra_meta WHERE name = 'schema_version'")))
        return failed(query);
    if (query.next())
        *version = query.value(0).toInt();
    return true;
}

bool RecordStore::makeSchema()
{
    // Two programs may make the schema of an empty server at once; the one
    // that loses the race finds it made when it tries again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const bool made = transact([this] {
            for (const QString &statement : allSchemaStatements(where.kind)) {
                if (!run(statement))
                    return false;
            }
            bool stopped = false;
            if (!buildIndex(&stopped, true))
                return false;
            QSqlQuery query(database());
            query.prepare(QStringLiteral("INSERT INTO lumetra_meta (name, value) VALUES "
                                         "('schema_version', ?) ON CONFLICT (name) DO NOTHING"));
            query.addBindValue(QString::number(schemaVersion));
            return query.exec() || failed(query);
        });
        if (made) {
            // A lost race marked the store failed; it is not.
            state = Status::Open;
            error.clear();
            int version = 0;
            if (!readSchemaVersion(&version))
                return false;
            if (version == schemaVersion)
                return true;
            return fail(QStringLiteral("%1: the records store version is %2, not %3")
                            .arg(where.displayName())
                            .arg(version)
                            .arg(schemaVersion));
        }
    }
    return false;
}

bool RecordStore::transact(const std::function<bool()> &work)
{
    QSqlDatabase db = database();
    if (!db.transaction()) {
        const QSqlError sqlError = db.lastError();
        return fail(sqlError.databaseText().isEmpty() ? sqlError.text() : sqlError.databaseText());
    }
    QString indexing;
    if (work() && (catchUpSearchIndex(&indexing) || fail(indexing)) && db.commit())
        return true;
    const QString why = error.isEmpty() ? db.lastError().text() : error;
    db.rollback();
    return fail(why);
}

bool RecordStore::writeEveryRow(const QVector<StoredRecord> &rows)
{
    refused.clear();
    if (!isOpen())
        return fail(error.isEmpty() ? QStringLiteral("the records store is not open") : error);
    QVector<const StoredRecord *> ordered;
    for (const StoredRecord &row : rows)
        ordered << &row;
    std::stable_sort(ordered.begin(), ordered.end(),
        [](const StoredRecord *a, const StoredRecord *b) { return a->key() < b->key(); });
    error.clear();
    if (writeRows(ordered, {}, false))
        return true;
    if (rowRefused())
        state = Status::Open; // the store is well; the change was refused
    return false;
}

bool RecordStore::write(const QVector<StoredRecord> &rows, const QVector<StoreSession> &sessions)
{
    refused.clear();
    assigned.clear();
    missing.clear();
    if (!isOpen())
        return fail(error.isEmpty() ? QStringLiteral("the records store is not open") : error);
    // Rows in key order: two writers that share rows take their locks in the
    // same order and never deadlock. Changes of one record keep their order.
    QVector<const StoredRecord *> ordered;
    ordered.reserve(rows.size());
    for (const StoredRecord &row : rows)
        ordered << &row;
    std::stable_sort(ordered.begin(), ordered.end(),
        [](const StoredRecord *a, const StoredRecord *b) { return a->key() < b->key(); });
    error.clear();
    // IDs go in the order the records arrived, not in the order of the keys.
    std::optional<ArrivalAssignments> arrivals;
    if (versionNow >= 3)
        arrivals.emplace(*this, rows);
    if (writeRows(ordered, sessions, false, arrivals ? &*arrivals : nullptr))
        return true;
    if (!rowRefused())
        return false;
    // One row the store will not take must not hold up the others.
    state = Status::Open;
    error.clear();
    if (versionNow >= 3)
        arrivals.emplace(*this, rows);
    return writeRows(ordered, sessions, true, arrivals ? &*arrivals : nullptr);
}

// A fault of the row, not of the store: a value it cannot hold, a check or
// a trigger of its own. Another writer's row of the same key is no such fault.
bool RecordStore::rowRefused() const
{
    const QString code = lastError.nativeErrorCode();
    if (where.kind == StoreLocation::Kind::PostgreSQL)
        return code.startsWith(QLatin1String("22")) || code.startsWith(QLatin1String("54"))
            || (code.startsWith(QLatin1String("23")) && code != QLatin1String("23505"));
    const int primary = code.toInt() & 0xff;
    return primary == 18 || primary == 19 || primary == 20; // too big, constraint, mismatch
}

// Prepared once a write: a server answers each preparation on its own.
struct RecordStore::RowQueries
{
    explicit RowQueries(const QSqlDatabase &db)
        : stored(db)
        , withTexts(db)
        , keepingTexts(db)
        , last(db)
        , insert(db)
    {
    }

    QSqlQuery *prepare()
    {
        if (!stored.prepare(QStringLiteral("SELECT ") + textColumns
                + QStringLiteral(", changed_at FROM lumetra_records WHERE record_key = ?")))
            return &stored;
        if (!withTexts.prepare(upsertSql(true)))
            return &withTexts;
        if (!keepingTexts.prepare(upsertSql(false)))
            return &keepingTexts;
        if (!last.prepare(QStringLiteral("SELECT COALESCE(MAX(version), 0)"
                                         " FROM lumetra_text_versions WHERE record_key = ?")))
            return &last;
        if (!insert.prepare(QStringLiteral("INSERT INTO lumetra_text_versions (record_key,"
                                           " version, ")
                + textColumns
                + QStringLiteral(", made_at, host_name) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")))
            return &insert;
        return nullptr;
    }

    QSqlQuery stored, withTexts, keepingTexts, last, insert;
};

bool RecordStore::writeRows(const QVector<const StoredRecord *> &rows,
    const QVector<StoreSession> &sessions, bool setAside, ArrivalAssignments *arrivals)
{
    const StoreWatchdog watchdog(
        database(), answerBoundMs + answerBoundPerRowMs * rows.size(), interrupted);
    lastError = QSqlError();
    const bool written = transact([&] {
        QString problem;
        // Refused rows take no ID: where one may be, the IDs come after the rows.
        if (arrivals
            && (!arrivals->lock(&problem) || (!setAside && !arrivals->assign({}, &problem))))
            return fail(problem);
        if (!writeSessions(sessions))
            return false;
        RowQueries queries(database());
        if (!rows.isEmpty()) {
            if (const QSqlQuery *unprepared = queries.prepare())
                return failed(*unprepared);
        }
        for (const StoredRecord *row : rows) {
            if (!setAside) {
                if (!writeRow(*row, queries))
                    return false;
                continue;
            }
            if (!run(QStringLiteral("SAVEPOINT lumetra_row")))
                return false;
            if (writeRow(*row, queries)) {
                if (!run(QStringLiteral("RELEASE SAVEPOINT lumetra_row")))
                    return false;
                continue;
            }
            if (!rowRefused())
                return false;
            const QString why = error;
            state = Status::Open;
            error.clear();
            if (!run(QStringLiteral("ROLLBACK TO SAVEPOINT lumetra_row")))
                return false;
            refused.append({ *row, why });
        }
        QSet<QString> leftOut;
        for (const auto &row : qAsConst(refused))
            leftOut.insert(row.first.key());
        if (arrivals && setAside && !arrivals->assign(leftOut, &problem))
            return fail(problem);
        return !arrivals || arrivals->readOthers(&problem) || fail(problem);
    });
    if (written && arrivals) {
        assigned = arrivals->byKey();
        missing = arrivals->missingJobs();
    }
    return written || unanswered(watchdog);
}

bool RecordStore::unanswered(const StoreWatchdog &watchdog)
{
    if (watchdog.fired())
        fail(QStringLiteral("the PostgreSQL server stopped answering"));
    return false;
}

bool RecordStore::writeSessions(const QVector<StoreSession> &sessions)
{
    if (sessions.isEmpty())
        return true;
    QSqlQuery query(database());
    if (!query.prepare(QStringLiteral(
            "INSERT INTO lumetra_sessions (session_id, host_name, started_at, ended_at)"
            " VALUES (?, ?, ?, ?) ON CONFLICT (session_id) DO UPDATE SET"
            " ended_at = COALESCE(excluded.ended_at, lumetra_sessions.ended_at)")))
        return failed(query);
    for (const StoreSession &session : sessions) {
        query.addBindValue(session.id);
        query.addBindValue(notNull(session.hostName));
        query.addBindValue(session.startedAtMs);
        query.addBindValue(
            session.endedAtMs ? QVariant(session.endedAtMs) : QVariant(QVariant::LongLong));
        if (!query.exec())
            return failed(query);
    }
    return true;
}

bool RecordStore::writeRow(const StoredRecord &given, RowQueries &queries)
{
    StoredRecord row = given;
    if (!row.textsKnown)
        row.headers = ReportHeaderTexts();
    if (where.kind == StoreLocation::Kind::PostgreSQL && leaveOutNul(&row)
        && !toldStripped.contains(row.key())) {
        toldStripped.insert(row.key());
        qWarning().noquote() << QStringLiteral(
            "record %1: stored without the NUL characters of its texts, which PostgreSQL "
            "cannot hold")
                                    .arg(recordNumberText(row.record.recordNumber));
    }
    const QString key = row.key();
    QSqlQuery &stored = queries.stored;
    stored.addBindValue(key);
    if (!stored.exec())
        return failed(stored);
    const bool exists = stored.next();
    const ReportHeaderTexts storedTexts = exists ? textsFrom(stored, 0) : ReportHeaderTexts();
    const qint64 storedChangedAt = exists ? stored.value(7).toLongLong() : 0;
    stored.finish();
    // An arrival is no edit: the texts a stored record arrives with again change nothing.
    const bool newVersion = row.textsKnown
        && (!exists
            || (!row.arrival && row.changedAtMs >= storedChangedAt && row.headers != storedTexts));

    QSqlQuery &upsert = !exists || newVersion ? queries.withTexts : queries.keepingTexts;
    bindRow(upsert, row);
    if (!upsert.exec())
        return failed(upsert);
    if (!newVersion)
        return true;

    QSqlQuery &last = queries.last;
    last.addBindValue(key);
    if (!last.exec() || !last.next())
        return failed(last);
    const int version = last.value(0).toInt() + 1;
    last.finish();
    QSqlQuery &insert = queries.insert;
    insert.addBindValue(key);
    insert.addBindValue(version);
    for (const QString *text : textsOf(row.headers))
        insert.addBindValue(text->isNull() ? QVariant(QVariant::String) : QVariant(*text));
    insert.addBindValue(
        row.changedAtMs > 0 ? row.changedAtMs : QDateTime::currentMSecsSinceEpoch());
    insert.addBindValue(QSysInfo::machineHostName());
    return insert.exec() || failed(insert);
}

bool RecordStore::readTextVersions(const QString &key, QVector<TextVersion> *versions)
{
    if (!isOpen())
        return false;
    // A store of the version before, read as it is, kept only the latest texts.
    if (versionNow == 1)
        return true;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT version, ") + textColumns
        + QStringLiteral(", made_at, host_name FROM lumetra_text_versions WHERE record_key = ?"
                         " ORDER BY version"));
    query.addBindValue(key);
    if (!query.exec())
        return failed(query);
    while (query.next())
        versions->append({ query.value(0).toInt(), textsFrom(query, 1), query.value(8).toLongLong(),
            query.value(9).toString() });
    return true;
}

bool RecordStore::appendWaiting(
    const QVector<StoredRecord> &rows, const QVector<StoreSession> &sessions)
{
    if (!isOpen())
        return fail(error.isEmpty() ? QStringLiteral("the waiting file is not open") : error);
    error.clear();
    return transact([&] {
        if (!writeSessions(sessions))
            return false;
        QSqlQuery last(database());
        if (!last.exec(QStringLiteral("SELECT COALESCE(MAX(entry), 0) FROM lumetra_waiting"))
            || !last.next())
            return failed(last);
        qint64 entry = last.value(0).toLongLong();
        const bool intoJobs = std::any_of(rows.begin(), rows.end(),
            [](const StoredRecord &row) { return !row.arrivalJob.isEmpty(); });
        bool jobColumns = false;
        if (!hasWaitingJobColumns(&jobColumns))
            return false;
        // A waiting file made before batches were received into jobs gets their columns.
        if (intoJobs && !jobColumns
            && !(run(QStringLiteral("ALTER TABLE lumetra_waiting ADD COLUMN arrival_job TEXT"))
                && run(QStringLiteral(
                    "ALTER TABLE lumetra_waiting ADD COLUMN arrival_start_id TEXT"))))
            return false;
        jobColumns = jobColumns || intoJobs;
        QSqlQuery insert(database());
        if (!insert.prepare(QStringLiteral("INSERT INTO lumetra_waiting (entry, texts_kind, ")
                + insertColumns
                + (jobColumns ? QStringLiteral(", arrival_job, arrival_start_id") : QString())
                + QStringLiteral(") VALUES (?, ?, ") + insertValues
                + (jobColumns ? QStringLiteral(", ?, ?") : QString()) + QLatin1Char(')')))
            return failed(insert);
        for (const StoredRecord &row : rows) {
            insert.addBindValue(++entry);
            insert.addBindValue(!row.textsKnown ? 0 : row.arrival ? 1 : 2);
            bindRow(insert, row);
            if (jobColumns) {
                insert.addBindValue(textOrNull(row.arrivalJob));
                insert.addBindValue(textOrNull(row.arrivalStartId));
            }
            if (!insert.exec())
                return failed(insert);
        }
        return true;
    });
}

bool RecordStore::readWaiting(
    QVector<StoredRecord> *rows, QVector<StoreSession> *sessions, qint64 *lastEntry)
{
    *lastEntry = 0;
    // Rows an earlier Lumetra left waiting: all texts NULL was a writer without texts.
    if (!readEverything(rows, sessions))
        return false;
    for (StoredRecord &row : *rows)
        row.textsKnown = carriesTexts(row.headers);
    bool jobColumns = false;
    if (!hasWaitingJobColumns(&jobColumns))
        return false;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT ") + recordColumns
            + QStringLiteral(", entry, texts_kind")
            + (jobColumns ? QStringLiteral(", arrival_job, arrival_start_id") : QString())
            + QStringLiteral(" FROM lumetra_waiting ORDER BY entry")))
        return failed(query);
    while (query.next()) {
        StoredRecord row;
        *lastEntry = query.value(21).toLongLong();
        if (!rowFrom(query, &row))
            continue;
        row.textsKnown = query.value(22).toInt() != 0;
        row.arrival = query.value(22).toInt() == 1;
        if (jobColumns) {
            row.arrivalJob = query.value(23).toString();
            row.arrivalStartId = query.value(24).toString();
        }
        rows->append(row);
    }
    return true;
}

// Whether the waiting table has the columns of the job a batch was received into.
bool RecordStore::hasWaitingJobColumns(bool *has)
{
    *has = false;
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("PRAGMA table_info(lumetra_waiting)")))
        return failed(query);
    while (query.next())
        *has = *has || query.value(1).toString() == QLatin1String("arrival_job");
    return true;
}

bool RecordStore::removeWaiting(
    qint64 lastEntry, const QVector<StoredRecord> &rows, const QVector<StoreSession> &sessions)
{
    return transact([&] {
        QSqlQuery query(database());
        query.prepare(QStringLiteral("DELETE FROM lumetra_waiting WHERE entry <= ?"));
        query.addBindValue(lastEntry);
        return (query.exec() || failed(query)) && remove(rows, sessions);
    });
}

bool RecordStore::readRows(QSqlQuery &query, QVector<StoredRecord> *rows)
{
    const StoreWatchdog watchdog(database(), answerBoundMs, interrupted);
    if (!query.exec())
        return failed(query);
    while (query.next()) {
        StoredRecord row;
        if (rowFrom(query, &row))
            rows->append(row);
        else
            ++undecodable;
    }
    return true;
}

bool RecordStore::readOpenSessions(const QString &hostName, QVector<StoreSession> *sessions)
{
    if (!isOpen())
        return false;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT session_id, host_name, started_at FROM lumetra_sessions"
                                 " WHERE host_name = ? AND ended_at IS NULL ORDER BY started_at"));
    query.addBindValue(hostName);
    const StoreWatchdog watchdog(database(), answerBoundMs, interrupted);
    if (!query.exec())
        return failed(query);
    while (query.next())
        sessions->append({ query.value(0).toString(), query.value(1).toString(),
            query.value(2).toLongLong(), 0 });
    return true;
}

bool RecordStore::readUnsaved(const QString &sessionId, QVector<StoredRecord> *rows)
{
    undecodable = 0;
    if (!isOpen())
        return false;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT ") + recordColumns
        + QStringLiteral(" FROM lumetra_records WHERE session_id = ? AND unsaved = 1"
                         " ORDER BY list_position"));
    query.addBindValue(sessionId);
    return readRows(query, rows);
}

bool RecordStore::readRecords(const QStringList &keys, QVector<StoredRecord> *rows)
{
    undecodable = 0;
    if (!isOpen())
        return false;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT ") + recordColumns
        + QStringLiteral(" FROM lumetra_records WHERE record_key = ?"));
    for (const QString &key : keys) {
        query.addBindValue(key);
        if (!readRows(query, rows))
            return false;
    }
    return true;
}

bool RecordStore::readEverything(QVector<StoredRecord> *rows, QVector<StoreSession> *sessions)
{
    undecodable = 0;
    if (!isOpen())
        return false;
    QSqlQuery records(database());
    records.setForwardOnly(true);
    records.prepare(QStringLiteral("SELECT ") + recordColumns
        + QStringLiteral(" FROM lumetra_records ORDER BY received_at, batch_position"));
    if (!readRows(records, rows))
        return false;
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral(
            "SELECT session_id, host_name, started_at, ended_at FROM lumetra_sessions")))
        return failed(query);
    while (query.next())
        sessions->append({ query.value(0).toString(), query.value(1).toString(),
            query.value(2).toLongLong(), query.value(3).toLongLong() });
    return true;
}

bool RecordStore::remove(const QVector<StoredRecord> &rows, const QVector<StoreSession> &sessions)
{
    {
        QSqlQuery query(database());
        query.prepare(
            QStringLiteral("DELETE FROM lumetra_records WHERE record_key = ? AND changed_at <= ?"));
        for (const StoredRecord &row : rows) {
            query.addBindValue(row.key());
            query.addBindValue(row.changedAtMs);
            if (!query.exec())
                return failed(query);
        }
        QSqlQuery sessionQuery(database());
        sessionQuery.prepare(QStringLiteral(
            "DELETE FROM lumetra_sessions WHERE session_id = ? AND COALESCE(ended_at, 0) = ?"));
        for (const StoreSession &session : sessions) {
            sessionQuery.addBindValue(session.id);
            sessionQuery.addBindValue(session.endedAtMs);
            if (!sessionQuery.exec())
                return failed(sessionQuery);
        }
        return true;
    }
}

bool RecordStore::isEmpty()
{
    QSqlQuery query(database());
    return query.exec(QStringLiteral("SELECT COUNT(*) FROM lumetra_records")) && query.next()
        && query.value(0).toLongLong() == 0;
}

bool RecordStore::forEachRecord(
    const HistoryFilter &filter, const std::function<void(const StoredRecord &)> &visit)
{
    undecodable = 0;
    if (!isOpen())
        return false;
    QVariantList values;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.prepare(historySql(recordColumns, filter, false, 0, &values)))
        return failed(query);
    for (const QVariant &value : qAsConst(values))
        query.addBindValue(value);
    if (!query.exec())
        return failed(query);
    while (query.next()) {
        StoredRecord row;
        if (rowFrom(query, &row))
            visit(row);
        else
            ++undecodable;
    }
    return !query.lastError().isValid() || failed(query);
}

bool RecordStore::readHistory(const HistoryFilter &filter, int limit, QVector<HistoryRow> *rows)
{
    if (!isOpen())
        return false;
    const QString columns = QStringLiteral("record_key, received_at, record_number, company,"
                                           " operator_name, serial_number, wavelength_nm, verdict");
    if (where.kind == StoreLocation::Kind::PostgreSQL && versionNow >= 3 && limit > 0
        && !filter.search.trimmed().isEmpty())
        return readNewestInSteps(columns, filter, limit, rows);
    QVariantList values;
    const QString sql = historySql(columns, filter, true, limit, &values);
    return readHistoryRows(sql, values, rows);
}

bool RecordStore::readHistoryRows(
    const QString &sql, const QVariantList &values, QVector<HistoryRow> *rows)
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        return failed(query);
    for (const QVariant &value : values)
        query.addBindValue(value);
    const StoreWatchdog watchdog(database(), answerBoundMs, interrupted);
    if (!query.exec()) {
        failed(query);
        return unanswered(watchdog);
    }
    while (query.next())
        rows->append(
            { query.value(0).toString(), query.value(1).toLongLong(), query.value(2).toInt(),
                query.value(3).toString(), query.value(4).toString(), query.value(5).toString(),
                query.value(6).toInt(), verdictOfText(query.value(7).toString()) });
    return !query.lastError().isValid() || failed(query);
}
