// SPDX-License-Identifier: MIT
#include "cableidassigner.h"

#include "cableidlist.h"
#include "jobfacts.h"
#include "jobsql.h"

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QVariant>
#include <algorithm>

namespace {

bool failed(const QSqlQuery &query, QString *error)
{
    *error = JobSql::errorOf(query);
    return false;
}

// The job's IDs in order, which of them have a record, and its retest marks,
// the oldest first.
struct JobIds
{
    QStringList ids;
    QSet<QString> tested;
    QStringList marks;

    bool read(QSqlDatabase db, const QString &job, QString *error)
    {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("SELECT cable_id, retest_marked_at FROM lumetra_job_ids"
                                     " WHERE job_name = ? ORDER BY position"));
        query.addBindValue(job);
        if (!query.exec())
            return failed(query, error);
        QVector<QPair<qint64, int>> marked;
        while (query.next()) {
            if (!query.value(1).isNull())
                marked.append({ query.value(1).toLongLong(), ids.size() });
            ids << query.value(0).toString();
        }
        std::sort(marked.begin(), marked.end());
        for (const auto &mark : qAsConst(marked))
            marks << ids.at(mark.second);
        query.prepare(QStringLiteral("SELECT DISTINCT cable_id FROM lumetra_record_jobs"
                                     " WHERE job_name = ? AND cable_id IS NOT NULL"));
        query.addBindValue(job);
        if (!query.exec())
            return failed(query, error);
        while (query.next())
            tested.insert(query.value(0).toString());
        return true;
    }
};

} // namespace

bool CableIdAssigner::lockJob(QSqlDatabase db, const QString &job, bool *exists, QString *error)
{
    // An update takes the row's lock on PostgreSQL and the write lock on SQLite.
    QSqlQuery lock(db);
    lock.prepare(
        QStringLiteral("UPDATE lumetra_jobs SET changed_at = changed_at WHERE job_name = ?"));
    lock.addBindValue(job);
    if (!lock.exec())
        return failed(lock, error);
    *exists = lock.numRowsAffected() > 0;
    return true;
}

bool CableIdAssigner::hasCableId(
    QSqlDatabase db, const QString &job, const QString &cableId, bool *has, QString *error)
{
    QSqlQuery query(db);
    query.prepare(
        QStringLiteral("SELECT 1 FROM lumetra_job_ids WHERE job_name = ? AND cable_id = ?"));
    query.addBindValue(job);
    query.addBindValue(cableId);
    if (!query.exec())
        return failed(query, error);
    *has = query.next();
    return true;
}

bool CableIdAssigner::setAssignment(QSqlDatabase db, const QString &recordKey, const QString &job,
    const QString &cableId, qint64 atMs, QString *error)
{
    QSqlQuery upsert(db);
    upsert.prepare(QStringLiteral(
        "INSERT INTO lumetra_record_jobs (record_key, job_name, cable_id, search_text,"
        " assigned_at, host_name) VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (record_key) DO UPDATE"
        " SET job_name = excluded.job_name, cable_id = excluded.cable_id,"
        " search_text = excluded.search_text, assigned_at = excluded.assigned_at,"
        " host_name = excluded.host_name"));
    const QString host = QSysInfo::machineHostName();
    upsert.addBindValue(recordKey);
    upsert.addBindValue(job);
    upsert.addBindValue(JobSql::bound(cableId));
    upsert.addBindValue(JobSql::bound(cableId.isNull() ? QString() : cableId.toLower()));
    upsert.addBindValue(atMs);
    upsert.addBindValue(host);
    if (!upsert.exec())
        return failed(upsert, error);
    QSqlQuery last(db);
    last.prepare(QStringLiteral(
        "SELECT COALESCE(MAX(version), 0) FROM lumetra_job_versions WHERE record_key = ?"));
    last.addBindValue(recordKey);
    if (!last.exec() || !last.next())
        return failed(last, error);
    QSqlQuery version(db);
    version.prepare(QStringLiteral("INSERT INTO lumetra_job_versions (record_key, version,"
                                   " job_name, cable_id, made_at, host_name)"
                                   " VALUES (?, ?, ?, ?, ?, ?)"));
    version.addBindValue(recordKey);
    version.addBindValue(last.value(0).toInt() + 1);
    version.addBindValue(job);
    version.addBindValue(JobSql::bound(cableId));
    version.addBindValue(atMs);
    version.addBindValue(host);
    return version.exec() || failed(version, error);
}

namespace {
// The job and ID the store already gives the record of key; *found: whether it has one.
bool knownAssignment(QSqlQuery &known, const QString &key, RecordAssignment *assignment,
    bool *found, QString *error)
{
    known.addBindValue(key);
    if (!known.exec())
        return failed(known, error);
    *found = known.next();
    if (*found) {
        assignment->job = known.value(0).toString();
        assignment->cableId = known.value(1).isNull() ? QString() : known.value(1).toString();
    }
    known.finish();
    return true;
}

// The job's row, made unless there is one.
bool makeJob(QSqlDatabase db, const JobFacts &facts, const QString &name, QString *error)
{
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral(
        "INSERT INTO lumetra_jobs (job_name, customer, site, contractor, note, logo, logo_format,"
        " created_at, changed_at, host_name) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
        " ON CONFLICT (job_name) DO NOTHING"));
    const qint64 now = JobSql::nowMs();
    insert.addBindValue(name);
    for (const QString *text : { &facts.customer, &facts.site, &facts.contractor, &facts.note })
        insert.addBindValue(JobSql::bound(*text));
    insert.addBindValue(
        facts.logo.isEmpty() ? QVariant(QVariant::ByteArray) : QVariant(facts.logo));
    insert.addBindValue(
        facts.logo.isEmpty() ? QVariant(QVariant::String) : QVariant(facts.logoFormat));
    insert.addBindValue(now);
    insert.addBindValue(now);
    insert.addBindValue(QSysInfo::machineHostName());
    return insert.exec() || failed(insert, error);
}
} // namespace

