// SPDX-License-Identifier: MIT
#ifndef LUMETRA_STOREWATCHDOG_H
#define LUMETRA_STOREWATCHDOG_H

#include <QSqlDatabase>
#include <atomic>
#include <memory>

// Bounds how long one piece of work on a PostgreSQL connection waits for the
// server. A server that stopped answering often still holds the connection:
// TCP sees nothing wrong and libpq waits for its answer for ever. Once the
// bound has passed, the watchdog cuts the connection, the work fails as if
// the server had gone, and what it was writing waits aside. SQLite
// connections are left alone: their waits are bounded already.
//
// Once interrupted is set (by another thread), the connection is cut at once:
// a program that ends waits for no server.
class StoreWatchdog
{
public:
    StoreWatchdog(
        const QSqlDatabase &database, int boundMs, const std::atomic<bool> *interrupted = nullptr);
    ~StoreWatchdog();
    StoreWatchdog(const StoreWatchdog &) = delete;
    StoreWatchdog &operator=(const StoreWatchdog &) = delete;

    // The bound passed and the connection was cut.
    bool fired() const;

private:
    struct Watch;
    std::unique_ptr<Watch> watch;
};

#endif
