// SPDX-License-Identifier: MIT
#include "storewatchdog.h"

#include <QSqlDriver>
#include <QVariant>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <dlfcn.h>
#include <mutex>
#include <sys/socket.h>
#include <thread>

namespace {
// The socket under Qt's PostgreSQL connection, from the libpq that Qt's
// driver loaded: a program that never uses a server needs no libpq.
int socketOf(const QSqlDatabase &database)
{
    if (!database.isOpen() || !database.driver())
        return -1;
    const QVariant handle = database.driver()->handle();
    if (qstrcmp(handle.typeName(), "PGconn*") != 0)
        return -1;
    const void *connection = *static_cast<const void *const *>(handle.constData());
    void *library = dlopen("libpq.so.5", RTLD_NOW | RTLD_NOLOAD);
    const auto pqSocket
        = library ? reinterpret_cast<int (*)(const void *)>(dlsym(library, "PQsocket")) : nullptr;
    const int socket = pqSocket && connection ? pqSocket(connection) : -1;
    if (library)
        dlclose(library); // the driver keeps it loaded
    return socket;
}
} // namespace

struct StoreWatchdog::Watch
{
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool fired = false;
    std::thread thread;
};

// How often an interruption is looked for.
constexpr std::chrono::milliseconds interruptionStep(50);

StoreWatchdog::StoreWatchdog(
    const QSqlDatabase &database, int boundMs, const std::atomic<bool> *interrupted)
{
    const int socket = socketOf(database);
    if (socket < 0)
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
        // Wakes libpq from its wait at once; the socket stays open until
        // the connection is closed, so its number cannot be another's yet.
        ::shutdown(socket, SHUT_RDWR);
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
