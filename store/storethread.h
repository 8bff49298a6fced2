// SPDX-License-Identifier: MIT
#ifndef LUMETRA_STORETHREAD_H
#define LUMETRA_STORETHREAD_H

#include "storelocation.h"

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class RecordStore;

// A connection to a records store on a thread of its own: a Qt SQL
// connection belongs to the thread that made it, and a server that stops
// answering must hold up nothing but this thread. Work runs here in the order
// it was posted and opens the store as it needs it. What work has to tell
// goes back as replies, which run on the thread that made this object, in the
// order they were given; values cross only inside them.
class StoreThread : public QObject
{
    Q_OBJECT
public:
    using Reply = std::function<void()>;
    using Answer = std::function<void(Reply)>;
    using Work = std::function<void(RecordStore &store, const Answer &answer)>;

    explicit StoreThread(const StoreLocation &location, QObject *parent = nullptr);
    ~StoreThread() override; // stop(0)

    void post(Work work);
    // Waits until all work posted so far has run, at most milliseconds (-1: no
    // bound), then runs the replies that came. False when the time ran out.
    bool waitIdle(int milliseconds = -1);
    // Lets the work posted so far run for graceMs at most; then a wait for a
    // server ends at once, work not begun is dropped and the thread ends.
    // Replies that did not run yet are dropped too.
    void stop(int graceMs);
    // A wait for a server ends at once and work not begun is dropped; the
    // replies of the work under way still come. Connecting is not cut short.
    void cancel();

signals:
    void replied(); // from the store's thread: replies wait to be run

private:
    void run(const StoreLocation &location);
    void deliver();
    bool idle() const { return work.empty() && !working; }

    std::mutex lock;
    std::condition_variable changed;
    std::deque<Work> work;
    bool working = false;
    bool ending = false;
    std::atomic<bool> interrupted { false };
    std::mutex replyLock;
    std::deque<Reply> replies;
    std::thread thread;
};

#endif
