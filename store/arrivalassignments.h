// SPDX-License-Identifier: MIT
#ifndef LUMETRA_ARRIVALASSIGNMENTS_H
#define LUMETRA_ARRIVALASSIGNMENTS_H

#include "recordassignment.h"
#include "storedrecord.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>

class RecordStore;

// The jobs and cable IDs of the rows of one write, inside its transaction:
// the rows received into a job take their IDs in the order they arrived;
// every other row's are read as the store has them.
class ArrivalAssignments
{
public:
    // rows in the order they arrived; the store must have jobs.
    ArrivalAssignments(RecordStore &store, const QVector<StoredRecord> &rows);

    // First in the transaction: each job the rows were received into is
    // locked, in the order of their names, so that two writers into one job
    // wait for each other and never give one ID to two first tests.
    bool lock(QString *error);
    // The rows received into a job that exists take their IDs, but those
    // whose keys are leftOut (rows the store refused). A start ID that is
    // gone counts from the job's first.
    bool assign(const QSet<QString> &leftOut, QString *error);
    // The job and ID of every other row, as the store has them: those
    // received into a job that is not there too.
    bool readOthers(QString *error);

    const QHash<QString, RecordAssignment> &byKey() const { return assigned; }
    // The job each row received into a job the store does not have was received into.
    const QHash<QString, QString> &missingJobs() const { return missing; }

private:
    // Rows that arrived one after another into one job from one start ID.
    struct Run
    {
        QString job;
        QString startId;
        QVector<StoredRecord> rows;
    };

    RecordStore &store;
    QVector<Run> runs; // in the order of their jobs' names
    QStringList others; // keys of the rows received into no job
    QSet<QString> existing; // jobs found when locked
    QSet<QString> startsFound; // job + '\n' + start ID
    QHash<QString, RecordAssignment> assigned;
    QHash<QString, QString> missing;
};

#endif
