// SPDX-License-Identifier: MIT
#include "arrivalassignments.h"

#include "cableidassigner.h"
#include "jobstore.h"
#include "recordstore.h"

#include <algorithm>

ArrivalAssignments::ArrivalAssignments(RecordStore &store, const QVector<StoredRecord> &rows)
    : store(store)
{
    QSet<QString> received;
    for (const StoredRecord &row : rows) {
        if (row.arrivalJob.isEmpty()) {
            others << row.key();
            continue;
        }
        received.insert(row.key());
        if (runs.isEmpty() || runs.constLast().job != row.arrivalJob
            || runs.constLast().startId != row.arrivalStartId)
            runs.append({ row.arrivalJob, row.arrivalStartId, {} });
        runs.last().rows << row;
    }
    // A key received into a job is told by its job's run, whatever else was written of it.
    others.erase(std::remove_if(others.begin(), others.end(),
                     [&received](const QString &key) { return received.contains(key); }),
        others.end());
    std::stable_sort(
        runs.begin(), runs.end(), [](const Run &a, const Run &b) { return a.job < b.job; });
}

bool ArrivalAssignments::lock(QString *error)
{
    QSqlDatabase db = store.database();
    for (const Run &run : qAsConst(runs)) {
        bool exists = existing.contains(run.job);
        if (!exists && !CableIdAssigner::lockJob(db, run.job, &exists, error))
            return false;
        if (!exists)
            continue;
        existing.insert(run.job);
        bool has = run.startId.isEmpty();
        if (!has && !CableIdAssigner::hasCableId(db, run.job, run.startId, &has, error))
            return false;
        if (has)
            startsFound.insert(run.job + QLatin1Char('\n') + run.startId);
    }
    return true;
}

bool ArrivalAssignments::assign(const QSet<QString> &leftOut, QString *error)
{
    assigned.clear();
    missing.clear();
    QSqlDatabase db = store.database();
    for (const Run &run : qAsConst(runs)) {
        QVector<StoredRecord> rows;
        for (const StoredRecord &row : run.rows) {
            const QString key = row.key();
            if (leftOut.contains(key))
                continue;
            if (existing.contains(run.job))
                rows << row;
            else if (!assigned.contains(key))
                missing.insert(key, run.job);
        }
        if (rows.isEmpty())
            continue;
        const QString start = startsFound.contains(run.job + QLatin1Char('\n') + run.startId)
            ? run.startId
            : QString();
        QVector<RecordAssignment> given;
        if (!CableIdAssigner::assignArrivals(db, run.job, start, rows, &given, error))
            return false;
        for (int i = 0; i < rows.size(); ++i) {
            const QString key = rows.at(i).key();
            // What a record became the first time it was written here holds.
            if (!assigned.contains(key) || given.at(i).arrived)
                assigned.insert(key, given.at(i));
        }
    }
    return true;
}

bool ArrivalAssignments::readOthers(QString *error)
{
    QStringList keys;
    for (const QString &key : others + missing.keys()) {
        if (!assigned.contains(key))
            keys << key;
    }
    keys.removeDuplicates();
    QHash<QString, RecordCableId> found;
    JobStore jobs(store);
    if (!jobs.recordCableIds(keys, &found)) {
        *error = jobs.errorString();
        return false;
    }
    for (const QString &key : qAsConst(keys)) {
        const RecordCableId id = found.value(key);
        assigned.insert(key, { id.job, id.cableId, false, false });
    }
    return true;
}
