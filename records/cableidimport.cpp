// SPDX-License-Identifier: MIT
#include "cableidimport.h"

#include <QSet>
#include <QTextCodec>

namespace {

// What Windows-1252 has where Latin-1 has its C1 controls; the five bytes it
// leaves undefined stay the controls Windows reads them as.
const ushort windows1252High[32]
    = { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
          0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
          0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 };

QString fromWindows1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const uchar b = uchar(byte);
        text += QChar(b >= 0x80 && b < 0xA0 ? windows1252High[b - 0x80] : ushort(b));
    }
    return text;
}

bool fromUtf16(const QByteArray &bytes, bool bigEndian, QString *text)
{
    if (bytes.size() % 2 != 0)
        return false;
    text->resize(bytes.size() / 2);
    for (int i = 0; i < text->size(); ++i) {
        const uchar a = uchar(bytes.at(2 * i)), b = uchar(bytes.at(2 * i + 1));
        (*text)[i] = QChar(bigEndian ? ushort(a << 8 | b) : ushort(b << 8 | a));
    }
    return true;
}

// The field separator of a CSV's first line, or none for a text of lines.
QChar separatorOf(const QString &firstLine)
{
    QChar best;
    int most = 0;
    for (const QChar candidate : { QChar('\t'), QChar(';'), QChar(',') }) {
        const int found = firstLine.count(candidate);
        if (found > most) {
            best = candidate;
            most = found;
        }
    }
    return best;
}

QString firstLineOf(const QString &text)
{
    for (const QStringRef &line : text.splitRef(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            return line.toString();
    }
    return QString();
}

// RFC 4180 rows with their first line; false at a quote never closed,
// with the line it opened on.
bool csvRows(const QString &text, QChar separator, QVector<QStringList> *rows, QVector<int> *lines,
    int *openQuoteLine)
{
    QStringList row;
    QString field;
    bool quoted = false, wasQuoted = false;
    int line = 1, rowLine = 1, quoteLine = 0;
    const auto endRow = [&] {
        row << field;
        rows->append(row);
        lines->append(rowLine);
        row.clear();
        field.clear();
        wasQuoted = false;
        rowLine = line;
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && text.mid(i + 1, 1) == QLatin1String("\"")) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                line += c == QLatin1Char('\n') ? 1 : 0;
                field += c;
            }
        } else if (c == QLatin1Char('"') && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
            quoteLine = line;
        } else if (c == separator) {
            row << field;
            field.clear();
            wasQuoted = false;
        } else if (c == QLatin1Char('\n')) {
            ++line;
            endRow();
        } else {
            field += c;
        }
    }
    if (quoted) {
        *openQuoteLine = quoteLine;
        return false;
    }
    if (!field.isEmpty() || !row.isEmpty() || wasQuoted)
        endRow();
    return true;
}

int headerColumn(const QStringList &firstRow)
{
    static const QSet<QString> names = { QStringLiteral("cable_id"), QStringLiteral("cable id"),
        QStringLiteral("id"), QStringLiteral("label") };
    for (int column = 0; column < firstRow.size(); ++column) {
        if (names.contains(firstRow.at(column).trimmed().toLower()))
            return column;
    }
    return -1;
}

} // namespace

CableIdImport::Lines CableIdImport::fromTypedText(const QString &text)
{
    Lines found;
    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = unified.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).trimmed().isEmpty())
            continue;
        found.texts << lines.at(i);
        found.lines << i + 1;
    }
    return found;
}

bool CableIdImport::decode(const QByteArray &bytes, QString *text)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return fromUtf16(bytes.mid(2), bytes.startsWith("\xFE\xFF"), text);
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    QTextCodec::ConverterState state;
    const QString utf8
        = QTextCodec::codecForName("UTF-8")->toUnicode(body.constData(), body.size(), &state);
    *text = state.invalidChars == 0 && state.remainingChars == 0 ? utf8 : fromWindows1252(body);
    return true;
}

bool CableIdImport::fromFile(const QByteArray &bytes, Lines *found, QString *error)
{
    *found = Lines();
    QString text;
    if (!decode(bytes, &text)) {
        *error = tr("The file is UTF-16 text cut short in the middle of a character.");
        return false;
    }
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QChar separator = separatorOf(firstLineOf(text));
    if (separator.isNull()) {
        *found = fromTypedText(text);
        return true;
    }
    QVector<QStringList> rows;
    QVector<int> lines;
    int openQuoteLine = 0;
    if (!csvRows(text, separator, &rows, &lines, &openQuoteLine)) {
        *error = tr("Line %1: a quote opened there is never closed.").arg(openQuoteLine);
        return false;
    }
    int first = 0;
    while (first < rows.size() && rows.at(first).join(QString()).trimmed().isEmpty())
        ++first;
    if (first == rows.size())
        return true;
    int column = headerColumn(rows.at(first));
    if (column >= 0)
        ++first;
    else
        column = 0;
    for (int i = first; i < rows.size(); ++i) {
        const QString cell = rows.at(i).value(column);
        if (cell.trimmed().isEmpty())
            continue; // a blank line, or a spreadsheet's empty row
        found->texts << cell;
        found->lines << lines.at(i);
    }
    return true;
}
