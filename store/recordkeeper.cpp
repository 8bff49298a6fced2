// SPDX-License-Identifier: MIT
#include "recordkeeper.h"

#include "jobstore.h"
#include "ownerfiles.h"
#include "recordstore.h"
#include "recordtexts.h"
#include "storethread.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSet>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTimer>
#include <QUuid>
#include <chrono>
#include <thread>
#include <utility>

namespace {
// A store that did not answer is asked again this often, in the background.
constexpr int retryMs = 20000;
// How long a window that closes lets the store finish what it was given.
constexpr int closeGraceMs = 300;

qint64 now()
{
    return QDateTime::currentMSecsSinceEpoch();
}
} // namespace

// What one drain of the waiting records made of them.
struct RecordKeeper::Written
{
    bool stored = true;
    QString problem;
    QVector<RecordOutcome> outcomes;
    QVector<RecordOutcome> placed;
    QVector<ArchiveJob> plans;
};

RecordKeeper::RecordKeeper(const StoreLocation &location, QObject *parent)
    : RecordKeeper(location, Writing::Waited, parent)
{
}

RecordKeeper::RecordKeeper(const StoreLocation &location, Writing writing, QObject *parent)
    : QObject(parent)
    , where(location)
    , writing(writing)
    , thread(std::make_unique<StoreThread>(location))
{
    if (writing == Writing::InBackground) {
        retry = new QTimer(this);
        retry->setSingleShot(true);
        retry->setInterval(retryMs);
        connect(retry, &QTimer::timeout, this, &RecordKeeper::writeWhatWaits);
    }
    // Whatever waited since the last run goes in now.
    writeWhatWaits();
    if (writing == Writing::Waited)
        waitForStore();
}

RecordKeeper::~RecordKeeper()
{
    ending = true;
    endSession();
    thread->stop(writing == Writing::Waited ? 0 : closeGraceMs);
}

QString RecordKeeper::localHostName()
{
    return QSysInfo::machineHostName();
}

void RecordKeeper::setKeeping(bool nowKeeping, const QString &problemText)
{
    if (retry && !nowKeeping)
        retry->start();
    if (nowKeeping == keeping && problemText == why)
        return;
    keeping = nowKeeping;
    why = problemText;
    emit keepingChanged(keeping, why);
}

bool RecordKeeper::waitForStore(int milliseconds)
{
    thread->waitIdle(milliseconds);
    return keeping;
}

// Where rows of this store wait (kind "pending") or are set aside ("set-aside"):
// beside the store, and, when the store lives elsewhere, in the user's data
// folder too, for a store whose disk is full or whose folder is read-only.
QStringList RecordKeeper::sideFiles(const QString &kind) const
{
    if (!where.error.isEmpty())
        return {};
    QStringList files { where.sideFile(kind) };
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (QDir::cleanPath(QFileInfo(files.first()).absolutePath())
        != QDir::cleanPath(QFileInfo(appData).absoluteFilePath())) {
        const QByteArray digest
            = QCryptographicHash::hash(where.identity().toUtf8(), QCryptographicHash::Sha256)
                  .toHex();
        files << appData
                + QStringLiteral("/store-%1.%2").arg(QString::fromLatin1(digest.left(16)), kind);
    }
    return files;
}

// The file that took the rows, or none.
QString RecordKeeper::putAside(const QString &kind, const QVector<StoredRecord> &rows,
    const QVector<StoreSession> &sessions) const
{
    for (const QString &file : sideFiles(kind)) {
        RecordStore aside(StoreLocation::parse(file));
        if (aside.open() && aside.appendWaiting(rows, sessions))
            return file;
    }
    return QString();
}

// Durable first: a record is in a waiting file before the store is asked.
bool RecordKeeper::submit(const QVector<StoredRecord> &rows, const QVector<StoreSession> &sessions)
{
    if (rows.isEmpty() && sessions.isEmpty())
        return keeping;
    QVector<StoreSession> with = sessions;
    // A session's records never reach the store without it.
    if (!rows.isEmpty() && !session.id.isEmpty())
        with.prepend(session);
    if (putAside(QStringLiteral("pending"), rows, with).isEmpty())
        hold(rows, with);
    writeWhatWaits();
    return writing == Writing::Waited ? waitForStore() : keeping;
}

