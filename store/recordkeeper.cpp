// SPDX-License-Identifier: MIT
#include "recordkeeper.h"

#include "ownerfiles.h"
#include "recordstore.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QUuid>

namespace {
qint64 now()
{
    return QDateTime::currentMSecsSinceEpoch();
}
} // namespace

RecordKeeper::RecordKeeper(const StoreLocation &location, QObject *parent)
    : QObject(parent)
    , where(location)
    , primary(std::make_unique<RecordStore>(location))
{
    // Whatever waited aside since the last run goes in now.
    flush();
}

RecordKeeper::~RecordKeeper()
{
    endSession();
}

QString RecordKeeper::localHostName()
{
    return QSysInfo::machineHostName();
}

void RecordKeeper::setKeeping(bool nowKeeping, const QString &problemText)
{
    if (nowKeeping == keeping && problemText == why)
        return;
    keeping = nowKeeping;
    why = problemText;
    emit keepingChanged(keeping, why);
}

bool RecordKeeper::openSpool()
{
    if (where.kind == StoreLocation::Kind::SQLite && where.file.isEmpty())
        return false;
    if (!spool)
        spool = std::make_unique<RecordStore>(
            StoreLocation::parse(where.sideFile(QStringLiteral("pending"))));
    return spool->isOpen() || spool->open();
}

// What waited aside goes into the store first, so that later changes win.
bool RecordKeeper::drainSpool()
{
    if (!spool && !QFileInfo::exists(where.sideFile(QStringLiteral("pending"))))
        return true;
    QVector<StoredRecord> rows;
    QVector<StoreSession> sessions;
    if (!openSpool() || !spool->readEverything(&rows, &sessions))
        return true; // the spool is of no help now; the store can still take new rows
    if (rows.isEmpty() && sessions.isEmpty())
        return true;
    if (!primary->write(rows, sessions))
        return false;
    spool->remove(rows, sessions);
    return true;
}

bool RecordKeeper::flush(bool newRows)
{
    if (!primary->isOpen())
        primary->open();
    QString problemText;
    if (primary->isOpen()) {
        if (drainSpool() && primary->write(unwritten.values().toVector(), unwrittenSessions)) {
            unwritten.clear();
            unwrittenSessions.clear();
            setKeeping(true, QString());
            if (newRows)
                emit recordsWritten();
            return true;
        }
        problemText = primary->errorString();
        primary->close();
    } else {
        problemText = primary->errorString();
    }
    if ((!unwritten.isEmpty() || !unwrittenSessions.isEmpty()) && openSpool()
        && spool->write(unwritten.values().toVector(), unwrittenSessions)) {
        unwritten.clear();
        unwrittenSessions.clear();
    }
    setKeeping(false, problemText);
    return false;
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
    unwrittenSessions << session;
    flush();
}

void RecordKeeper::endSession()
{
    if (session.id.isEmpty())
        return;
    session.endedAtMs = now();
    unwrittenSessions << session;
    flush();
    // Released only once the end is written: a crash in between leaves a
    // session whose records are offered again, never one that looks alive.
    sessionLock.reset();
    session = StoreSession();
    listed.clear();
}

QVector<StoredRecord> RecordKeeper::lostRecords()
{
    lostSessions.clear();
    lostLocks.clear();
    QVector<StoreSession> open;
    if (!primary->isOpen() || !primary->readOpenSessions(localHostName(), &open))
        return {};
    QVector<StoredRecord> rows;
    QHash<QString, int> rowOfKey;
    for (const StoreSession &other : qAsConst(open)) {
        if (other.id == session.id)
            continue;
        const QString lockPath = where.sideFile(QStringLiteral("session-%1.lock").arg(other.id));
        auto lock = std::make_unique<QLockFile>(lockPath);
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue; // its window still runs
        OwnerFiles::restrictFile(lockPath);
        QVector<StoredRecord> unsaved;
        if (!primary->readUnsaved(other.id, &unsaved))
            return {};
        lostSessions << other;
        lostLocks.push_back(std::move(lock));
        for (const StoredRecord &row : qAsConst(unsaved)) {
            const QString key = row.key();
            if (rowOfKey.contains(key))
                rows[rowOfKey.value(key)] = row;
            else {
                rowOfKey.insert(key, rows.size());
                rows << row;
            }
        }
    }
    return rows;
}

void RecordKeeper::settleLostRecords(bool showAgain, const QVector<StoredRecord> &records)
{
    for (StoreSession lost : qAsConst(lostSessions)) {
        lost.endedAtMs = now();
        unwrittenSessions << lost;
    }
    if (showAgain && !records.isEmpty()) {
        QVector<StoredRecord> rows = records;
        for (StoredRecord &row : rows)
            row.unsaved = true;
        keep(rows);
    } else {
        flush();
    }
    lostSessions.clear();
    lostLocks.clear(); // each lock file goes with its session
}

void RecordKeeper::changed(StoredRecord row)
{
    row.changedAtMs = qMax(now(), row.changedAtMs + 1);
    const QString key = row.key();
    if (!session.id.isEmpty())
        listed.insert(key, row);
    unwritten.insert(key, row);
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
    return flush(true);
}

StoredRecord RecordKeeper::current(const TestRecord &record) const
{
    const QString key = StoredRecord::keyOf(record);
    if (unwritten.contains(key))
        return unwritten.value(key);
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
    const QVector<TestRecord> &records, const QVector<ReportHeaderTexts> &texts)
{
    for (int i = 0; i < records.size() && i < texts.size(); ++i) {
        StoredRecord row = current(records.at(i));
        if (row.textsKnown && row.headers == texts.at(i))
            continue;
        row.headers = texts.at(i);
        row.textsKnown = true;
        row.unsaved = !row.sessionId.isEmpty(); // the edit is in no archive yet
        changed(row);
    }
    return unwritten.isEmpty() ? keeping : flush();
}

bool RecordKeeper::keepSaved(const QVector<TestRecord> &records,
    const QVector<ReportHeaderTexts> &headers, const QString &archive)
{
    for (int i = 0; i < records.size(); ++i) {
        StoredRecord row = current(records.at(i));
        if (i < headers.size()) {
            row.headers = headers.at(i);
            row.textsKnown = true;
        }
        row.lastArchive = archive;
        row.unsaved = false;
        changed(row);
    }
    return flush();
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
    return unwritten.isEmpty() ? keeping : flush();
}

QVector<StoredRecord> RecordKeeper::fetch(const QStringList &keys)
{
    QVector<StoredRecord> rows;
    if (!primary->isOpen())
        flush();
    if (!primary->isOpen() || !primary->readRecords(keys, &rows)) {
        setKeeping(false, primary->errorString());
        return {};
    }
    return rows;
}
