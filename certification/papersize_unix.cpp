// SPDX-License-Identifier: MIT
#include "papersize.h"

#include <QString>
#include <QtGlobal>

// Qt's system locale leaves LC_PAPER out; the variables are read in the order
// the C library gives them.
QPageSize::PageSizeId systemPaperSize()
{
    for (const char *variable : { "LC_ALL", "LC_PAPER", "LANG" }) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return paperSizeFor(
                QLocale(name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0)));
    }
    return paperSizeFor(QLocale::system());
}
