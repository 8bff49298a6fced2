// SPDX-License-Identifier: MIT
#ifndef LUMETRA_SCREENPROBE_H
#define LUMETRA_SCREENPROBE_H

#include "screeninfo.h"

#include <QRect>
#include <functional>

// How the main window measures the machine while it places itself; tests
// hand in other screens.
struct ScreenProbe
{
    std::function<double()> windowsVersion = windowsMajorVersion;
    std::function<QRect()> primaryScreen = measurePrimaryScreen;
};

#endif
