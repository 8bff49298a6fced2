// SPDX-License-Identifier: MIT
#ifndef LUMETRA_DISPLAYSCALING_H
#define LUMETRA_DISPLAYSCALING_H

#include "screeninfo.h"

#include <QByteArray>
#include <QSize>
#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

// The largest scale, at most the system's and at least 1, at which a window of
// the given size in device-independent pixels fits the display's available
// area with its frame. A display too small for it even at 1 gets 1.
double fittingScale(const DisplayFacts &display, QSize window);

// Qt's scaling, set up before the application object exists: every window
// laid out in device-independent pixels, at the system's scaling or at the
// fitting scale where the window would not fit at that. What Qt alone was to
// read is taken back once the application object has read it, so that the
// programs the window starts scale by their own rules.
class DisplayScaling
{
public:
    explicit DisplayScaling(QSize window);
    void applicationMade();
    // Moves window, not yet shown, as little as it takes for its frame, as
    // the system draws it, to lie in the available area: a large title bar
    // would reach above the screen, or the window below it, at its place.
    void place(QWidget &window) const;

    DisplayFacts display;
    double scale = 1.0;

private:
    void tellQt(const char *variable, const QByteArray &value);
    std::vector<std::pair<const char *, std::optional<QByteArray>>> untold;
};

#endif
