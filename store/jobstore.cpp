// SPDX-License-Identifier: MIT
#include "jobstore.h"

#include "cableidassigner.h"
#include "cableidlist.h"
#include "jobsql.h"
#include "recordstore.h"
#include "storewatchdog.h"

#include <QDateTime>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QVariant>
#include <algorithm>

namespace {

constexpr int jobsSchemaVersion = 3;

JobFacts factsFrom(const QSqlQuery &query)
{
    JobFacts facts;
    facts.name = query.value(0).toString();
    facts.customer = JobSql::textOf(query.value(1));
    facts.site = JobSql::textOf(query.value(2));
    facts.contractor = JobSql::textOf(query.value(3));
    facts.note = JobSql::textOf(query.value(4));
    facts.logo = query.value(5).toByteArray();
    facts.logoFormat = JobSql::textOf(query.value(6));
    return facts;
}

const QString factColumns
    = QStringLiteral("job_name, customer, site, contractor, note, logo, logo_format");

void bindFacts(QSqlQuery &query, const JobFacts &facts)
{
    query.addBindValue(JobSql::bound(facts.customer));
    query.addBindValue(JobSql::bound(facts.site));
    query.addBindValue(JobSql::bound(facts.contractor));
    query.addBindValue(JobSql::bound(facts.note));
    query.addBindValue(facts.logo.isEmpty() ? QVariant(QVariant::ByteArray) : QVariant(facts.logo));
    query.addBindValue(
        facts.logo.isEmpty() ? QVariant(QVariant::String) : QVariant(facts.logoFormat));
}

} // namespace

JobStore::JobStore(RecordStore &store)
    : store(store)
{
}

QStringList JobStore::schemaStatements(StoreLocation::Kind kind)
{
    const QString blob = kind == StoreLocation::Kind::PostgreSQL ? QStringLiteral("BYTEA")
                                                                 : QStringLiteral("BLOB");
    return {
        QStringLiteral("CREATE TABLE IF NOT EXISTS lumetra_jobs ("
                       " job_name TEXT PRIMARY KEY,"
                       " customer TEXT, site TEXT, contractor TEXT, note TEXT,"
                       " logo %1, logo_format TEXT,"
                       " created_at BIGINT NOT NULL,"
                       " changed_at BIGINT NOT NULL,"
                       " host_name TEXT NOT NULL)")
            .arg(blob),
        // Retest marks are taken oldest first.
        QStringLiteral("CREATE TABLE IF NOT EXISTS lumetra_job_ids ("
                       " job_name TEXT NOT NULL,"
                       " cable_id TEXT NOT NULL,"
                       " position BIGINT NOT NULL,"
                       " retest_marked_at BIGINT,"
                       " retest_marked_by TEXT,"
                       " PRIMARY KEY (job_name, cable_id))"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS lumetra_job_ids_order"
                       " ON lumetra_job_ids (job_name, position)"),
        // A record's job and ID; a null ID is a record of the job without one.
        // search_text is the ID as the history's search looks for it.
        QStringLiteral("CREATE TABLE IF NOT EXISTS lumetra_record_jobs ("
                       " record_key TEXT PRIMARY KEY,"
                       " job_name TEXT NOT NULL,"
                       " cable_id TEXT,"
                       " search_text TEXT,"
                       " assigned_at BIGINT NOT NULL,"
                       " host_name TEXT NOT NULL)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS lumetra_record_jobs_id"
                       " ON lumetra_record_jobs (job_name, cable_id)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS lumetra_job_versions ("
                       " record_key TEXT NOT NULL,"
                       " version INTEGER NOT NULL,"
                       " job_name TEXT, cable_id TEXT,"
                       " made_at BIGINT NOT NULL,"
                       " host_name TEXT NOT NULL,"
                       " PRIMARY KEY (record_key, version))"),
    };
}

bool JobStore::fail(const QString &why)
{
    error = why;
    return false;
}

