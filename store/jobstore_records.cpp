// SPDX-License-Identifier: MIT
// What a job's records are: its status, its archive, their texts, IDs and versions.
#include "jobstore.h"

#include "cableidassigner.h"
#include "jobsql.h"
#include "meterframe.h"
#include "recordstore.h"
#include "storewatchdog.h"

#include <QDateTime>
#include <QSet>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace {

// The note field's HTML of a plain text, which notePlainText reads back.
QString noteHtmlOf(const QString &plain)
{
    QStringList paragraphs;
    for (const QString &line : plain.split(QLatin1Char('\n')))
        paragraphs << QStringLiteral("<p>") + line.toHtmlEscaped() + QStringLiteral("</p>");
    return paragraphs.join(QLatin1Char('\n'));
}

} // namespace

bool JobStore::readAssignedTests(const QString &job, JobStatus *status)
{
    QHash<QString, int> rowOfId;
    for (int i = 0; i < status->ids.size(); ++i)
        rowOfId.insert(status->ids.at(i).cableId, i);
    QSqlQuery query(store.database());
    query.setForwardOnly(true);
    // Oldest assignment first: an ID's latest test is its last.
    query.prepare(QStringLiteral(
        "SELECT j.record_key, j.cable_id, r.frame_hex, r.received_at, r.host_name"
        " FROM lumetra_record_jobs j JOIN lumetra_records r ON r.record_key = j.record_key"
        " WHERE j.job_name = ? ORDER BY j.assigned_at, r.received_at, r.batch_position"));
    query.addBindValue(job);
    if (!query.exec())
        return failed(query);
    while (query.next()) {
        const QByteArray frame = QByteArray::fromHex(query.value(2).toString().toLatin1());
        if (frame.size() != meterFrameSize)
            continue; // damaged: the history counts it
        const JobStatus::Test test = JobStatus::Test::of(query.value(0).toString(),
            decodeFrame(reinterpret_cast<const unsigned char *>(frame.constData())),
            query.value(3).toLongLong(), query.value(4).toString());
        if (query.value(1).isNull() || !rowOfId.contains(query.value(1).toString())) {
            status->unplanned << test;
            continue;
        }
        JobStatus::CableIdRow &row = status->ids[rowOfId.value(query.value(1).toString())];
        if (row.state != JobStatus::State::Untested)
            row.earlier << row.latest;
        row.latest = test;
        row.state = test.verdict;
    }
    std::sort(status->unplanned.begin(), status->unplanned.end(),
        [](const JobStatus::Test &a, const JobStatus::Test &b) {
            return a.receivedAtMs < b.receivedAtMs;
        });
    return true;
}

bool JobStore::readStatus(const QString &job, JobStatus *status)
{
    *status = JobStatus();
    if (!this->job(job, &status->facts))
        return false;
    const StoreWatchdog watchdog(store.database(), JobSql::answerBoundMs);
    QSqlQuery query(store.database());
    query.prepare(QStringLiteral("SELECT cable_id, retest_marked_at FROM lumetra_job_ids"
                                 " WHERE job_name = ? ORDER BY position"));
    query.addBindValue(job);
    if (!query.exec())
        return failed(query);
    while (query.next()) {
        JobStatus::CableIdRow row;
        row.cableId = query.value(0).toString();
        row.retestMarked = !query.value(1).isNull();
        status->ids << row;
    }
    return readAssignedTests(job, status);
}

bool JobStore::exportJob(const QString &job, QVector<StoredRecord> *rows, ArchiveJob *archive)
{
    rows->clear();
    JobStatus status;
    if (!readStatus(job, &status))
        return false;
    *archive = ArchiveJob();
    archive->facts = status.facts;
    QStringList keys;
    for (const JobStatus::CableIdRow &row : qAsConst(status.ids)) {
        archive->cableIds << row.cableId;
        if (row.state != JobStatus::State::Untested) {
            keys << row.latest.recordKey;
            archive->recordIds << row.cableId;
        }
    }
    if (!store.readRecords(keys, rows))
        return fail(store.errorString());
    if (rows->size() != keys.size())
        return fail(QStringLiteral("%1 of the job's records could not be read: their data is "
                                   "damaged")
                        .arg(keys.size() - rows->size()));
    return true;
}

bool JobStore::readRecords(const QString &job, JobRecords *records)
{
    *records = JobRecords();
    JobStatus status;
    if (!readStatus(job, &status))
        return false;
    QStringList keys;
    for (const JobStatus::CableIdRow &row : qAsConst(status.ids)) {
        for (const JobStatus::Test &test : row.earlier)
            keys << test.recordKey;
        if (row.state != JobStatus::State::Untested)
            keys << row.latest.recordKey;
    }
    for (const JobStatus::Test &test : qAsConst(status.unplanned))
        keys << test.recordKey;
    QVector<StoredRecord> rows;
    if (!store.readRecords(keys, &rows))
        return fail(store.errorString());
    QHash<QString, JobTest> byKey;
    for (const StoredRecord &row : qAsConst(rows))
        byKey.insert(row.key(), { row.key(), row.record, row.headers, row.receivedAtMs });
    // A record whose data is damaged is left out, as the status leaves it out.
    const auto add = [&](const JobStatus::Test &test, QVector<JobTest> *tests) {
        if (byKey.contains(test.recordKey))
            tests->append(byKey.value(test.recordKey));
    };
    records->facts = status.facts;
    for (const JobStatus::CableIdRow &row : qAsConst(status.ids)) {
        JobTrunk trunk { row.cableId, row.retestMarked, {} };
        for (const JobStatus::Test &test : row.earlier)
            add(test, &trunk.tests);
        if (row.state != JobStatus::State::Untested)
            add(row.latest, &trunk.tests);
        records->trunks << trunk;
    }
    for (const JobStatus::Test &test : qAsConst(status.unplanned))
        add(test, &records->unplanned);
    return true;
}

