// SPDX-License-Identifier: MIT
#ifndef LUMETRA_JOBSTORE_H
#define LUMETRA_JOBSTORE_H

#include "archivejob.h"
#include "jobfacts.h"
#include "jobrecords.h"
#include "jobstatus.h"
#include "recordassignment.h"
#include "recordcableid.h"
#include "storedrecord.h"
#include "storelocation.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>

class RecordStore;
class QSqlQuery;

// The jobs of a records store, on the store's own connection: their facts,
// their cable IDs in order, retest marks, and which record has which ID.
// Each change is one transaction, under a lock on its job, and changes
// nothing when it fails. A store older than the version with jobs has none:
// it is read as it is, and a change in it fails.
class JobStore
{
public:
    struct Summary
    {
        JobFacts facts;
        int cableIds = 0;
        int records = 0;
    };

    // Texts to set on every record of a job; a field without a value stays.
    struct TextChange
    {
        std::optional<QString> companyName, operatorName, testDevice, testDate, serialNumber;
        std::optional<QString> note; // plain text, kept as the note field's HTML
    };

    // One version of a record's job and cable ID, as text versions are kept.
    struct Version
    {
        int version = 0; // 1 for the first
        QString job; // the record's job
        QString cableId; // null: in the job without an ID (unplanned)
        qint64 madeAtMs = 0;
        QString hostName;
    };

    enum class Assignment {
        Id, // an ID that has no record yet
        Retest, // a tested ID: the record becomes its latest test
        None, // the record stays in the job without an ID
    };

    explicit JobStore(RecordStore &store);

    QString errorString() const { return error; }
    // The store has the tables of jobs (an older one, read as it is, has none).
    bool hasJobs() const;

    // The tables of jobs, for the store's schema to make; each may run again.
    static QStringList schemaStatements(StoreLocation::Kind kind);

    bool jobs(QVector<Summary> *jobs);
    bool jobNames(QStringList *names); // without their facts, logos or counts
    bool job(const QString &name, JobFacts *facts);
    bool createJob(const JobFacts &facts);
    bool editJob(const JobFacts &facts); // the facts of the job of that name

    bool cableIds(const QString &job, QStringList *ids);
    // The texts become IDs by CableIdList::prepare: all of them or none.
    bool addCableIds(const QString &job, const QStringList &texts, const QVector<int> &lines = {},
        int *added = nullptr);
    bool insertCableIds(const QString &job, const QString &before, const QStringList &texts);
    bool renameCableId(const QString &job, const QString &from, const QString &to);
    bool reorderCableIds(const QString &job, const QStringList &order);
    bool removeCableIds(const QString &job, const QStringList &ids);
    // A tested ID marked is taken by the next record new to the job.
    bool markRetest(const QString &job, const QStringList &ids, bool marked = true);

    bool assign(const QString &job, const QString &recordKey, Assignment how,
        const QString &cableId = QString(), bool *changed = nullptr);

    bool readStatus(const QString &job, JobStatus *status);
    // The latest record of every tested ID, in list order, with the job.
    bool exportJob(const QString &job, QVector<StoredRecord> *rows, ArchiveJob *archive);
    // Every record of the job with its texts: each ID's tests and the unplanned ones.
    bool readRecords(const QString &job, JobRecords *records);
    // One transaction: every record of the job (of those of only, when
    // given) whose texts change gets a new text version, or none does.
    // changed counts those records.
    bool setTexts(
        const QString &job, const TextChange &change, int *changed, const QStringList &only = {});
    bool recordKeys(const QString &job, QStringList *keys);
    // An opened archive's job, in one transaction: see CableIdAssigner::assignFromArchive.
    bool addFromArchive(const ArchiveJob &job, const QVector<StoredRecord> &rows,
        QVector<RecordAssignment> *assignments);
    // The job's facts and its cable IDs in order; no record IDs.
    bool plan(const QString &job, ArchiveJob *plan);

    // The job and ID of each record of keys that has one.
    bool recordCableIds(const QStringList &keys, QHash<QString, RecordCableId> *ids);
    bool versions(const QString &recordKey, QVector<Version> *versions);

private:
    bool fail(const QString &why);
    bool failed(const QSqlQuery &query);
    bool transact(const QString &job, int rows, const std::function<bool()> &work);
    bool readable();
    bool hasRecord(const QString &key);
    bool exists(const QString &job);
    bool recordsById(const QString &job, QHash<QString, int> *records);
    bool writePositions(const QString &job, const QStringList &order);
    bool insertAt(const QString &job, const QString &before, const QStringList &texts,
        const QVector<int> &lines, int *added);
    bool markRetestTaken(const QString &job, const QString &id);
    bool readAssignedTests(const QString &job, JobStatus *status);

    RecordStore &store;
    QString error;
};

#endif
