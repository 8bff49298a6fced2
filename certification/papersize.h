// SPDX-License-Identifier: MIT
#ifndef LUMETRA_PAPERSIZE_H
#define LUMETRA_PAPERSIZE_H

#include <QLocale>
#include <QPageSize>

// US Letter in the countries whose offices use it, A4 everywhere else.
QPageSize::PageSizeId paperSizeFor(const QLocale &locale);

// The paper of the user's region: on Linux the locale's paper setting
// (LC_ALL, LC_PAPER, LANG), elsewhere the system locale's country.
QPageSize::PageSizeId systemPaperSize();

#endif
