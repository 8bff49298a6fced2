// SPDX-License-Identifier: MIT
#include "downloadsession.h"

#include "recordkeeper.h"
#include "recordtexts.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSet>

namespace {
QVector<TestRecord> recordsOf(const QVector<StoredRecord> &rows)
{
    QVector<TestRecord> records;
    for (const StoredRecord &row : rows)
        records << row.record;
    return records;
}

QVector<ReportHeaderTexts> headersOf(const QVector<StoredRecord> &rows)
{
    QVector<ReportHeaderTexts> headers;
    for (const StoredRecord &row : rows)
        headers << row.headers;
    return headers;
}
} // namespace

DownloadSession::DownloadSession(Use use, QObject *parent)
    : QObject(parent)
    , use(use)
{
}

DownloadSession::~DownloadSession()
{
    delete keeper; // a moment for the store at most
}

void DownloadSession::keepIn(const StoreLocation &location)
{
    delete keeper;
    where = location;
    keeper = new RecordKeeper(location, RecordKeeper::Writing::InBackground, this);
    connect(keeper, &RecordKeeper::keepingChanged, this, &DownloadSession::keepingChanged);
    connect(keeper, &RecordKeeper::storing, this, &DownloadSession::storing);
    connect(keeper, &RecordKeeper::written, this, &DownloadSession::stored);
    connect(keeper, &RecordKeeper::recordsWritten, this, &DownloadSession::recordsWritten);
    connect(keeper, &RecordKeeper::fetched, this, &DownloadSession::fetched);
    connect(keeper, &RecordKeeper::lostRecordsFound, this, &DownloadSession::found);
    connect(keeper, &RecordKeeper::placed, this, &DownloadSession::place);
    connect(keeper, &RecordKeeper::textsRead, this,
        [this](const QHash<QString, ReportHeaderTexts> &texts) {
            bool changed = false;
            for (SessionEntry &entry : collection) {
                const auto stored = texts.constFind(StoredRecord::keyOf(entry.record));
                if (stored != texts.cend() && *stored != entry.headers) {
                    entry.headers = *stored;
                    changed = true;
                }
            }
            if (changed)
                emit headersChanged();
        });
    connect(keeper, &RecordKeeper::jobsRead, this, [this](const QVector<ArchiveJob> &read) {
        for (const ArchiveJob &plan : read)
            plans.insert(plan.facts.name, plan);
    });
    connect(keeper, &RecordKeeper::upgrading, this, &DownloadSession::upgrading);
    connect(keeper, &RecordKeeper::upgradeEnded, this, &DownloadSession::upgradeEnded);
    if (use == Use::Window)
        keeper->startSession();
}

StoreLocation DownloadSession::location() const
{
    return where;
}

void DownloadSession::cancelUpgrade()
{
    if (keeper)
        keeper->cancelUpgrade();
}

bool DownloadSession::isKeeping() const
{
    return !keeper || keeper->isKeeping();
}

QString DownloadSession::problem() const
{
    return keeper ? keeper->problem() : QString();
}

bool DownloadSession::waitForStore(int milliseconds)
{
    return !keeper || keeper->waitForStore(milliseconds);
}

void DownloadSession::close()
{
    if (keeper)
        keeper->endSession();
}

void DownloadSession::setActiveJob(const QString &job, const QString &startId)
{
    jobOfArrivals = job;
    startOfArrivals = job.isEmpty() ? QString() : startId;
}

