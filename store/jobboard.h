// SPDX-License-Identifier: MIT
#ifndef LUMETRA_JOBBOARD_H
#define LUMETRA_JOBBOARD_H

#include "jobstore.h"
#include "storelocation.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>

class RecordStore;
class StoreThread;

// The jobs of a records store as a window reads and changes them: on a
// thread of its own, so that a slow server holds up no window (a Qt SQL
// connection belongs to the thread that made it). Every answer comes as a
// signal; after each change the jobs, and the job it changed, are read again.
class JobBoard : public QObject
{
    Q_OBJECT
public:
    explicit JobBoard(const StoreLocation &location, QObject *parent = nullptr);
    // Lets a change under way finish for a moment at most; one not begun is dropped.
    ~JobBoard() override;

    bool isBusy() const { return busy > 0; }

    void readJobs();
    void readStatus(const QString &job);

    // Each change returns the ticket changed tells its end by.
    int createJob(const JobFacts &facts);
    int editJob(const JobFacts &facts);
    int addCableIds(const QString &job, const QStringList &texts, const QVector<int> &lines);
    int insertCableIds(const QString &job, const QString &before, const QStringList &texts);
    int renameCableId(const QString &job, const QString &from, const QString &to);
    int reorderCableIds(const QString &job, const QStringList &order);
    int removeCableIds(const QString &job, const QStringList &ids);
    int markRetest(const QString &job, const QStringList &ids, bool marked);
    int assign(const QString &job, const QString &recordKey, JobStore::Assignment how,
        const QString &cableId = QString());
    // On every record of the job, or on those of only when given.
    int setTexts(const QString &job, const JobStore::TextChange &change, const QStringList &only);

signals:
    void busyChanged(bool busy);
    // problem: why they could not be read; empty when they were.
    void jobsRead(const QVector<JobStore::Summary> &jobs, const QString &problem);
    void statusRead(const QString &job, const JobStatus &status, const QString &problem);
    // A change of job ended; records: how many records it changed.
    void changed(int ticket, const QString &job, bool done, const QString &problem, int records);

private:
    using Change = std::function<bool(JobStore &jobs, int *records)>;
    int change(const QString &job, const Change &work);
    using Work
        = std::function<void(RecordStore &, const std::function<void(std::function<void()>)> &)>;
    void post(const Work &work);
    void ended();
    // The store's thread only.
    bool open(RecordStore &store, bool toWrite);
    static QString problemOf(RecordStore &store, const JobStore &jobs);

    std::unique_ptr<StoreThread> thread;
    int busy = 0;
    int lastTicket = 0;
    bool writable = false; // the store's thread only
};

#endif
