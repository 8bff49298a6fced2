// SPDX-License-Identifier: MIT
#ifndef LUMETRA_STORESESSION_H
#define LUMETRA_STORESESSION_H

#include <QString>

// One run of the window against a store. A session that never ended belongs
// to a window that still runs, or to one that was killed.
struct StoreSession
{
    QString id;
    QString hostName;
    qint64 startedAtMs = 0;
    qint64 endedAtMs = 0; // 0 while it has not ended
};

#endif
