// SPDX-License-Identifier: MIT
#ifndef LUMETRA_SEARCHINDEX_H
#define LUMETRA_SEARCHINDEX_H

#include "storelocation.h"

#include <QSqlDatabase>
#include <QString>
#include <atomic>
#include <functional>

// What lets the history's search read a few rows instead of every record.
// It only narrows: the search's LIKE confirms each row it gives, so that
// what is found is the same with and without it.
//
// SQLite: an FTS5 table of the trigrams of each record's search text and
// cable ID (lumetra_search), whose rowid is the record's place in the
// history (lumetra_search_order: received time, then place in its batch), so
// that the newest matches come first and a search stops at the window's
// bound. Triggers queue what every write changes, and the store's own
// transactions write the queue into the index before they commit.
// PostgreSQL: pg_trgm's GIN indexes, which its planner weighs against
// reading the newest records first.
//
// A store that cannot have it (no FTS5; no right to add pg_trgm) works as
// before, only slower.
class SearchIndex
{
public:
    // done of total records; false stops the building.
    using Progress = std::function<bool(qint64 done, qint64 total)>;

    static constexpr int chunkRecords = 20000;

    // Whether the store has a usable index.
    static bool exists(QSqlDatabase db, StoreLocation::Kind kind, bool *exists, QString *error);

    // Builds it in the transaction that is open, in chunks, each told to
    // progress; cancel is looked at while PostgreSQL builds (0: never).
    // *made is false, and the store as it was, when the store cannot have
    // it; the reason is in *why. False when building failed or was stopped.
    static bool build(QSqlDatabase db, StoreLocation::Kind kind, const Progress &progress,
        const std::atomic<bool> *cancel, bool *made, QString *why);

    // SQLite: writes what the writes of the open transaction queued.
    static bool catchUp(QSqlDatabase db, QString *why);
    // Nothing waits in the queue: a writer that did not catch up leaves an
    // index that a search must not trust.
    static bool caughtUp(QSqlDatabase db);

    // The free space an SQLite store needs to build it: about as much as the
    // store has in use, half for the index and half for its copy in the
    // write-ahead log until it is written into the store.
    static qint64 roomNeeded(QSqlDatabase db);

    // The MATCH of the trigrams of a lower-case search, or empty when the
    // index cannot narrow it (fewer than three characters).
    static QString matchOf(const QString &search);
    // The first place in the history of a time: the SQLite index's rowids
    // are in the order of received time.
    static qint64 positionOf(qint64 receivedAtMs);
};

#endif
