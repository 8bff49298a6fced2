// SPDX-License-Identifier: MIT
#ifndef LUMETRA_CABLEIDIMPORT_H
#define LUMETRA_CABLEIDIMPORT_H

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

// Cable IDs read as people bring them: typed or pasted, one a line, or a file
// that is a text with one ID a line or a CSV (its first line holds a comma, a
// semicolon or a tab). A CSV's first line is its header when it names a column
// cable_id, "cable id", id or label (any letter case): that column holds the
// IDs; otherwise the first column does and the first line is data. Quoting
// as RFC 4180. Blank lines are skipped. The texts come back as written, with
// the line each began on; CableIdList::prepare makes IDs of them.
class CableIdImport
{
    Q_DECLARE_TR_FUNCTIONS(CableIdImport)

public:
    struct Lines
    {
        QStringList texts;
        QVector<int> lines; // 1 for the first line of the input
    };

    static Lines fromTypedText(const QString &text);
    // False with a message, translated, for a file that cannot be read as
    // one: a quote never closed, a UTF-16 file cut in half a character.
    static bool fromFile(const QByteArray &bytes, Lines *found, QString *error);

    // UTF-8 with or without a byte-order mark, UTF-16 with one; otherwise,
    // when the bytes are not UTF-8, Windows-1252. False for UTF-16 of an odd
    // length.
    static bool decode(const QByteArray &bytes, QString *text);
};

#endif
