// SPDX-License-Identifier: MIT
#include "cableidpattern.h"

#include "cableidlist.h"

#include <QVector>

namespace {

// A piece of the pattern: a literal text, or the values of a range.
struct Piece
{
    QString text;
    QStringList values; // empty for a literal
};

bool isNumber(const QString &bound)
{
    if (bound.isEmpty() || bound.size() > 9) // far past any count a pattern may make
        return false;
    for (const QChar c : bound) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

bool isLetter(const QString &bound, bool upper)
{
    if (bound.size() != 1)
        return false;
    const QChar c = bound.front();
    return upper ? (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
                 : (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

// The values of "first..last", or none when it is not a range or one with
// more values than a pattern may make (tooMany).
QStringList rangeValues(const QString &inside, bool *tooMany)
{
    const int dots = inside.indexOf(QLatin1String(".."));
    if (dots < 0)
        return {};
    const QString first = inside.left(dots), last = inside.mid(dots + 2);
    QStringList values;
    if (isNumber(first) && isNumber(last)) {
        const bool padded = (first.size() > 1 && first.front() == QLatin1Char('0'))
            || (last.size() > 1 && last.front() == QLatin1Char('0'));
        const int width = padded ? qMax(first.size(), last.size()) : 0;
        const long from = first.toLong(), to = last.toLong();
        *tooMany = qAbs(to - from) >= CableIdList::maxFromPattern;
        if (*tooMany)
            return {};
        for (long n = from;; n += to >= from ? 1 : -1) {
            values << QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
            if (n == to)
                break;
        }
        return values;
    }
    for (const bool upper : { true, false }) {
        if (isLetter(first, upper) && isLetter(last, upper)) {
            const ushort from = first.front().unicode(), to = last.front().unicode();
            for (int c = from;; c += to >= from ? 1 : -1) {
                values << QString(QChar(c));
                if (c == to)
                    break;
            }
        }
    }
    return values;
}

} // namespace

bool CableIdPattern::expand(const QString &pattern, QStringList *ids, QString *error)
{
    ids->clear();
    QVector<Piece> pieces(1);
    qint64 count = 1;
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if ((c == QLatin1Char('{') || c == QLatin1Char('}')) && pattern.mid(i + 1, 1) == c) {
            pieces.last().text += c;
            ++i;
            continue;
        }
        if (c == QLatin1Char('}')) {
            *error = tr("The pattern has a } without its {; write }} for a brace in an ID.");
            return false;
        }
        if (c != QLatin1Char('{')) {
            pieces.last().text += c;
            continue;
        }
        const int close = pattern.indexOf(QLatin1Char('}'), i + 1);
        if (close < 0) {
            *error = tr("The pattern has a { without its }; write {{ for a brace in an ID.");
            return false;
        }
        const QString inside = pattern.mid(i + 1, close - i - 1);
        Piece range;
        bool tooMany = false;
        range.values = rangeValues(inside, &tooMany);
        if (range.values.isEmpty() && !tooMany) {
            *error = tr("{%1} is not a range: write one as {1..24}, {01..24}, {12..1} or {A..H}.")
                         .arg(inside);
            return false;
        }
        count *= range.values.size();
        if (tooMany || count > CableIdList::maxFromPattern) {
            *error = tr("The pattern makes more than 10,000 cable IDs, the most one pattern may "
                        "make.");
            return false;
        }
        pieces << range << Piece();
        i = close;
    }
    // Counting as an odometer does: the rightmost range turns fastest.
    QVector<int> at(pieces.size(), 0);
    for (qint64 made = 0; made < count; ++made) {
        QString id;
        for (int p = 0; p < pieces.size(); ++p)
            id += pieces.at(p).values.isEmpty() ? pieces.at(p).text : pieces.at(p).values.at(at[p]);
        ids->append(id);
        for (int p = pieces.size() - 1; p >= 0; --p) {
            if (pieces.at(p).values.isEmpty())
                continue;
            if (++at[p] < pieces.at(p).values.size())
                break;
            at[p] = 0;
        }
    }
    return true;
}
