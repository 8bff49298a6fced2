// SPDX-License-Identifier: MIT
#include "singleinstanceplatform.h"

QString localServerName(const QString &runtimeFolder, const QString &baseName)
{
    return runtimeFolder + QLatin1Char('/') + baseName;
}

// X11 and Wayland leave that to the window manager's own rules.
void allowRunningWindowToComeToFront() { }
