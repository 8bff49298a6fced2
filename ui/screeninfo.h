// SPDX-License-Identifier: MIT
#ifndef LUMETRA_SCREENINFO_H
#define LUMETRA_SCREENINFO_H

#include <QRect>
#include <QVector>

// What the start-up needs to know about the machine's screens. One
// implementation per operating system.

// The running Windows' major version; 0.0 where there is none to ask.
double windowsMajorVersion();

// The primary display in pixels, from (0, 0) to (width - 1, height - 1).
QRect measurePrimaryScreen();

// One rectangle per monitor, in the order the system lists them.
QVector<QRect> enumerateMonitors();

// Whether the two measurements above need the application object to exist.
extern const bool screenMeasurementNeedsApplication;

#endif
