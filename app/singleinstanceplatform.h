// SPDX-License-Identifier: MIT
#ifndef LUMETRA_SINGLEINSTANCEPLATFORM_H
#define LUMETRA_SINGLEINSTANCEPLATFORM_H

#include <QString>

// What the single-instance meeting needs from the operating system. One
// implementation per operating system.

// The local server name for baseName, kept in runtimeFolder where the system
// puts local sockets in folders.
QString localServerName(const QString &runtimeFolder, const QString &baseName);

// Lets the running window take the foreground when this start hands it over;
// a window in the background may not push itself to the front on its own.
void allowRunningWindowToComeToFront();

#endif
