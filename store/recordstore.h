// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDSTORE_H
#define LUMETRA_RECORDSTORE_H

#include "historyfilter.h"
#include "storedrecord.h"
#include "storelocation.h"
#include "storesession.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>
#include <functional>

class QSqlQuery;
class StoreWatchdog;

// One connection to a records store, SQLite or PostgreSQL: the same schema
// and the same portable SQL on both. Every write is one transaction.
//
// A store whose schema is newer than this build knows is refused, and so is
// a file that is not a database: neither is written to, not even to switch
// its journal mode.
class RecordStore
{
public:
    static constexpr int schemaVersion = 1;

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

    // Connects and checks the schema, making it in an empty store.
    bool open();
    void close();
    bool isOpen() const { return state == Status::Open; }
    Status status() const { return state; }
    QString errorString() const { return error; }
    const StoreLocation &location() const { return where; }
    QSqlDatabase database() const;

    // Inserts or updates each row by its key, and each session by its id. An
    // update never goes back: a row changed earlier than the stored one is
    // left out. A row without texts of its own keeps the stored texts.
    // A PostgreSQL server that stops answering holds it up a few seconds at most.
    bool write(const QVector<StoredRecord> &rows, const QVector<StoreSession> &sessions = {});

    // Sessions of hostName that have not ended.
    bool readOpenSessions(const QString &hostName, QVector<StoreSession> *sessions);
    // The rows a session listed and did not save, in the order it listed them.
    bool readUnsaved(const QString &sessionId, QVector<StoredRecord> *rows);
    // The rows of these keys, in the order of the keys; unknown keys are skipped.
    bool readRecords(const QStringList &keys, QVector<StoredRecord> *rows);
    // Everything, to hand it on to another store.
    bool readEverything(QVector<StoredRecord> *rows, QVector<StoreSession> *sessions);
    // Removes rows and sessions handed on, unless they changed since they were read.
    bool remove(const QVector<StoredRecord> &rows, const QVector<StoreSession> &sessions);
    bool isEmpty();

    // The rows the filter lets through, oldest first, read as they are needed.
    bool forEachRecord(
        const HistoryFilter &filter, const std::function<void(const StoredRecord &)> &visit);

    // The query of the history: columns of lumetra_records that pass filter,
    // newest first, at most limit rows (0: all); values receives what to bind.
    static QString historySql(const QString &columns, const HistoryFilter &filter, bool newestFirst,
        int limit, QVariantList *values);

private:
    bool fail(const QString &why);
    bool failed(const QSqlQuery &query);
    bool readSchemaVersion(int *version);
    bool makeSchema();
    bool run(const QString &sql);
    bool transact(const std::function<bool()> &work);
    bool readRows(QSqlQuery &query, QVector<StoredRecord> *rows);
    bool unanswered(const StoreWatchdog &watchdog); // false, saying why when it fired

    StoreLocation where;
    QString connectionName;
    Status state = Status::Closed;
    QString error;
};

#endif
