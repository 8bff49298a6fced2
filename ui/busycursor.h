// SPDX-License-Identifier: MIT
#ifndef LUMETRA_BUSYCURSOR_H
#define LUMETRA_BUSYCURSOR_H

#include <QApplication>

// The application-wide wait cursor for as long as it lives.
class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

#endif