void RecordKeeper::hold(const QVector<StoredRecord> &rows, const QVector<StoreSession> &sessions)
{
    thread->post([this, rows, sessions](RecordStore &, const StoreThread::Answer &) {
        held += rows;
        heldSessions += sessions;
    });
    // A drain posted before it would not see it.
    drainPosted = false;
}

void RecordKeeper::writeWhatWaits()
{
    if (drainPosted.exchange(true))
        return;
    thread->post([this](RecordStore &store, const StoreThread::Answer &answer) {
        drainPosted = false;
        Written written = drain(store, answer);
        if (written.stored)
            writeArchiveJobs(store, written);
        written.plans = plansOf(store, written.outcomes + written.placed);
        answer([this, written] { tell(written); });
    });
}

void RecordKeeper::tell(const Written &written)
{
    setKeeping(written.stored, written.problem);
    if (!written.plans.isEmpty())
        emit jobsRead(written.plans);
    if (!written.outcomes.isEmpty())
        emit this->written(written.outcomes);
    if (!written.placed.isEmpty())
        emit placed(written.placed);
    if (!written.outcomes.isEmpty() || !written.placed.isEmpty())
        emit recordsWritten();
}

// The store's thread only.
void RecordKeeper::writeArchiveJobs(RecordStore &store, Written &written)
{
    while (!heldJobs.isEmpty()) {
        const auto &[job, rows] = heldJobs.constFirst();
        JobStore jobs(store);
        QVector<RecordAssignment> given;
        if (!jobs.addFromArchive(job, rows, &given)) {
            // Kept for the next try while the store fails; a job it refuses is told once.
            QSqlQuery probe(store.database());
            if (!store.isOpen() || !probe.exec(QStringLiteral("SELECT 1")))
                return;
            qWarning().noquote() << QStringLiteral("the job %1 of an opened archive was not added "
                                                   "to the records store: %2")
                                        .arg(job.facts.name, jobs.errorString());
            heldJobs.removeFirst();
            continue;
        }
        for (int i = 0; i < rows.size() && i < given.size(); ++i)
            written.placed.append({ rows.at(i).key(), RecordOutcome::State::Placed, QString(), true,
                given.at(i), {} });
        heldJobs.removeFirst();
    }
}

// The store's thread only: the jobs the records are in.
QVector<ArchiveJob> RecordKeeper::plansOf(RecordStore &store, const QVector<RecordOutcome> &records)
{
    QStringList names;
    for (const RecordOutcome &record : records) {
        if (record.placed && !record.assignment.job.isEmpty())
            names << record.assignment.job;
    }
    names.removeDuplicates();
    QVector<ArchiveJob> plans;
    JobStore jobs(store);
    for (const QString &name : qAsConst(names)) {
        ArchiveJob plan;
        if (store.isOpen() && jobs.plan(name, &plan))
            plans << plan;
    }
    return plans;
}

// What waited goes into the store first, so that later changes win; then
// what no waiting file would take.
RecordKeeper::Written RecordKeeper::drain(RecordStore &store, const StoreThread::Answer &answer)
{
    struct Waiting
    {
        QString file;
        QVector<StoredRecord> rows;
        QVector<StoreSession> sessions;
        qint64 lastEntry = 0;
    };
    QVector<Waiting> files;
    QSet<QString> keys;
    for (const StoredRecord &row : qAsConst(held))
        keys.insert(row.key());
    for (const QString &file : sideFiles(QStringLiteral("pending"))) {
        Waiting waiting { file, {}, {}, 0 };
        RecordStore reader(StoreLocation::parse(file));
        // Of no help when it cannot be read; the store can still take new rows.
        if (!QFileInfo::exists(file) || !reader.open()
            || !reader.readWaiting(&waiting.rows, &waiting.sessions, &waiting.lastEntry)
            || (waiting.rows.isEmpty() && waiting.sessions.isEmpty()))
            continue;
        for (const StoredRecord &row : qAsConst(waiting.rows))
            keys.insert(row.key());
        files << waiting;
    }
    if (!keys.isEmpty())
        answer([this, count = keys.size()] { emit storing(count); });

    Written written;
    openStore(store, answer);
    bool stored = store.isOpen();
    for (const Waiting &waiting : qAsConst(files)) {
        stored = stored && writeToStore(store, waiting.rows, waiting.sessions, written);
        RecordStore emptied(StoreLocation::parse(waiting.file));
        if (stored && emptied.open())
            emptied.removeWaiting(waiting.lastEntry, waiting.rows, waiting.sessions);
    }
    if (stored && writeToStore(store, held, heldSessions, written)) {
        held.clear();
        heldSessions.clear();
        return written;
    }
    written.stored = false;
    written.problem = store.errorString();
    store.close();
    if ((!held.isEmpty() || !heldSessions.isEmpty())
        && !putAside(QStringLiteral("pending"), held, heldSessions).isEmpty()) {
        held.clear();
        heldSessions.clear();
    }
    if (!held.isEmpty())
        written.problem += tr("; records are held in memory only, until the store can take them");
    return written;
}

