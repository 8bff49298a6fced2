// SPDX-License-Identifier: MIT
#include "singleinstanceplatform.h"

#include <windows.h>

// Named pipes live in one namespace of their own: the folder is in the name's hash.
QString localServerName(const QString &, const QString &baseName)
{
    return baseName;
}

void allowRunningWindowToComeToFront()
{
    AllowSetForegroundWindow(ASFW_ANY);
}
