// SPDX-License-Identifier: MIT
#include "storewatchdog.h"

#include "storewatchdogplatform.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

struct StoreWatchdog::Watch
{
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool fired = false;
    std::thread thread;
};

StoreWatchdog::StoreWatchdog(const QSqlDatabase &database, int boundMs)
{
    const std::intptr_t socket = StoreSocket::of(database);
    if (socket == StoreSocket::none)
        return;
    watch = std::make_unique<Watch>();
    Watch *w = watch.get();
    w->thread = std::thread([w, socket, boundMs] {
        std::unique_lock<std::mutex> lock(w->mutex);
        if (w->finished.wait_for(lock, std::chrono::milliseconds(boundMs), [w] { return w->done; }))
            return;
        StoreSocket::cut(socket);
        w->fired = true;
    });
}

StoreWatchdog::~StoreWatchdog()
{
    if (!watch)
        return;
    {
        const std::lock_guard<std::mutex> lock(watch->mutex);
        watch->done = true;
    }
    watch->finished.notify_one();
    watch->thread.join();
}

bool StoreWatchdog::fired() const
{
    if (!watch)
        return false;
    const std::lock_guard<std::mutex> lock(watch->mutex);
    return watch->fired;
}