// An upgrade tells each step to this keeper's thread. In the background it
// goes on once the step is shown, so that a Cancel pressed on one stops the
// next; a keeper that ends stops it.
void RecordKeeper::openStore(
    RecordStore &store, const std::function<void(std::function<void()>)> &answer)
{
    if (store.isOpen())
        return;
    bool told = false;
    store.setUpgradeProgress(
        [this, &answer, &told](qint64 done, qint64 total) {
            if (upgradeCancelled || ending)
                return false;
            told = true;
            const int step = ++upgradeSteps;
            answer([this, done, total, step] {
                emit upgrading(done, total);
                if (upgradeStepsShown < step)
                    upgradeStepsShown = step;
            });
            while (writing == Writing::InBackground && upgradeStepsShown < step && !upgradeCancelled
                && !ending)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            return !upgradeCancelled && !ending;
        },
        &upgradeCancelled);
    store.open();
    store.setUpgradeProgress({});
    if (told)
        answer([this] { emit upgradeEnded(); });
}

bool RecordKeeper::writeToStore(RecordStore &store, const QVector<StoredRecord> &rows,
    const QVector<StoreSession> &sessions, Written &written) const
{
    if (rows.isEmpty() && sessions.isEmpty())
        return true;
    if (!store.write(rows, sessions))
        return false;
    const auto &refused = store.refusedRows();
    QVector<StoredRecord> refusedRows;
    QHash<QString, QString> refusedWhy;
    for (const auto &row : refused) {
        refusedRows << row.first;
        refusedWhy.insert(row.first.key(), row.second);
    }
    for (const StoredRecord &row : rows) {
        const QString key = row.key();
        RecordOutcome outcome;
        outcome.key = key;
        if (refusedWhy.contains(key)) {
            outcome.state = RecordOutcome::State::SetAside;
            outcome.why = refusedWhy.value(key);
        }
        outcome.placed = store.assignments().contains(key);
        outcome.assignment = store.assignments().value(key);
        outcome.missingJob = store.missingJobs().value(key);
        written.outcomes.append(outcome);
    }
    if (refused.isEmpty())
        return true;
    const QString file = putAside(QStringLiteral("set-aside"), refusedRows, {});
    for (const auto &row : refused)
        qWarning().noquote() << QStringLiteral("record %1 was not stored: %2; %3")
                                    .arg(recordNumberText(row.first.record.recordNumber),
                                        row.second,
                                        file.isEmpty()
                                            ? QStringLiteral("it could not be set aside either")
                                            : QStringLiteral("it is set aside in %1")
                                                  .arg(QDir::toNativeSeparators(file)));
    return true;
}

void RecordKeeper::startSession()
{
    if (!session.id.isEmpty())
        return;
    session = { QUuid::createUuid().toString(QUuid::WithoutBraces), localHostName(), now(), 0 };
    const QString lockPath = where.sideFile(QStringLiteral("session-%1.lock").arg(session.id));
    OwnerFiles::makeFolderFor(lockPath);
    sessionLock = std::make_unique<QLockFile>(lockPath);
    sessionLock->setStaleLockTime(0); // only a process that is gone leaves it stale
    if (sessionLock->tryLock(0))
        OwnerFiles::restrictFile(lockPath);
    // No waiting file for it alone: its records take it along.
    hold({}, { session });
    writeWhatWaits();
    if (writing == Writing::Waited)
        waitForStore();
}

