// SPDX-License-Identifier: MIT
#ifndef LUMETRA_CABLEIDASSIGNER_H
#define LUMETRA_CABLEIDASSIGNER_H

#include "archivejob.h"
#include "recordassignment.h"
#include "storedrecord.h"

#include <QSqlDatabase>
#include <QString>
#include <QVector>

// Gives records their cable IDs as they reach a job's store. A record new to
// the job takes the oldest retest mark of the job, else the first ID without
// a record counting from startId (the first ID when empty) and wrapping
// round, else none: it is unplanned. A record that has a job keeps its job
// and ID, whichever job is active, and uses up no retest mark.
class CableIdAssigner
{
public:
    // Runs inside the write's own open transaction on db, and must be its
    // first statement: it locks the job's row (on SQLite it takes the write
    // lock), so that two writers into one job wait for each other, never give
    // one ID to two first tests, and never deadlock on the records they both
    // write. The rows need not be in the store yet. assignments receives one
    // entry per row, index for index; every one given here is also a version
    // of the record's job and ID. False with error for a job or start ID
    // that does not exist, or a store that fails: the caller rolls back.
    static bool assignArrivals(QSqlDatabase db, const QString &job, const QString &startId,
        const QVector<StoredRecord> &rows, QVector<RecordAssignment> *assignments, QString *error);

    // The job of an opened archive, in the caller's transaction as above: a
    // job of that name that exists keeps its facts and gains the IDs it lacks,
    // at the end; a new one is made. An opened archive is an arrival: each row
    // (index for index with job.recordIds) that has a job keeps it, the others
    // take the ID the archive gives them, or none.
    static bool assignFromArchive(QSqlDatabase db, const ArchiveJob &job,
        const QVector<StoredRecord> &rows, QVector<RecordAssignment> *assignments, QString *error);

    // Sets a record's job and ID (cableId null: none) as of atMs, with a new
    // version; inside the caller's transaction.
    static bool setAssignment(QSqlDatabase db, const QString &recordKey, const QString &job,
        const QString &cableId, qint64 atMs, QString *error);

    // Locks the job for the rest of the transaction; false when it does not exist.
    static bool lockJob(QSqlDatabase db, const QString &job, bool *exists, QString *error);
    static bool hasCableId(
        QSqlDatabase db, const QString &job, const QString &cableId, bool *has, QString *error);
};

#endif