void DownloadSession::keepArrived(
    const DownloadBatch &batch, const QString &port, const std::optional<ReportHeaderTexts> &texts)
{
    if (!keeper)
        return;
    // A record stored already keeps its texts until the user edits or saves it here.
    StoredRecord row;
    row.arrival = true;
    row.textsKnown = texts.has_value();
    row.headers = texts.value_or(ReportHeaderTexts());
    row.sourceKind = QStringLiteral("port");
    row.source = port;
    row.hasVersion = batch.hasVersion;
    row.meterVersionMajor = batch.meterVersionMajor;
    row.meterVersionMinor = batch.meterVersionMinor;
    row.meterVerdict = int(batch.verdict);
    row.unsaved = true;
    row.arrivalJob = jobOfArrivals;
    row.arrivalStartId = startOfArrivals;
    QVector<StoredRecord> rows;
    rows.reserve(batch.records.size());
    for (const TestRecord &record : batch.records) {
        row.record = record;
        row.receivedAtMs = unixMsOf(record.arrivalTime);
        rows << row;
        ++row.batchPosition;
        if (!jobOfArrivals.isEmpty())
            pending.insert(row.key());
    }
    keeper->keep(rows);
}

int DownloadSession::listArrived(const QVector<TestRecord> &records, const ReportHeaderTexts &texts)
{
    const int first = collection.size();
    for (const TestRecord &record : records)
        append(record, texts, recordNumberText(record.recordNumber));
    // The texts may have changed since the batch was kept, behind a warning.
    if (keeper)
        keeper->keepTexts(records, QVector<ReportHeaderTexts>(records.size(), texts), true);
    return first;
}

void DownloadSession::keepOpened(const QString &path, const QVector<TestRecord> &records,
    const QVector<ReportHeaderTexts> &headers, const ArchiveJob *job)
{
    if (!keeper)
        return;
    StoredRecord row;
    row.arrival = true;
    row.sourceKind = QStringLiteral("archive");
    row.source = QFileInfo(path).absoluteFilePath();
    row.receivedAtMs = QDateTime::currentMSecsSinceEpoch();
    QVector<StoredRecord> rows;
    rows.reserve(records.size());
    for (int i = 0; i < records.size(); ++i) {
        row.record = records.at(i);
        row.headers = headers.value(i);
        row.batchPosition = i;
        rows << row;
    }
    keeper->keep(rows);
    if (!job)
        return;
    for (const StoredRecord &opened : qAsConst(rows))
        pending.insert(opened.key());
    keeper->keepArchiveJob(*job, records);
}

int DownloadSession::listOpened(
    const QVector<TestRecord> &records, const QVector<ReportHeaderTexts> &headers)
{
    const int first = collection.size();
    for (int i = 0; i < records.size(); ++i)
        append(records.at(i), headers.value(i), QString::number(records.at(i).recordNumber));
    return first;
}

void DownloadSession::setHeaders(int row, const ReportHeaderTexts &texts)
{
    if (row < 0 || row >= collection.size())
        return;
    collection[row].headers = texts;
    if (keeper)
        keeper->keepTexts({ collection.at(row).record }, { texts });
}

void DownloadSession::remove(int row)
{
    if (row < 0 || row >= collection.size())
        return;
    if (keeper)
        keeper->keepDiscarded({ collection.at(row).record });
    collection.remove(row);
}

void DownloadSession::removeAll()
{
    QVector<TestRecord> gone;
    for (const SessionEntry &entry : qAsConst(collection))
        gone << entry.record;
    if (keeper && !gone.isEmpty())
        keeper->keepDiscarded(gone);
    collection.clear();
}

void DownloadSession::keepSaved(const QString &archive)
{
    QVector<TestRecord> records;
    QVector<ReportHeaderTexts> headers;
    for (const SessionEntry &entry : qAsConst(collection)) {
        records << entry.record;
        headers << entry.headers;
    }
    if (keeper)
        keeper->keepSaved(records, headers, QFileInfo(archive).absoluteFilePath());
}

void DownloadSession::keepSaved(const QVector<TestRecord> &records, const QString &archive)
{
    if (keeper)
        keeper->keepSaved(records, {}, QFileInfo(archive).absoluteFilePath());
}

void DownloadSession::openFromHistory(const QStringList &keys)
{
    if (keeper)
        keeper->fetch(keys);
}