void RecordKeeper::endSession()
{
    if (session.id.isEmpty())
        return;
    session.endedAtMs = now();
    const StoreSession ended = session;
    session = StoreSession();
    submit({}, { ended });
    // Released only once the end is in a waiting file: a crash in between
    // leaves a session whose records are offered again, never one that looks alive.
    sessionLock.reset();
    listed.clear();
}

void RecordKeeper::findLostRecords()
{
    const QString own = session.id;
    const QString host = localHostName();
    thread->post([this, own, host](RecordStore &store, const StoreThread::Answer &answer) {
        QVector<StoreSession> open, others;
        QVector<QVector<StoredRecord>> unsaved;
        if (store.isOpen() && store.readOpenSessions(host, &open)) {
            for (const StoreSession &other : qAsConst(open)) {
                QVector<StoredRecord> rows;
                if (other.id == own || !store.readUnsaved(other.id, &rows))
                    continue;
                others << other;
                unsaved << rows;
            }
        }
        answer([this, others, unsaved] { takeLost(others, unsaved); });
    });
}

// The sessions whose window still runs hold their lock.
void RecordKeeper::takeLost(
    const QVector<StoreSession> &open, const QVector<QVector<StoredRecord>> &unsaved)
{
    lostSessions.clear();
    lostLocks.clear();
    QVector<StoredRecord> rows;
    QHash<QString, int> rowOfKey;
    for (int i = 0; i < open.size(); ++i) {
        const QString lockPath
            = where.sideFile(QStringLiteral("session-%1.lock").arg(open.at(i).id));
        auto lock = std::make_unique<QLockFile>(lockPath);
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue; // its window still runs
        OwnerFiles::restrictFile(lockPath);
        lostSessions << open.at(i);
        lostLocks.push_back(std::move(lock));
        for (const StoredRecord &row : unsaved.at(i)) {
            const QString key = row.key();
            if (rowOfKey.contains(key))
                rows[rowOfKey.value(key)] = row;
            else {
                rowOfKey.insert(key, rows.size());
                rows << row;
            }
        }
    }
    emit lostRecordsFound(rows);
}

void RecordKeeper::settleLostRecords(bool showAgain, const QVector<StoredRecord> &records)
{
    QVector<StoreSession> ended;
    for (StoreSession lost : qAsConst(lostSessions)) {
        lost.endedAtMs = now();
        ended << lost;
    }
    if (showAgain && !records.isEmpty()) {
        QVector<StoredRecord> rows = records;
        for (StoredRecord &row : rows)
            row.unsaved = true;
        keep(rows);
    }
    submit({}, ended);
    lostSessions.clear();
    lostLocks.clear(); // each lock file goes with its session
}

void RecordKeeper::changed(StoredRecord row)
{
    row.changedAtMs = qMax(now(), row.changedAtMs + 1);
    pendingRows << row;
    // Only the row as it arrived joins a job; later changes of it join none.
    row.arrivalJob.clear();
    row.arrivalStartId.clear();
    if (!session.id.isEmpty())
        listed.insert(row.key(), row);
}

bool RecordKeeper::keep(QVector<StoredRecord> rows)
{
    for (StoredRecord &row : rows) {
        if (row.hostName.isEmpty())
            row.hostName = localHostName();
        if (session.id.isEmpty()) {
            row.sessionId.clear();
            row.unsaved = false;
            row.listPosition = 0;
        } else {
            row.sessionId = session.id;
            row.listPosition = nextListPosition++;
        }
        changed(row);
    }
    return submit(std::exchange(pendingRows, {}), {});
}

StoredRecord RecordKeeper::current(const TestRecord &record) const
{
    const QString key = StoredRecord::keyOf(record);
    if (listed.contains(key))
        return listed.value(key);
    // Not written by this program: only what is changed here reaches the store.
    StoredRecord row;
    row.record = record;
    row.textsKnown = false;
    row.sourceKind = QStringLiteral("port");
    row.hostName = localHostName();
    row.receivedAtMs = now();
    return row;
}

