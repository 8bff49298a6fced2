// SPDX-License-Identifier: MIT
#include "jobfiletask.h"

#include "jobreport.h"
#include "jobstore.h"
#include "jobworkbook.h"
#include "recordstore.h"
#include "storethread.h"

#include <condition_variable>
#include <mutex>

// The worker's side of the progress: a step asked, and the window's answer.
struct JobFileTask::Steps
{
    std::mutex lock;
    std::condition_variable answered;
    int asked = 0;
    int answers = 0;
    bool goOn = true;
    bool abandoned = false; // the window went: every step answers "stop"

    void answer(bool more)
    {
        {
            const std::lock_guard<std::mutex> locker(lock);
            goOn = goOn && more;
            ++answers;
        }
        answered.notify_all();
    }
    void abandon()
    {
        {
            const std::lock_guard<std::mutex> locker(lock);
            abandoned = true;
        }
        answered.notify_all();
    }
};

namespace {
struct Written
{
    WriteOutcome outcome = WriteOutcome::Failed;
    QString why;
    int cut = 0;
};

Written writeFile(JobFileTask::Kind kind, const JobRecords &records, const QString &path,
    const ProgressStep &step)
{
    Written done;
    if (kind == JobFileTask::Kind::Report) {
        const JobReport report(records);
        done.outcome = report.write(path, step, &done.why);
        return done;
    }
    const JobSummary summary = summarizeJob(records);
    QVector<JobWorkbook::CutText> cut;
    done.outcome = JobWorkbook(summary).write(path, step, &done.why, &cut);
    done.cut = cut.size();
    return done;
}
} // namespace

JobFileTask::JobFileTask(const StoreLocation &location, Kind kind, const QString &job,
    const QString &path, std::unique_ptr<ProgressIndicator> shown, QObject *parent)
    : QObject(parent)
    , steps(std::make_shared<Steps>())
    , progress(std::move(shown))
    , thread(std::make_unique<StoreThread>(location))
{
    ProgressIndicator *indicator = progress.get();
    const std::shared_ptr<Steps> shared = steps;
    thread->post([=](RecordStore &store, const StoreThread::Answer &answer) {
        const ProgressStep step = [&answer, shared, indicator](int done, int total) {
            std::unique_lock<std::mutex> locker(shared->lock);
            const int mine = ++shared->asked;
            locker.unlock();
            // Runs on the window's thread only while the task, and so indicator, lives.
            answer(
                [shared, indicator, done, total] { shared->answer(indicator->step(done, total)); });
            locker.lock();
            shared->answered.wait(
                locker, [&] { return shared->abandoned || shared->answers >= mine; });
            return shared->goOn && !shared->abandoned;
        };
        Written done;
        JobRecords records;
        JobStore jobs(store);
        if (!store.open(RecordStore::Access::ReadOnly))
            done.why = store.errorString();
        else if (!jobs.readRecords(job, &records))
            done.why = jobs.errorString();
        else if (!step(0, 0))
            done.outcome = WriteOutcome::Cancelled;
        else
            done = writeFile(kind, records, path, step);
        store.close();
        answer([this, done] { emit finished(done.outcome, done.why, done.cut); });
    });
}

JobFileTask::~JobFileTask()
{
    steps->abandon();
    thread.reset(); // joins: the work under way ends at its next step
}
