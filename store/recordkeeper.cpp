// SPDX-License-Identifier: MIT
#include "recordkeeper.h"

#include "ownerfiles.h"
#include "recordstore.h"
#include "recordtexts.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
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

bool RecordKeeper::writeToStore(
    const QVector<StoredRecord> &rows, const QVector<StoreSession> &sessions)
{
    if (!primary->write(rows, sessions))
        return false;
    const auto &refused = primary->refusedRows();
    if (refused.isEmpty())
        return true;
    QVector<StoredRecord> refusedRows;
    for (const auto &row : refused)
        refusedRows << row.first;
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

// What waited goes into the store first, so that later changes win.
bool RecordKeeper::drainWaiting()
{
    for (const QString &file : sideFiles(QStringLiteral("pending"))) {
        if (!QFileInfo::exists(file))
            continue;
        RecordStore waiting(StoreLocation::parse(file));
        QVector<StoredRecord> rows;
        QVector<StoreSession> sessions;
        qint64 lastEntry = 0;
        if (!waiting.open() || !waiting.readWaiting(&rows, &sessions, &lastEntry))
            continue; // of no help now; the store can still take new rows
        if (rows.isEmpty() && sessions.isEmpty())
            continue;
        if (!writeToStore(rows, sessions))
            return false;
        waiting.removeWaiting(lastEntry, rows, sessions);
    }
    return true;
}

bool RecordKeeper::flush(bool newRows)
{
    if (!primary->isOpen())
        primary->open();
    QString problemText;
    if (primary->isOpen()) {
        if (drainWaiting() && writeToStore(unwritten.values().toVector(), unwrittenSessions)) {
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
    if ((!unwritten.isEmpty() || !unwrittenSessions.isEmpty())
        && !putAside(QStringLiteral("pending"), unwritten.values().toVector(), unwrittenSessions)
                .isEmpty()) {
        unwritten.clear();
        unwrittenSessions.clear();
    }
    if (!unwritten.isEmpty())
        problemText += tr("; records are held in memory only, until the store can take them");
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
            row.arrival = false; // saving is an edit
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
