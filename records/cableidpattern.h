// SPDX-License-Identifier: MIT
#ifndef LUMETRA_CABLEIDPATTERN_H
#define LUMETRA_CABLEIDPATTERN_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Cable IDs generated from a pattern: text with ranges in braces, {01..24}
// (numbers, zero-filled to the width of a bound written with a leading zero),
// {12..1} (counting down), {A..H} or {a..h}. Several ranges combine, the
// leftmost changing slowest; {{ and }} are literal braces; a pattern without a
// range is one ID. At most CableIdList::maxFromPattern IDs come from one.
class CableIdPattern
{
    Q_DECLARE_TR_FUNCTIONS(CableIdPattern)

public:
    // The IDs as the pattern spells them, not yet normalized; false with a
    // message, translated, for a pattern that is not one.
    static bool expand(const QString &pattern, QStringList *ids, QString *error);
};

#endif