bool JobStore::recordKeys(const QString &job, QStringList *keys)
{
    keys->clear();
    JobFacts facts;
    if (!this->job(job, &facts))
        return false;
    QSqlQuery query(store.database());
    query.prepare(QStringLiteral("SELECT record_key FROM lumetra_record_jobs WHERE job_name = ?"
                                 " ORDER BY assigned_at, record_key"));
    query.addBindValue(job);
    if (!query.exec())
        return failed(query);
    while (query.next())
        keys->append(query.value(0).toString());
    return true;
}

bool JobStore::setTexts(
    const QString &job, const TextChange &change, int *changed, const QStringList &only)
{
    *changed = 0;
    QStringList keys;
    QVector<StoredRecord> rows;
    if (!recordKeys(job, &keys))
        return false;
    if (!only.isEmpty()) {
        const QSet<QString> chosen(only.begin(), only.end());
        keys.erase(std::remove_if(keys.begin(), keys.end(),
                       [&](const QString &key) { return !chosen.contains(key); }),
            keys.end());
    }
    if (!store.readRecords(keys, &rows))
        return fail(store.errorString());
    QVector<StoredRecord> edited;
    const qint64 at = JobSql::nowMs();
    for (StoredRecord row : qAsConst(rows)) {
        ReportHeaderTexts texts = row.headers;
        const std::pair<const std::optional<QString> *, QString *> fields[]
            = { { &change.companyName, &texts.companyName },
                  { &change.operatorName, &texts.operatorName },
                  { &change.testDevice, &texts.testDevice }, { &change.testDate, &texts.testDate },
                  { &change.serialNumber, &texts.serialNumber } };
        for (const auto &field : fields) {
            if (*field.first)
                *field.second = **field.first;
        }
        if (change.note)
            texts.noteHtml = noteHtmlOf(*change.note);
        if (texts == row.headers)
            continue;
        row.headers = texts;
        row.textsKnown = true;
        row.arrival = false;
        row.changedAtMs = qMax(at, row.changedAtMs + 1);
        edited << row;
    }
    if (!store.writeEveryRow(edited))
        return fail(store.errorString());
    *changed = edited.size();
    return true;
}

bool JobStore::addFromArchive(const ArchiveJob &job, const QVector<StoredRecord> &rows,
    QVector<RecordAssignment> *assignments)
{
    return transact(QString(), rows.size(), [&] {
        QString why;
        return CableIdAssigner::assignFromArchive(store.database(), job, rows, assignments, &why)
            || fail(why);
    });
}

bool JobStore::plan(const QString &job, ArchiveJob *plan)
{
    *plan = ArchiveJob();
    return this->job(job, &plan->facts) && cableIds(job, &plan->cableIds);
}

bool JobStore::recordCableIds(const QStringList &keys, QHash<QString, RecordCableId> *ids)
{
    if (!readable())
        return false;
    if (!hasJobs() || keys.isEmpty())
        return true;
    // A few hundred keys a query: few round trips, and far inside what a
    // statement may bind.
    constexpr int perQuery = 500;
    for (int from = 0; from < keys.size(); from += perQuery) {
        const QStringList chunk = keys.mid(from, perQuery);
        QStringList marks;
        for (int i = 0; i < chunk.size(); ++i)
            marks << QStringLiteral("?");
        QSqlQuery query(store.database());
        query.prepare(
            QStringLiteral("SELECT record_key, job_name, cable_id FROM lumetra_record_jobs"
                           " WHERE record_key IN (%1)")
                .arg(marks.join(QLatin1Char(','))));
        for (const QString &key : chunk)
            query.addBindValue(key);
        if (!query.exec())
            return failed(query);
        while (query.next())
            ids->insert(query.value(0).toString(),
                { query.value(1).toString(), JobSql::textOf(query.value(2)) });
    }
    return true;
}

bool JobStore::versions(const QString &recordKey, QVector<Version> *versions)
{
    if (!readable())
        return false;
    if (!hasJobs())
        return true;
    QSqlQuery query(store.database());
    query.prepare(
        QStringLiteral("SELECT version, job_name, cable_id, made_at, host_name"
                       " FROM lumetra_job_versions WHERE record_key = ? ORDER BY version"));
    query.addBindValue(recordKey);
    if (!query.exec())
        return failed(query);
    while (query.next())
        versions->append({ query.value(0).toInt(), JobSql::textOf(query.value(1)),
            JobSql::textOf(query.value(2)), query.value(3).toLongLong(),
            query.value(4).toString() });
    return true;
}
