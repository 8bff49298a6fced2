// SPDX-License-Identifier: MIT
#ifndef LUMETRA_PAPERSIZE_H
#define LUMETRA_PAPERSIZE_H

#include <QLocale>
#include <QPageSize>

// US Letter in the countries whose offices use it, A4 everywhere else.
QPageSize::PageSizeId paperSizeFor(const QLocale &locale);

#endif
