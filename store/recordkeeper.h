// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDKEEPER_H
#define LUMETRA_RECORDKEEPER_H

#include "storedrecord.h"
#include "storelocation.h"
#include "storesession.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>
#include <vector>

class QLockFile;
class RecordStore;

// Keeps every record a program receives or opens in the records store, and
// never lets a failing store lose one: what the store cannot take now waits
// in a small SQLite file of this machine that belongs to that store alone
// (beside it, else in the user's data folder, else in memory) and is written
// at the next write or the next start. A row the store refuses is set aside
// in a file of its own.
//
// The window runs a session: the records it lists, with its edits, are
// marked unsaved until they are saved to an archive, so that a window that
// was killed can have them offered again by the next one. A session's lock
// file tells a window that still runs from one that is gone.
class RecordKeeper : public QObject
{
    Q_OBJECT
public:
    explicit RecordKeeper(const StoreLocation &location, QObject *parent = nullptr);
    ~RecordKeeper() override; // ends the session, as a clean close does

    const StoreLocation &location() const { return where; }
    bool isKeeping() const { return keeping; }
    QString problem() const { return why; }

    void startSession();
    void endSession();

    // The unsaved records of this machine's sessions whose window is gone, in
    // the order they were listed. settleLostRecords ends those sessions;
    // showAgain makes the records this session's, still unsaved.
    QVector<StoredRecord> lostRecords();
    void settleLostRecords(bool showAgain, const QVector<StoredRecord> &records);

    // Each write is one transaction. False when the store could not take it
    // now: it waits aside and the store gets it later.
    bool keep(QVector<StoredRecord> rows);
    // Texts that arrived are a stored record's only when it is new to the store.
    bool keepTexts(const QVector<TestRecord> &records, const QVector<ReportHeaderTexts> &texts,
        bool arrived = false);
    bool keepSaved(const QVector<TestRecord> &records, const QVector<ReportHeaderTexts> &headers,
        const QString &archive);
    bool keepDiscarded(const QVector<TestRecord> &records);

    // Stored records by key, in the order of the keys.
    QVector<StoredRecord> fetch(const QStringList &keys);

    static QString localHostName();

signals:
    void keepingChanged(bool keeping, const QString &problem);
    // Records were added to the store (not only changed).
    void recordsWritten();

private:
    bool flush(bool newRows = false);
    bool drainWaiting();
    bool writeToStore(const QVector<StoredRecord> &rows, const QVector<StoreSession> &sessions);
    QStringList sideFiles(const QString &kind) const;
    QString putAside(const QString &kind, const QVector<StoredRecord> &rows,
        const QVector<StoreSession> &sessions) const;
    void setKeeping(bool nowKeeping, const QString &problemText);
    StoredRecord current(const TestRecord &record) const;
    void changed(StoredRecord row);

    StoreLocation where;
    std::unique_ptr<RecordStore> primary;
    // This session's rows, for the writes that change one of them.
    QHash<QString, StoredRecord> listed;
    QHash<QString, StoredRecord> unwritten;
    QVector<StoreSession> unwrittenSessions;
    StoreSession session; // no id: no session
    std::unique_ptr<QLockFile> sessionLock;
    QVector<StoreSession> lostSessions;
    std::vector<std::unique_ptr<QLockFile>> lostLocks;
    qint64 nextListPosition = 1;
    bool keeping = true;
    QString why;
};

#endif
