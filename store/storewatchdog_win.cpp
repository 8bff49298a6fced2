// SPDX-License-Identifier: MIT
#include "storewatchdog.h"

// Lumetra for Windows has no PostgreSQL driver, and SQLite's waits are bounded.
struct StoreWatchdog::Watch
{
};

StoreWatchdog::StoreWatchdog(const QSqlDatabase &, int, const std::atomic<bool> *) { }

StoreWatchdog::~StoreWatchdog() = default;

bool StoreWatchdog::fired() const
{
    return false;
}