bool RecordKeeper::keepTexts(
    const QVector<TestRecord> &records, const QVector<ReportHeaderTexts> &texts, bool arrived)
{
    for (int i = 0; i < records.size() && i < texts.size(); ++i) {
        StoredRecord row = current(records.at(i));
        if (row.textsKnown && row.headers == texts.at(i))
            continue;
        row.headers = texts.at(i);
        row.textsKnown = true;
        row.arrival = arrived;
        row.unsaved = !row.sessionId.isEmpty(); // the edit is in no archive yet
        changed(row);
    }
    return submit(std::exchange(pendingRows, {}), {});
}

bool RecordKeeper::keepSaved(const QVector<TestRecord> &records,
    const QVector<ReportHeaderTexts> &headers, const QString &archive)
{
    for (int i = 0; i < records.size(); ++i) {
        StoredRecord row = current(records.at(i));
        if (i < headers.size()) {
            row.headers = headers.at(i);
            row.textsKnown = true;
            row.arrival = false; // saving is an edit
        }
        row.lastArchive = archive;
        row.unsaved = false;
        changed(row);
    }
    return submit(std::exchange(pendingRows, {}), {});
}

bool RecordKeeper::keepDiscarded(const QVector<TestRecord> &records)
{
    for (const TestRecord &record : records) {
        StoredRecord row = current(record);
        if (!row.unsaved)
            continue;
        row.unsaved = false;
        changed(row);
    }
    return submit(std::exchange(pendingRows, {}), {});
}

void RecordKeeper::fetch(const QStringList &keys)
{
    thread->post([this, keys](RecordStore &store, const StoreThread::Answer &answer) {
        QVector<StoredRecord> rows;
        openStore(store, answer);
        const bool read = store.isOpen() && store.readRecords(keys, &rows);
        const QString problem = read ? QString() : store.errorString();
        if (!read)
            store.close();
        answer([this, keys, rows, read, problem] {
            if (!read)
                setKeeping(false, problem);
            emit fetched(keys, rows);
        });
    });
}

void RecordKeeper::keepArchiveJob(const ArchiveJob &job, const QVector<TestRecord> &records)
{
    QVector<StoredRecord> rows;
    for (const TestRecord &record : records) {
        StoredRecord row;
        row.record = record;
        rows << row;
    }
    thread->post([this, job, rows](RecordStore &, const StoreThread::Answer &) {
        heldJobs.append({ job, rows });
    });
    drainPosted = false; // a drain posted before it would not see it
    writeWhatWaits();
}

void RecordKeeper::readStored(const QStringList &keys)
{
    thread->post([this, keys](RecordStore &store, const StoreThread::Answer &answer) {
        if (!store.isOpen())
            store.open();
        QHash<QString, RecordCableId> found;
        QVector<StoredRecord> rows;
        JobStore jobs(store);
        Written read;
        if (store.isOpen() && jobs.recordCableIds(keys, &found) && store.readRecords(keys, &rows)) {
            for (const QString &key : keys) {
                const RecordCableId id = found.value(key);
                read.placed.append({ key, RecordOutcome::State::Placed, QString(), jobs.hasJobs(),
                    { id.job, id.cableId, false, false }, {} });
            }
        }
        QHash<QString, ReportHeaderTexts> texts;
        for (const StoredRecord &row : qAsConst(rows))
            texts.insert(row.key(), row.headers);
        read.plans = plansOf(store, read.placed);
        answer([this, read, texts] {
            // Changed elsewhere (a job's texts): an edit here starts from them.
            for (auto text = texts.cbegin(); text != texts.cend(); ++text) {
                if (listed.contains(text.key()))
                    listed[text.key()].headers = text.value();
            }
            if (!read.plans.isEmpty())
                emit jobsRead(read.plans);
            if (!read.placed.isEmpty())
                emit placed(read.placed);
            if (!texts.isEmpty())
                emit textsRead(texts);
        });
    });
}