void DownloadSession::fetched(const QStringList &keys, const QVector<StoredRecord> &rows)
{
    if (!rows.isEmpty()) {
        QVector<StoredRecord> listed = rows;
        for (StoredRecord &row : listed)
            row.unsaved = false; // they are in the store as they are
        keeper->keep(listed);
        emit opened(recordsOf(rows), headersOf(rows));
    }
    emit historyOpened(keys.size(), rows.size());
}

void DownloadSession::findLostRecords()
{
    if (keeper)
        keeper->findLostRecords();
}

void DownloadSession::found(const QVector<StoredRecord> &rows)
{
    lost = rows;
    if (lost.isEmpty())
        settleLostRecords(false);
    else
        emit lostRecordsFound(lost.size());
}

void DownloadSession::settleLostRecords(bool showAgain)
{
    if (!keeper)
        return;
    const QVector<StoredRecord> rows = std::exchange(lost, {});
    keeper->settleLostRecords(showAgain, rows);
    if (showAgain && !rows.isEmpty())
        emit opened(recordsOf(rows), headersOf(rows));
}

void DownloadSession::stored(const QVector<RecordOutcome> &outcomes)
{
    QSet<QString> keys;
    for (const RecordOutcome &outcome : outcomes) {
        if (outcome.state == RecordOutcome::State::Stored)
            keys.insert(outcome.key);
    }
    if (!outcomes.isEmpty())
        emit kept(keys.size());
    place(outcomes);
}

void DownloadSession::append(
    const TestRecord &record, const ReportHeaderTexts &headers, const QString &numberText)
{
    SessionEntry entry;
    entry.record = record;
    entry.headers = headers;
    entry.numberText = numberText;
    placeEntry(entry);
    collection.append(entry);
}

void DownloadSession::placeEntry(SessionEntry &entry) const
{
    const QString key = StoredRecord::keyOf(entry.record);
    const RecordCableId id = places.value(key);
    entry.job = id.job;
    entry.cableId = id.cableId;
    entry.idPending = pending.contains(key);
}

void DownloadSession::place(const QVector<RecordOutcome> &outcomes)
{
    QVector<RecordOutcome> arrivals;
    QHash<QString, int> unplanned; // by job
    QStringList missing;
    for (const RecordOutcome &outcome : outcomes) {
        const bool wasPending = pending.remove(outcome.key);
        if (outcome.placed)
            places.insert(outcome.key, { outcome.assignment.job, outcome.assignment.cableId });
        if (!outcome.missingJob.isEmpty() && wasPending)
            missing << outcome.missingJob;
        if (!wasPending || !outcome.placed)
            continue;
        arrivals << outcome;
        const RecordAssignment &given = outcome.assignment;
        if (given.arrived && !given.job.isEmpty() && given.cableId.isNull())
            ++unplanned[given.job];
    }
    bool changed = false;
    for (SessionEntry &entry : collection) {
        const SessionEntry before = entry;
        placeEntry(entry);
        changed = changed || entry.job != before.job || entry.cableId != before.cableId
            || entry.cableId.isNull() != before.cableId.isNull()
            || entry.idPending != before.idPending;
    }
    if (changed)
        emit cableIdsChanged();
    if (!arrivals.isEmpty())
        emit arrivalsPlaced(arrivals);
    for (auto job = unplanned.cbegin(); job != unplanned.cend(); ++job)
        emit arrivedUnplanned(job.value(), job.key());
    missing.removeDuplicates();
    for (const QString &job : qAsConst(missing))
        emit jobMissing(job);
}

void DownloadSession::refreshFromStore()
{
    QStringList keys;
    for (const SessionEntry &entry : qAsConst(collection))
        keys << StoredRecord::keyOf(entry.record);
    keys.removeDuplicates();
    if (keeper && !keys.isEmpty())
        keeper->readStored(keys);
}

bool DownloadSession::jobPlan(const QString &job, ArchiveJob *plan) const
{
    if (!plans.contains(job))
        return false;
    *plan = plans.value(job);
    return true;
}
