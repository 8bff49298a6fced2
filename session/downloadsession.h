// SPDX-License-Identifier: MIT
#ifndef LUMETRA_DOWNLOADSESSION_H
#define LUMETRA_DOWNLOADSESSION_H

#include "archivejob.h"
#include "downloadbatch.h"
#include "recordcableid.h"
#include "recordoutcome.h"
#include "reportheadertexts.h"
#include "sessionentry.h"
#include "storedrecord.h"
#include "storelocation.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QVector>
#include <optional>

class RecordKeeper;

// The records a program received or opened, from the finished batch, the
// opened archive or the history to records that are kept and listed: the
// rows for the records store with the texts they carry, the records a killed
// window left to offer again, and a text version for every edit. The window
// lists its collection as it stands; lumetra-cli keeps what it receives and
// lists nothing. The store is written in the background: the answers come as
// signals, never a wait.
class DownloadSession : public QObject
{
    Q_OBJECT
public:
    enum class Use {
        // A session in the store of its own: its unsaved records are offered
        // again should the window be killed.
        Window,
        CommandLine,
    };

    explicit DownloadSession(Use use, QObject *parent = nullptr);
    // Gives the store a moment at most: what it has not taken waits for the next start.
    ~DownloadSession() override;

    // From now on every record is kept in location.
    void keepIn(const StoreLocation &location);
    StoreLocation location() const; // where records are kept
    bool isKeeping() const; // as the store's last answer has it; true without a store
    QString problem() const;
    // Until the store has answered what it was given, at most milliseconds
    // (-1: no bound); its answers are told before it returns.
    bool waitForStore(int milliseconds = -1);
    // A clean end of the window's session: its records are not offered again.
    void close();
    // Stops the store's upgrade under way, and any later one of this store:
    // it is left as it was, and records wait beside it.
    void cancelUpgrade();

    // The collection, in the order it was listed.
    const QVector<SessionEntry> &entries() const { return collection; }

    // The job the records received from now on join: each record new to the
    // store's jobs takes the job's next free cable ID, counting from startId
    // (empty: the job's first), as it reaches the store. Empty: none.
    void setActiveJob(const QString &job, const QString &startId = QString());
    QString activeJob() const { return jobOfArrivals; }
    QString activeStartId() const { return startOfArrivals; }

    // A finished batch from port, kept before anything can hold it up, with
    // the texts it arrives with (the window's on screen; none from lumetra-cli).
    void keepArrived(const DownloadBatch &batch, const QString &port,
        const std::optional<ReportHeaderTexts> &texts);
    // Lists records received, each with texts; the first new entry's index.
    int listArrived(const QVector<TestRecord> &records, const ReportHeaderTexts &texts);
    // An archive as it is opened: its texts are the first version of a record
    // new to the store and change nothing of one stored already. Its job,
    // when it has one, joins the store's; its records that are in no job take
    // the archive's IDs.
    void keepOpened(const QString &path, const QVector<TestRecord> &records,
        const QVector<ReportHeaderTexts> &headers, const ArchiveJob *job = nullptr);
    // Lists records opened, headers[i] with records[i]; the first new entry's index.
    int listOpened(const QVector<TestRecord> &records, const QVector<ReportHeaderTexts> &headers);

    // The texts of an entry as they are now; a new version when they changed.
    void setHeaders(int row, const ReportHeaderTexts &texts);
    void remove(int row);
    void removeAll();
    // Every entry as it stands is in archive now.
    void keepSaved(const QString &archive);
    // These records, without texts of their own, are in archive now.
    void keepSaved(const QVector<TestRecord> &records, const QString &archive);

    // The stored records of keys: told by opened, for the window to list as
    // an opened archive, then by historyOpened.
    void openFromHistory(const QStringList &keys);
    // The records a killed window left unsaved, once what waited is written:
    // told by lostRecordsFound when there are any; settleLostRecords answers.
    void findLostRecords();
    void settleLostRecords(bool showAgain);

    // Reads again the job, cable ID and texts of every entry, and their jobs,
    // after they were changed elsewhere (the Jobs window): told by
    // cableIdsChanged and headersChanged.
    void refreshFromStore();
    // The facts and cable IDs of a job of an entry, as last read; false when
    // they were not read yet.
    bool jobPlan(const QString &job, ArchiveJob *plan) const;

signals:
    void keepingChanged(bool keeping, const QString &problem);
    void storing(int records);
    void kept(int records); // of those the store was given; the others are set aside
    void recordsWritten();
    void lostRecordsFound(int records);
    void opened(const QVector<TestRecord> &records, const QVector<ReportHeaderTexts> &headers);
    void historyOpened(int chosen, int opened);
    // Entries' cable IDs, or whether they are pending, changed.
    void cableIdsChanged();
    void headersChanged(); // the texts of entries, changed elsewhere
    // The records received into a job, or opened with one, once the store
    // has given them their jobs and IDs.
    void arrivalsPlaced(const QVector<RecordOutcome> &records);
    // count records arrived into job without a cable ID: none was free.
    void arrivedUnplanned(int count, const QString &job);
    // Records were received into a job the store does not have.
    void jobMissing(const QString &job);
    // The store is upgraded as it opens, building its search index: done of
    // total records (0 of 0 while it cannot tell); then it ended.
    void upgrading(qint64 done, qint64 total);
    void upgradeEnded();

private:
    void stored(const QVector<RecordOutcome> &outcomes);
    void fetched(const QStringList &keys, const QVector<StoredRecord> &rows);
    void found(const QVector<StoredRecord> &rows);
    void place(const QVector<RecordOutcome> &outcomes);
    void append(
        const TestRecord &record, const ReportHeaderTexts &headers, const QString &numberText);
    void placeEntry(SessionEntry &entry) const;

    const Use use;
    StoreLocation where;
    RecordKeeper *keeper = nullptr;
    QVector<SessionEntry> collection;
    QVector<StoredRecord> lost;
    QString jobOfArrivals;
    QString startOfArrivals;
    QSet<QString> pending; // keys kept with a job, not placed yet
    QHash<QString, RecordCableId> places; // by key, as the store last told
    QHash<QString, ArchiveJob> plans; // by job
};

#endif