bool JobStore::failed(const QSqlQuery &query)
{
    return fail(JobSql::errorOf(query));
}

bool JobStore::hasJobs() const
{
    return store.isOpen() && store.version() >= jobsSchemaVersion;
}

bool JobStore::readable()
{
    error.clear();
    return store.isOpen()
        || fail(store.errorString().isEmpty() ? QStringLiteral("the records store is not open")
                                              : store.errorString());
}

// Locks the job first (when one is named), so that changes of one job wait
// for each other.
bool JobStore::transact(const QString &job, int rows, const std::function<bool()> &work)
{
    if (!readable())
        return false;
    if (!hasJobs())
        return fail(QStringLiteral("this records store is of version %1, which has no jobs; "
                                   "open it once with this Lumetra to upgrade it")
                        .arg(store.version()));
    QSqlDatabase db = store.database();
    const StoreWatchdog watchdog(db, JobSql::answerBoundMs + JobSql::answerBoundPerRowMs * rows);
    if (!db.transaction())
        return fail(db.lastError().text());
    bool done = true;
    if (!job.isEmpty()) {
        bool found = false;
        done = CableIdAssigner::lockJob(db, job, &found, &error)
            && (found || fail(QStringLiteral("there is no job named %1").arg(job)));
    }
    done = done && work() && store.catchUpSearchIndex(&error);
    if (done && db.commit())
        return true;
    const QString why = !done ? error : db.lastError().text();
    db.rollback();
    return fail(watchdog.fired() ? QStringLiteral("the PostgreSQL server stopped answering") : why);
}

bool JobStore::jobs(QVector<Summary> *jobs)
{
    if (!readable())
        return false;
    if (!hasJobs())
        return true;
    QSqlQuery query(store.database());
    if (!query.exec(QStringLiteral("SELECT ") + factColumns
            + QStringLiteral(", (SELECT COUNT(*) FROM lumetra_job_ids i WHERE i.job_name ="
                             " j.job_name), (SELECT COUNT(*) FROM lumetra_record_jobs r WHERE"
                             " r.job_name = j.job_name) FROM lumetra_jobs j ORDER BY job_name")))
        return failed(query);
    while (query.next())
        jobs->append({ factsFrom(query), query.value(7).toInt(), query.value(8).toInt() });
    return true;
}

bool JobStore::jobNames(QStringList *names)
{
    if (!readable())
        return false;
    if (!hasJobs())
        return true;
    QSqlQuery query(store.database());
    if (!query.exec(QStringLiteral("SELECT job_name FROM lumetra_jobs ORDER BY job_name")))
        return failed(query);
    while (query.next())
        names->append(query.value(0).toString());
    return true;
}

bool JobStore::job(const QString &name, JobFacts *facts)
{
    if (!readable())
        return false;
    if (!hasJobs())
        return fail(QStringLiteral("there is no job named %1").arg(name));
    QSqlQuery query(store.database());
    query.prepare(QStringLiteral("SELECT ") + factColumns
        + QStringLiteral(" FROM lumetra_jobs WHERE job_name = ?"));
    query.addBindValue(name);
    if (!query.exec())
        return failed(query);
    if (!query.next())
        return fail(QStringLiteral("there is no job named %1").arg(name));
    *facts = factsFrom(query);
    return true;
}

bool JobStore::exists(const QString &job)
{
    QSqlQuery query(store.database());
    query.prepare(QStringLiteral("SELECT 1 FROM lumetra_jobs WHERE job_name = ?"));
    query.addBindValue(job);
    return query.exec() && query.next();
}

