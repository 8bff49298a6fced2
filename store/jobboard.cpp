// SPDX-License-Identifier: MIT
#include "jobboard.h"

#include "recordstore.h"
#include "storethread.h"

namespace {
// How long a window that closes lets a change finish.
constexpr int changeGraceMs = 300;
} // namespace

JobBoard::JobBoard(const StoreLocation &location, QObject *parent)
    : QObject(parent)
    , thread(std::make_unique<StoreThread>(location))
{
}

JobBoard::~JobBoard()
{
    thread->stop(changeGraceMs);
}

void JobBoard::post(const Work &work)
{
    if (busy++ == 0)
        emit busyChanged(true);
    thread->post(
        [work](RecordStore &store, const StoreThread::Answer &answer) { work(store, answer); });
}

void JobBoard::ended()
{
    if (--busy == 0)
        emit busyChanged(false);
}

bool JobBoard::open(RecordStore &store, bool toWrite)
{
    if (store.isOpen() && (writable || !toWrite))
        return true;
    writable = toWrite;
    return store.open(toWrite ? RecordStore::Access::ReadWrite : RecordStore::Access::ReadOnly);
}

// Why work on store failed; the store is closed, to connect again the next time.
QString JobBoard::problemOf(RecordStore &store, const JobStore &jobs)
{
    const QString problem = store.isOpen() ? jobs.errorString() : store.errorString();
    if (!store.isOpen())
        store.close();
    return problem;
}

void JobBoard::readJobs()
{
    post([this](RecordStore &store, const StoreThread::Answer &answer) {
        QVector<JobStore::Summary> jobs;
        JobStore board(store);
        const bool read = open(store, false) && board.jobs(&jobs);
        const QString problem = read ? QString() : problemOf(store, board);
        answer([this, jobs, problem] {
            ended();
            emit jobsRead(jobs, problem);
        });
    });
}

void JobBoard::readStatus(const QString &job)
{
    post([this, job](RecordStore &store, const StoreThread::Answer &answer) {
        JobStatus status;
        JobStore board(store);
        const bool read = open(store, false) && board.readStatus(job, &status);
        const QString problem = read ? QString() : problemOf(store, board);
        answer([this, job, status, problem] {
            ended();
            emit statusRead(job, status, problem);
        });
    });
}

int JobBoard::change(const QString &job, const Change &work)
{
    const int ticket = ++lastTicket;
    post([this, ticket, job, work](RecordStore &store, const StoreThread::Answer &answer) {
        int records = 0;
        JobStore board(store);
        const bool done = open(store, true) && work(board, &records);
        const QString problem = done ? QString() : problemOf(store, board);
        answer([this, ticket, job, done, problem, records] {
            ended();
            emit changed(ticket, job, done, problem, records);
        });
    });
    readJobs();
    if (!job.isEmpty())
        readStatus(job);
    return ticket;
}

int JobBoard::createJob(const JobFacts &facts)
{
    return change(facts.name, [facts](JobStore &jobs, int *) { return jobs.createJob(facts); });
}

int JobBoard::editJob(const JobFacts &facts)
{
    return change(facts.name, [facts](JobStore &jobs, int *) { return jobs.editJob(facts); });
}

int JobBoard::addCableIds(const QString &job, const QStringList &texts, const QVector<int> &lines)
{
    return change(job,
        [=](JobStore &jobs, int *added) { return jobs.addCableIds(job, texts, lines, added); });
}

int JobBoard::insertCableIds(const QString &job, const QString &before, const QStringList &texts)
{
    return change(job, [=](JobStore &jobs, int *added) {
        *added = texts.size();
        return jobs.insertCableIds(job, before, texts);
    });
}

int JobBoard::renameCableId(const QString &job, const QString &from, const QString &to)
{
    return change(job, [=](JobStore &jobs, int *) { return jobs.renameCableId(job, from, to); });
}

int JobBoard::reorderCableIds(const QString &job, const QStringList &order)
{
    return change(job, [=](JobStore &jobs, int *) { return jobs.reorderCableIds(job, order); });
}

int JobBoard::removeCableIds(const QString &job, const QStringList &ids)
{
    return change(job, [=](JobStore &jobs, int *) { return jobs.removeCableIds(job, ids); });
}

int JobBoard::markRetest(const QString &job, const QStringList &ids, bool marked)
{
    return change(job, [=](JobStore &jobs, int *) { return jobs.markRetest(job, ids, marked); });
}

int JobBoard::assign(
    const QString &job, const QString &recordKey, JobStore::Assignment how, const QString &cableId)
{
    return change(job, [=](JobStore &jobs, int *changed) {
        bool did = false;
        const bool done = jobs.assign(job, recordKey, how, cableId, &did);
        *changed = did ? 1 : 0;
        return done;
    });
}

int JobBoard::setTexts(
    const QString &job, const JobStore::TextChange &change, const QStringList &only)
{
    return this->change(job,
        [=](JobStore &jobs, int *changed) { return jobs.setTexts(job, change, changed, only); });
}
