// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDSTORE_H
#define LUMETRA_RECORDSTORE_H

#include "historyfilter.h"
#include "historyrow.h"
#include "recordassignment.h"
#include "storedrecord.h"
#include "storelocation.h"
#include "storesession.h"

#include <QPair>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>
#include <atomic>
#include <functional>

class ArrivalAssignments;
class QSqlQuery;
class StoreWatchdog;

// One connection to a records store, SQLite or PostgreSQL: the same schema
// and the same portable SQL on both. Every write is one transaction.
//
// A store whose schema is newer than this build knows is refused, and so is
// a file that is not a database or holds another program's tables: none is
// written to, not even to switch its journal mode. A store of an earlier
// version is upgraded in place, in one transaction that builds the search
// index too, except by a reader: a store opened for reading is never written
// to at all. On PostgreSQL only a user who may create tables in the database
// (its owner) can upgrade it.
//
// Header texts are never overwritten: each change is a new version.
//
// On Linux the files it makes (the SQLite file, and with it its -wal and
// -shm) are the user's alone, whatever the umask.
class RecordStore
{
public:
    static constexpr int schemaVersion = 4;

    // How far an upgrade that builds the search index has come: done of
    // total records (0 of 0 while it cannot tell), on the thread that opens.
    // Returning false stops it; the store is left as it was.
    using UpgradeProgress = std::function<bool(qint64 done, qint64 total)>;

    enum class Access {
        ReadWrite, // makes the schema of an empty store
        ReadOnly, // reads any version up to schemaVersion as it is; makes nothing
    };

    enum class Status {
        Closed,
        Open,
        Failed, // errorString says why: no driver, no server, locked, corrupt, ...
        NewerSchema,
    };

    explicit RecordStore(const StoreLocation &location);
    ~RecordStore();
    RecordStore(const RecordStore &) = delete;
    RecordStore &operator=(const RecordStore &) = delete;

    // Connects and checks the schema, making it in an empty store unless
    // only reading.
    bool open(Access access = Access::ReadWrite);
    void close();
    bool isOpen() const { return state == Status::Open; }
    // Once flag is set (by any thread), a wait for a server ends at once, as
    // if the server had gone, and nothing connects again.
    void setInterruption(const std::atomic<bool> *flag) { interrupted = flag; }
    // Set before open; cancel (set by any thread) stops an upgrade too.
    void setUpgradeProgress(UpgradeProgress progress, const std::atomic<bool> *cancel = nullptr);
    Status status() const { return state; }
    QString errorString() const { return error; }
    const StoreLocation &location() const { return where; }
    QSqlDatabase database() const;
    // The version the store was found with when it opened: 0 when it had no
    // schema yet.
    int foundVersion() const { return versionFound; }
    // The version it has now that it is open: a reader's is the one found.
    int version() const { return versionNow; }
    // The search reads an index rather than every record.
    bool searchIndexed() const { return indexed; }
    // Writes into the search index what the open transaction changed: every
    // transaction that writes does, last before it commits.
    bool catchUpSearchIndex(QString *why);
    // How many rows the last read left out because their record no longer
    // decodes (a damaged frame).
    int undecodableRows() const { return undecodable; }

    // Inserts or updates each row by its key, and each session by its id. An
    // update never goes back: a row changed earlier than the stored one is
    // left out. A row without texts of its own, or with the texts it arrived
    // with, keeps the stored texts; other texts that differ are a new version.
    // Rows the store refuses (not a store that fails) are left out of the
    // transaction and listed in refusedRows, each with its reason.
    // A PostgreSQL server that stops answering holds it up a few seconds at most.
    // In a store with jobs, the rows received into a job take their cable
    // IDs first in the transaction (ArrivalAssignments).
    bool write(const QVector<StoredRecord> &rows, const QVector<StoreSession> &sessions = {});
    const QVector<QPair<StoredRecord, QString>> &refusedRows() const { return refused; }
    // After a write to a store with jobs: the job and cable ID of each row
    // it took, and the job of each row received into a job it does not have.
    const QHash<QString, RecordAssignment> &assignments() const { return assigned; }
    const QHash<QString, QString> &missingJobs() const { return missing; }
    // One transaction that takes every row or none: a row the store refuses
    // fails it all.
    bool writeEveryRow(const QVector<StoredRecord> &rows);