bool JobStore::createJob(const JobFacts &facts)
{
    const QString name = normalizedJobName(facts.name);
    const QString problem = jobNameProblem(name);
    if (!problem.isEmpty())
        return fail(problem);
    return transact(QString(), 1, [&] {
        if (exists(name))
            return fail(QStringLiteral("there is a job named %1 already").arg(name));
        QSqlQuery insert(store.database());
        insert.prepare(
            QStringLiteral("INSERT INTO lumetra_jobs (customer, site, contractor,"
                           " note, logo, logo_format, job_name, created_at,"
                           " changed_at, host_name) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        bindFacts(insert, facts);
        insert.addBindValue(name);
        insert.addBindValue(JobSql::nowMs());
        insert.addBindValue(JobSql::nowMs());
        insert.addBindValue(QSysInfo::machineHostName());
        return insert.exec() || failed(insert);
    });
}

bool JobStore::editJob(const JobFacts &facts)
{
    return transact(facts.name, 1, [&] {
        QSqlQuery update(store.database());
        update.prepare(QStringLiteral("UPDATE lumetra_jobs SET customer = ?, site = ?,"
                                      " contractor = ?, note = ?, logo = ?, logo_format = ?,"
                                      " changed_at = ?, host_name = ? WHERE job_name = ?"));
        bindFacts(update, facts);
        update.addBindValue(JobSql::nowMs());
        update.addBindValue(QSysInfo::machineHostName());
        update.addBindValue(facts.name);
        return update.exec() || failed(update);
    });
}

bool JobStore::cableIds(const QString &job, QStringList *ids)
{
    ids->clear();
    JobFacts facts;
    if (!this->job(job, &facts))
        return false;
    QSqlQuery query(store.database());
    query.prepare(QStringLiteral(
        "SELECT cable_id FROM lumetra_job_ids WHERE job_name = ? ORDER BY position"));
    query.addBindValue(job);
    if (!query.exec())
        return failed(query);
    while (query.next())
        ids->append(query.value(0).toString());
    return true;
}

bool JobStore::writePositions(const QString &job, const QStringList &order)
{
    QSqlQuery update(store.database());
    update.prepare(QStringLiteral(
        "UPDATE lumetra_job_ids SET position = ? WHERE job_name = ? AND cable_id = ?"));
    for (int i = 0; i < order.size(); ++i) {
        update.addBindValue(i);
        update.addBindValue(job);
        update.addBindValue(order.at(i));
        if (!update.exec())
            return failed(update);
    }
    return true;
}

bool JobStore::addCableIds(
    const QString &job, const QStringList &texts, const QVector<int> &lines, int *added)
{
    return insertAt(job, QString(), texts, lines, added);
}

bool JobStore::insertCableIds(const QString &job, const QString &before, const QStringList &texts)
{
    return insertAt(job, before, texts, {}, nullptr);
}

bool JobStore::insertAt(const QString &job, const QString &before, const QStringList &texts,
    const QVector<int> &lines, int *added)
{
    return transact(job, texts.size(), [&] {
        QStringList existing;
        if (!cableIds(job, &existing))
            return false;
        const int at = before.isNull() ? existing.size() : existing.indexOf(before);
        if (at < 0)
            return fail(QStringLiteral("job %1 has no cable ID %2").arg(job, before));
        QStringList ids;
        if (!CableIdList::prepare(texts, lines, existing, &ids, &error))
            return false;
        QSqlQuery insert(store.database());
        insert.prepare(QStringLiteral(
            "INSERT INTO lumetra_job_ids (job_name, cable_id, position) VALUES (?, ?, ?)"));
        for (int i = 0; i < ids.size(); ++i) {
            insert.addBindValue(job);
            insert.addBindValue(ids.at(i));
            insert.addBindValue(existing.size() + i);
            if (!insert.exec())
                return failed(insert);
        }
        if (added)
            *added = ids.size();
        if (at == existing.size())
            return true;
        QStringList order = existing.mid(0, at) + ids + existing.mid(at);
        return writePositions(job, order);
    });
}

// How many records each ID of the job has.
bool JobStore::recordsById(const QString &job, QHash<QString, int> *records)
{
    QSqlQuery query(store.database());
    query.prepare(QStringLiteral("SELECT cable_id, COUNT(*) FROM lumetra_record_jobs"
                                 " WHERE job_name = ? AND cable_id IS NOT NULL GROUP BY cable_id"));
    query.addBindValue(job);
    if (!query.exec())
        return failed(query);
    while (query.next())
        records->insert(query.value(0).toString(), query.value(1).toInt());
    return true;
}

bool JobStore::renameCableId(const QString &job, const QString &from, const QString &to)
{
    return transact(job, 1, [&] {
        QStringList existing;
        if (!cableIds(job, &existing))
            return false;
        if (!existing.contains(from))
            return fail(QStringLiteral("job %1 has no cable ID %2").arg(job, from));
        existing.removeOne(from);
        QStringList renamed;
        if (!CableIdList::prepare({ to }, {}, existing, &renamed, &error))
            return false;
        QSqlQuery rename(store.database());
        rename.prepare(QStringLiteral(
            "UPDATE lumetra_job_ids SET cable_id = ? WHERE job_name = ? AND cable_id = ?"));
        rename.addBindValue(renamed.first());
        rename.addBindValue(job);
        rename.addBindValue(from);
        if (!rename.exec())
            return failed(rename);
        // Its records follow, each with a new version.
        QSqlQuery records(store.database());
        records.prepare(QStringLiteral(
            "SELECT record_key FROM lumetra_record_jobs WHERE job_name = ? AND cable_id = ?"));
        records.addBindValue(job);
        records.addBindValue(from);
        if (!records.exec())
            return failed(records);
        QStringList keys;
        while (records.next())
            keys << records.value(0).toString();
        for (const QString &key : qAsConst(keys)) {
            if (!CableIdAssigner::setAssignment(
                    store.database(), key, job, renamed.first(), JobSql::nowMs(), &error))
                return false;
        }
        return true;
    });
}

bool JobStore::reorderCableIds(const QString &job, const QStringList &order)
{
    return transact(job, order.size(), [&] {
        QStringList existing;
        if (!cableIds(job, &existing))
            return false;
        const QSet<QString> given(order.begin(), order.end());
        if (given.size() != order.size()
            || given != QSet<QString>(existing.begin(), existing.end()))
            return fail(QStringLiteral("a new order of job %1's cable IDs must name each of them "
                                       "once")
                            .arg(job));
        return writePositions(job, order);
    });
}

bool JobStore::removeCableIds(const QString &job, const QStringList &ids)
{
    return transact(job, ids.size(), [&] {
        QStringList existing;
        QHash<QString, int> records;
        if (!cableIds(job, &existing) || !recordsById(job, &records))
            return false;
        QStringList tested;
        for (const QString &id : ids) {
            if (!existing.contains(id))
                return fail(QStringLiteral("job %1 has no cable ID %2").arg(job, id));
            if (records.contains(id))
                tested << id;
        }
        if (!tested.isEmpty())
            return fail(QStringLiteral("records have these cable IDs, which stay: %1")
                            .arg(CableIdList::namedList(tested)));
        QSqlQuery remove(store.database());
        remove.prepare(
            QStringLiteral("DELETE FROM lumetra_job_ids WHERE job_name = ? AND cable_id = ?"));
        for (const QString &id : ids) {
            remove.addBindValue(job);
            remove.addBindValue(id);
            if (!remove.exec())
                return failed(remove);
            existing.removeOne(id);
        }
        return writePositions(job, existing);
    });
}

bool JobStore::markRetest(const QString &job, const QStringList &ids, bool marked)
{
    return transact(job, ids.size(), [&] {
        QStringList existing;
        QHash<QString, int> records;
        if (!cableIds(job, &existing) || !recordsById(job, &records))
            return false;
        QSqlQuery mark(store.database());
        mark.prepare(marked ? QStringLiteral("UPDATE lumetra_job_ids SET retest_marked_at = ?,"
                                             " retest_marked_by = ? WHERE job_name = ? AND"
                                             " cable_id = ? AND retest_marked_at IS NULL")
                            : QStringLiteral("UPDATE lumetra_job_ids SET retest_marked_at = NULL,"
                                             " retest_marked_by = NULL WHERE job_name = ? AND"
                                             " cable_id = ?"));
        const qint64 at = JobSql::nowMs();
        for (int i = 0; i < ids.size(); ++i) {
            const QString &id = ids.at(i);
            if (!existing.contains(id))
                return fail(QStringLiteral("job %1 has no cable ID %2").arg(job, id));
            if (marked && !records.contains(id))
                return fail(QStringLiteral("cable ID %1 has not been tested: there is nothing to "
                                           "retest")
                                .arg(id));
            if (marked) {
                mark.addBindValue(at + i); // the order given is the order they are taken
                mark.addBindValue(QSysInfo::machineHostName());
            }
            mark.addBindValue(job);
            mark.addBindValue(id);
            if (!mark.exec())
                return failed(mark);
        }
        return true;
    });
}

bool JobStore::hasRecord(const QString &key)
{
    QSqlQuery query(store.database());
    query.prepare(QStringLiteral("SELECT 1 FROM lumetra_records WHERE record_key = ?"));
    query.addBindValue(key);
    return query.exec() && query.next();
}

bool JobStore::assign(const QString &job, const QString &recordKey, Assignment how,
    const QString &cableId, bool *changed)
{
    bool madeChange = false;
    const bool done = transact(job, 1, [&] {
        if (!hasRecord(recordKey))
            return fail(
                QStringLiteral("there is no record %1 in the records store").arg(recordKey));
        QStringList existing;
        QHash<QString, RecordCableId> current;
        if (!cableIds(job, &existing) || !recordCableIds({ recordKey }, &current))
            return false;
        const RecordCableId before = current.value(recordKey);
        const QString id = how == Assignment::None ? QString() : cableId;
        if (!id.isNull() && !existing.contains(id))
            return fail(QStringLiteral("job %1 has no cable ID %2").arg(job, id));
        if (before.job == job && before.cableId == id && before.cableId.isNull() == id.isNull())
            return true;
        QSqlQuery tests(store.database());
        tests.prepare(QStringLiteral("SELECT COUNT(*) FROM lumetra_record_jobs WHERE job_name = ?"
                                     " AND cable_id = ? AND record_key <> ?"));
        tests.addBindValue(job);
        tests.addBindValue(id);
        tests.addBindValue(recordKey);
        if (!id.isNull() && (!tests.exec() || !tests.next()))
            return failed(tests);
        const bool tested = !id.isNull() && tests.value(0).toInt() > 0;
        if (how == Assignment::Id && tested)
            return fail(QStringLiteral("cable ID %1 has a record already; to make this record "
                                       "its retest, assign it with --retest")
                            .arg(id));
        if (how == Assignment::Retest && !tested)
            return fail(QStringLiteral("cable ID %1 has not been tested: there is nothing to "
                                       "retest; assign it with --id")
                            .arg(id));
        if (how == Assignment::Retest && !markRetestTaken(job, id))
            return false;
        madeChange = true;
        return CableIdAssigner::setAssignment(
            store.database(), recordKey, job, id, JobSql::nowMs(), &error);
    });
    if (changed)
        *changed = done && madeChange;
    return done;
}

bool JobStore::markRetestTaken(const QString &job, const QString &id)
{
    QSqlQuery unmark(store.database());
    unmark.prepare(QStringLiteral("UPDATE lumetra_job_ids SET retest_marked_at = NULL,"
                                  " retest_marked_by = NULL WHERE job_name = ? AND cable_id = ?"));
    unmark.addBindValue(job);
    unmark.addBindValue(id);
    return unmark.exec() || failed(unmark);
}
