// SPDX-License-Identifier: MIT
#include "storewatchdog.h"

#include "storewatchdogplatform.h"

#include <QSqlDriver>
#include <QVariant>
#include <algorithm>
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

namespace {

// How often an interruption is looked for.
constexpr std::chrono::milliseconds interruptionStep(50);

// libpq's connection under Qt's PostgreSQL driver; null for any other.
const void *postgresConnection(const QSqlDatabase &database)
{
    if (!database.isOpen() || !database.driver())
        return nullptr;
    const QVariant handle = database.driver()->handle();
    if (qstrcmp(handle.typeName(), "PGconn*") != 0)
        return nullptr;
    return *static_cast<const void *const *>(handle.constData());
}

} // namespace

StoreWatchdog::StoreWatchdog(
    const QSqlDatabase &database, int boundMs, const std::atomic<bool> *interrupted)
{
    const void *connection = postgresConnection(database);
    const std::intptr_t socket = connection ? StoreSocket::of(connection) : StoreSocket::none;
    if (socket == StoreSocket::none)
        return;
    watch = std::make_unique<Watch>();
    Watch *w = watch.get();
    w->thread = std::thread([w, socket, boundMs, interrupted] {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point bound = Clock::now() + std::chrono::milliseconds(boundMs);
        std::unique_lock<std::mutex> lock(w->mutex);
        const auto cut = [&] { return interrupted && interrupted->load(); };
        while (!w->done && !cut() && Clock::now() < bound)
            w->finished.wait_until(lock, std::min(bound, Clock::now() + interruptionStep));
        if (w->done)
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