bool CableIdAssigner::assignFromArchive(QSqlDatabase db, const ArchiveJob &job,
    const QVector<StoredRecord> &rows, QVector<RecordAssignment> *assignments, QString *error)
{
    assignments->clear();
    const QString name = normalizedJobName(job.facts.name);
    *error = jobNameProblem(name);
    bool exists = false;
    if (!error->isEmpty() || !makeJob(db, job.facts, name, error)
        || !lockJob(db, name, &exists, error))
        return false;
    JobIds plan;
    if (!plan.read(db, name, error))
        return false;
    QStringList lacking;
    for (const QString &id : job.cableIds) {
        if (!plan.ids.contains(id))
            lacking << id;
    }
    QStringList added;
    if (!CableIdList::prepare(lacking, {}, plan.ids, &added, error))
        return false;
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral(
        "INSERT INTO lumetra_job_ids (job_name, cable_id, position) VALUES (?, ?, ?)"));
    for (int i = 0; i < added.size(); ++i) {
        insert.addBindValue(name);
        insert.addBindValue(added.at(i));
        insert.addBindValue(plan.ids.size() + i);
        if (!insert.exec())
            return failed(insert, error);
    }
    QSqlQuery known(db);
    known.prepare(
        QStringLiteral("SELECT job_name, cable_id FROM lumetra_record_jobs WHERE record_key = ?"));
    const qint64 now = JobSql::nowMs();
    for (int i = 0; i < rows.size(); ++i) {
        const QString key = rows.at(i).key();
        RecordAssignment assignment;
        bool found = false;
        if (!knownAssignment(known, key, &assignment, &found, error))
            return false;
        if (!found) {
            const QString id = job.recordIds.value(i);
            assignment = { name, id.isEmpty() ? QString() : id, true, false };
            if (!setAssignment(db, key, name, assignment.cableId, now, error))
                return false;
        }
        assignments->append(assignment);
    }
    return true;
}

bool CableIdAssigner::assignArrivals(QSqlDatabase db, const QString &job, const QString &startId,
    const QVector<StoredRecord> &rows, QVector<RecordAssignment> *assignments, QString *error)
{
    assignments->clear();
    bool exists = false;
    if (!lockJob(db, job, &exists, error))
        return false;
    if (!exists) {
        *error = QStringLiteral("there is no job named %1").arg(job);
        return false;
    }
    JobIds plan;
    if (!plan.read(db, job, error))
        return false;
    int next = startId.isEmpty() ? 0 : plan.ids.indexOf(startId);
    if (next < 0) {
        *error = QStringLiteral("job %1 has no cable ID %2").arg(job, startId);
        return false;
    }
    QSqlQuery known(db);
    known.prepare(
        QStringLiteral("SELECT job_name, cable_id FROM lumetra_record_jobs WHERE record_key = ?"));
    QSqlQuery unmark(db);
    unmark.prepare(QStringLiteral("UPDATE lumetra_job_ids SET retest_marked_at = NULL,"
                                  " retest_marked_by = NULL WHERE job_name = ? AND cable_id = ?"));
    const qint64 now = JobSql::nowMs();
    QHash<QString, RecordAssignment> given; // a record twice in one write
    for (const StoredRecord &row : rows) {
        const QString key = row.key();
        if (given.contains(key)) {
            RecordAssignment again = given.value(key);
            again.arrived = again.tookRetest = false;
            assignments->append(again);
            continue;
        }
        RecordAssignment assignment;
        bool found = false;
        if (!knownAssignment(known, key, &assignment, &found, error))
            return false;
        if (found) {
            given.insert(key, assignment);
            assignments->append(assignment);
            continue;
        }
        assignment.job = job;
        assignment.arrived = true;
        if (!plan.marks.isEmpty()) {
            assignment.cableId = plan.marks.takeFirst();
            assignment.tookRetest = true;
            unmark.addBindValue(job);
            unmark.addBindValue(assignment.cableId);
            if (!unmark.exec())
                return failed(unmark, error);
        } else {
            // The first free ID from the start on: free IDs only ever get fewer.
            for (int looked = 0; looked < plan.ids.size() && assignment.cableId.isNull();
                 ++looked) {
                const QString &candidate = plan.ids.at(next);
                if (!plan.tested.contains(candidate))
                    assignment.cableId = candidate;
                else
                    next = (next + 1) % plan.ids.size();
            }
        }
        if (!assignment.cableId.isNull())
            plan.tested.insert(assignment.cableId);
        if (!setAssignment(db, key, job, assignment.cableId, now, error))
            return false;
        given.insert(key, assignment);
        assignments->append(assignment);
    }
    return true;
}
