// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDKEEPER_H
#define LUMETRA_RECORDKEEPER_H

#include "archivejob.h"
#include "recordoutcome.h"
#include "storedrecord.h"
#include "storelocation.h"
#include "storesession.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QLockFile;
class QTimer;
class RecordStore;
class StoreThread;

// Keeps every record a program receives or opens in the records store, and
// never lets a failing store lose one. Every change goes first to a small
// SQLite file of this machine that belongs to that store alone (beside it,
// else in the user's data folder, else in memory), and from there a thread of
// its own writes it to the store: now, or, while the store fails, with the
// next change, every 20 seconds and at the next start. A row the store
// refuses is set aside in a file of its own.
//
// Writing::Waited waits for the store's answer to each change (a tool that
// reports each write); Writing::InBackground never waits for a store: the
// answers come as signals (the window, lumetra-cli receive).
//
// The window runs a session: the records it lists, with its edits, are
// marked unsaved until they are saved to an archive, so that a window that
// was killed can have them offered again by the next one. A session's lock
// file tells a window that still runs from one that is gone.
class RecordKeeper : public QObject
{
    Q_OBJECT
public:
    enum class Writing { Waited, InBackground };

    explicit RecordKeeper(const StoreLocation &location, QObject *parent = nullptr); // Waited
    RecordKeeper(const StoreLocation &location, Writing writing, QObject *parent = nullptr);
    // Ends the session, as a clean close does. In the background it waits a
    // moment at most: what is not written then is written at the next start.
    ~RecordKeeper() override;

    const StoreLocation &location() const { return where; }
    // As the store's last answer has it.
    bool isKeeping() const { return keeping; }
    QString problem() const { return why; }

    void startSession();
    void endSession();

    // Reads the unsaved records of this machine's sessions whose window is
    // gone, in the order they were listed, once what waited is written, and
    // tells them by lostRecordsFound. settleLostRecords ends those sessions;
    // showAgain makes the records this session's, still unsaved.
    void findLostRecords();
    void settleLostRecords(bool showAgain, const QVector<StoredRecord> &records);

    // Each returns isKeeping(): waited, the store's answer to it.
    bool keep(QVector<StoredRecord> rows);
    // Texts that arrived are a stored record's only when it is new to the store.
    bool keepTexts(const QVector<TestRecord> &records, const QVector<ReportHeaderTexts> &texts,
        bool arrived = false);
    bool keepSaved(const QVector<TestRecord> &records, const QVector<ReportHeaderTexts> &headers,
        const QString &archive);
    bool keepDiscarded(const QVector<TestRecord> &records);

    // Reads the stored records of keys, in the order of the keys, and tells them by fetched.
    void fetch(const QStringList &keys);

    // An opened archive's job, written once what waits is: the job is made
    // or gains the IDs it lacks, and each of records that is in no job takes
    // the archive's ID. Held in memory until the store takes it (the archive
    // still has it); told by placed.
    void keepArchiveJob(const ArchiveJob &job, const QVector<TestRecord> &records);
    // Reads the job and cable ID of each record of keys, told by placed,
    // and its texts as they are stored, told by textsRead.
    void readStored(const QStringList &keys);

    // Until the store has answered everything asked so far, at most
    // milliseconds (-1: no bound); the answers are told before it returns.
    bool waitForStore(int milliseconds = -1);

    static QString localHostName();

    // Stops an upgrade of the store that is under way, and any later one
    // while this keeper lasts: the store is left as it was.
    void cancelUpgrade() { upgradeCancelled = true; }

signals:
    void keepingChanged(bool keeping, const QString &problem);
    // The store is being given this many records.
    void storing(int records);
    // What became of each record the store was given, in the order written.
    void written(const QVector<RecordOutcome> &records);
    // Records were written to the store.
    void recordsWritten();
    void lostRecordsFound(const QVector<StoredRecord> &records);
    // rows: those of keys that could be read; the store's problem when none could.
    void fetched(const QStringList &keys, const QVector<StoredRecord> &rows);
    // The jobs and cable IDs of records read or written without their rows.
    void placed(const QVector<RecordOutcome> &records);
    // The facts and cable IDs of the jobs the records told are in, as they are now.
    void jobsRead(const QVector<ArchiveJob> &jobs);
    void textsRead(const QHash<QString, ReportHeaderTexts> &texts); // by key
    // An upgrade of the store builds its search index: done of total
    // records (0 of 0 while it cannot tell); then it ended, whichever way.
    void upgrading(qint64 done, qint64 total);
    void upgradeEnded();

private:
    bool submit(const QVector<StoredRecord> &rows, const QVector<StoreSession> &sessions);
    // For the store's thread to write: what no waiting file took.
    void hold(const QVector<StoredRecord> &rows, const QVector<StoreSession> &sessions);
    void writeWhatWaits();
    QStringList sideFiles(const QString &kind) const;
    QString putAside(const QString &kind, const QVector<StoredRecord> &rows,
        const QVector<StoreSession> &sessions) const;
    void setKeeping(bool nowKeeping, const QString &problemText);
    void takeLost(const QVector<StoreSession> &open, const QVector<QVector<StoredRecord>> &unsaved);
    StoredRecord current(const TestRecord &record) const;
    void changed(StoredRecord row);

    // The store's thread only.
    void openStore(RecordStore &store, const std::function<void(std::function<void()>)> &answer);
    struct Written;
    Written drain(RecordStore &store, const std::function<void(std::function<void()>)> &answer);
    bool writeToStore(RecordStore &store, const QVector<StoredRecord> &rows,
        const QVector<StoreSession> &sessions, Written &written) const;
    void writeArchiveJobs(RecordStore &store, Written &written);
    static QVector<ArchiveJob> plansOf(RecordStore &store, const QVector<RecordOutcome> &records);
    void tell(const Written &written);

    const StoreLocation where;
    const Writing writing;
    std::unique_ptr<StoreThread> thread;
    // Set when a drain is posted, cleared as it begins and by hold(): one
    // drain at a time waits, after everything held.
    std::atomic<bool> drainPosted { false };
    std::atomic<bool> upgradeCancelled { false };
    std::atomic<bool> ending { false };
    std::atomic<int> upgradeSteps { 0 }; // told by the store's thread
    std::atomic<int> upgradeStepsShown { 0 }; // and shown
    // Records the waiting files would not take: the store's thread only.
    QVector<StoredRecord> held;
    QVector<StoreSession> heldSessions;
    QVector<QPair<ArchiveJob, QVector<StoredRecord>>> heldJobs;
    QTimer *retry = nullptr;
    // This session's rows, for the writes that change one of them.
    QHash<QString, StoredRecord> listed;
    QVector<StoredRecord> pendingRows; // changed, not handed over yet
    StoreSession session; // no id: no session
    std::unique_ptr<QLockFile> sessionLock;
    QVector<StoreSession> lostSessions;
    std::vector<std::unique_ptr<QLockFile>> lostLocks;
    qint64 nextListPosition = 1;
    bool keeping = true;
    QString why;
};

#endif
