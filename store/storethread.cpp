// SPDX-License-Identifier: MIT
#include "storethread.h"

#include "recordstore.h"

#include <chrono>

StoreThread::StoreThread(const StoreLocation &location, QObject *parent)
    : QObject(parent)
{
    connect(this, &StoreThread::replied, this, &StoreThread::deliver, Qt::QueuedConnection);
    thread = std::thread([this, location] { run(location); });
}

StoreThread::~StoreThread()
{
    stop(0);
}

void StoreThread::post(Work next)
{
    {
        const std::lock_guard<std::mutex> locker(lock);
        if (ending)
            return;
        work.push_back(std::move(next));
    }
    changed.notify_all();
}

bool StoreThread::waitIdle(int milliseconds)
{
    bool done = true;
    {
        std::unique_lock<std::mutex> locker(lock);
        if (milliseconds < 0)
            changed.wait(locker, [this] { return idle(); });
        else
            done = changed.wait_for(
                locker, std::chrono::milliseconds(milliseconds), [this] { return idle(); });
    }
    deliver();
    return done;
}

void StoreThread::stop(int graceMs)
{
    if (!thread.joinable())
        return;
    {
        std::unique_lock<std::mutex> locker(lock);
        ending = true;
        changed.wait_for(locker, std::chrono::milliseconds(graceMs), [this] { return idle(); });
        work.clear();
        interrupted = true;
    }
    changed.notify_all();
    thread.join();
    const std::lock_guard<std::mutex> locker(replyLock);
    replies.clear();
}

void StoreThread::cancel()
{
    const std::lock_guard<std::mutex> locker(lock);
    ending = true;
    work.clear();
    interrupted = true;
}

void StoreThread::run(const StoreLocation &location)
{
    RecordStore store(location);
    store.setInterruption(&interrupted);
    const Answer answer = [this](Reply reply) {
        {
            const std::lock_guard<std::mutex> locker(replyLock);
            replies.push_back(std::move(reply));
        }
        emit replied();
    };
    for (;;) {
        Work next;
        {
            std::unique_lock<std::mutex> locker(lock);
            changed.wait(locker, [this] { return !work.empty() || ending; });
            if (work.empty())
                break;
            next = std::move(work.front());
            work.pop_front();
            working = true;
        }
        next(store, answer);
        {
            const std::lock_guard<std::mutex> locker(lock);
            working = false;
        }
        changed.notify_all();
    }
}

void StoreThread::deliver()
{
    for (;;) {
        Reply reply;
        {
            const std::lock_guard<std::mutex> locker(replyLock);
            if (replies.empty())
                return;
            reply = std::move(replies.front());
            replies.pop_front();
        }
        reply();
    }
}
