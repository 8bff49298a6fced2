// SPDX-License-Identifier: MIT
#include "safefilename.h"

#include <QRegularExpression>

QString safeFileName(const QString &name)
{
    QString safe;
    for (const QChar c : name)
        safe += c.category() == QChar::Other_Control || QStringLiteral("\\/:*?\"<>|").contains(c)
            ? QChar(QLatin1Char('_'))
            : c;
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM\\d|LPT\\d)(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    if (safe.isEmpty() || device.match(safe).hasMatch())
        safe.prepend(QLatin1Char('_'));
    return safe;
}