    // Every version of a record's texts, the first first.
    bool readTextVersions(const QString &key, QVector<TextVersion> *versions);

    // Records waiting for another store, as a log: every change in the order
    // it was made, so that none of their text versions is lost on the way.
    bool appendWaiting(const QVector<StoredRecord> &rows, const QVector<StoreSession> &sessions);
    // lastEntry tells removeWaiting what was read.
    bool readWaiting(
        QVector<StoredRecord> *rows, QVector<StoreSession> *sessions, qint64 *lastEntry);
    bool removeWaiting(
        qint64 lastEntry, const QVector<StoredRecord> &rows, const QVector<StoreSession> &sessions);

    // Sessions of hostName that have not ended.
    bool readOpenSessions(const QString &hostName, QVector<StoreSession> *sessions);
    // The rows a session listed and did not save, in the order it listed them.
    bool readUnsaved(const QString &sessionId, QVector<StoredRecord> *rows);
    // The rows of these keys, in the order of the keys; unknown keys are skipped.
    bool readRecords(const QStringList &keys, QVector<StoredRecord> *rows);
    bool isEmpty();

    // The rows the filter lets through, oldest first, read as they are needed.
    bool forEachRecord(
        const HistoryFilter &filter, const std::function<void(const StoredRecord &)> &visit);

    // The newest rows the filter lets through, at most limit (0: all), as the
    // history lists them.
    bool readHistory(const HistoryFilter &filter, int limit, QVector<HistoryRow> *rows);

private:
    QString historySql(const QString &columns, const HistoryFilter &filter, bool newestFirst,
        int limit, QVariantList *values);
    bool readHistoryRows(const QString &sql, const QVariantList &values, QVector<HistoryRow> *rows);
    bool readNewestInSteps(
        const QString &columns, const HistoryFilter &filter, int limit, QVector<HistoryRow> *rows);
    bool fail(const QString &why);
    bool failed(const QSqlQuery &query);
    bool readSchemaVersion(int *version);
    bool makeSchema();
    bool upgradeSchema(int from);
    bool roomForIndex();
    bool buildIndex(bool *stopped, bool quietly = false);
    void addIndex();
    void sayNotIndexed(const QString &why) const;
    bool isForeign(bool *foreign);
    bool writeRows(const QVector<const StoredRecord *> &rows, const QVector<StoreSession> &sessions,
        bool setAside, ArrivalAssignments *arrivals = nullptr);
    struct RowQueries;
    bool writeRow(const StoredRecord &row, RowQueries &queries);
    bool writeSessions(const QVector<StoreSession> &sessions);
    bool readEverything(QVector<StoredRecord> *rows, QVector<StoreSession> *sessions);
    bool hasWaitingJobColumns(bool *has);
    bool remove(const QVector<StoredRecord> &rows, const QVector<StoreSession> &sessions);
    bool rowRefused() const;
    bool run(const QString &sql);
    bool transact(const std::function<bool()> &work);
    bool readRows(QSqlQuery &query, QVector<StoredRecord> *rows);
    bool unanswered(const StoreWatchdog &watchdog); // false, saying why when it fired

    StoreLocation where;
    QString connectionName;
    Status state = Status::Closed;
    QString error;
    QSqlError lastError;
    QVector<QPair<StoredRecord, QString>> refused;
    QHash<QString, RecordAssignment> assigned;
    QHash<QString, QString> missing;
    QSet<QString> toldStripped; // records whose texts lost a character, said once
    int versionFound = 0;
    int versionNow = 0;
    int undecodable = 0;
    bool indexed = false;
    const std::atomic<bool> *interrupted = nullptr;
    UpgradeProgress upgradeProgress;
    const std::atomic<bool> *upgradeCancel = nullptr;
};

#endif
