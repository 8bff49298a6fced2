// SPDX-License-Identifier: MIT
#ifndef LUMETRA_SCREENINFO_H
#define LUMETRA_SCREENINFO_H

#include <QMargins>
#include <QRect>
#include <QString>
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

// The primary display in device pixels, as it is before the application
// object exists: where Qt's scaling is decided.
struct DisplayFacts
{
    QRect screen; // empty where the display cannot be asked
    QRect available; // less task bars and docks
    double scale = 1.0; // the system's display scaling: 1.5 at 150 %
    QMargins frame; // a window's title bar and borders, at that scaling
    int dpiForQt = 0; // where Qt would take another DPI than the desktop's
    QString awareness; // what the system takes the program to know of DPI, where it asks
};
DisplayFacts measureDisplay();

#endif
