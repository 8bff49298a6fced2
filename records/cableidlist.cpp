// SPDX-License-Identifier: MIT
#include "cableidlist.h"

#include <QSet>

namespace {
int characterCount(const QString &text)
{
    int count = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (!(text.at(i).isHighSurrogate() && i + 1 < text.size()
                && text.at(i + 1).isLowSurrogate()))
            ++count;
    }
    return count;
}
} // namespace

QString CableIdList::normalized(const QString &text)
{
    return text.normalized(QString::NormalizationForm_C).trimmed();
}

QString CableIdList::problemOf(const QString &id)
{
    if (id.isEmpty())
        return tr("A cable ID cannot be empty.");
    if (characterCount(id) > maxLength)
        return tr("The cable ID %1 is longer than 64 characters.").arg(quoted(id));
    for (const QChar c : id) {
        if (c.category() == QChar::Other_Control)
            return tr("The cable ID %1 holds a control character.").arg(quoted(id));
    }
    return QString();
}

QString CableIdList::quoted(const QString &id)
{
    QString shown;
    for (const QChar c : id)
        shown += c.category() == QChar::Other_Control ? QChar(0xFFFD) : c;
    constexpr int longest = 40;
    if (shown.size() > longest)
        shown = shown.left(longest - 1) + QChar(0x2026);
    return QStringLiteral("\u201C%1\u201D").arg(shown);
}

QString CableIdList::namedList(const QStringList &ids)
{
    constexpr int named = 10;
    QStringList shown;
    for (const QString &id : ids.mid(0, named))
        shown << quoted(id);
    const QString list = shown.join(QStringLiteral(", "));
    if (ids.size() <= named)
        return list;
    return tr("%1 and %n more", nullptr, int(ids.size() - named)).arg(list);
}

bool CableIdList::prepare(const QStringList &texts, const QVector<int> &lines,
    const QStringList &existing, QStringList *ids, QString *error)
{
    ids->clear();
    QSet<QString> seen(existing.begin(), existing.end());
    QStringList duplicates;
    QSet<QString> named;
    for (int i = 0; i < texts.size(); ++i) {
        const QString id = normalized(texts.at(i));
        const QString problem = problemOf(id);
        if (!problem.isEmpty()) {
            *error = i < lines.size() ? tr("Line %1: %2").arg(QString::number(lines.at(i)), problem)
                                      : problem;
            ids->clear();
            return false;
        }
        if (seen.contains(id)) {
            if (!named.contains(id)) {
                named.insert(id);
                duplicates << id;
            }
            continue;
        }
        seen.insert(id);
        ids->append(id);
    }
    if (!duplicates.isEmpty()) {
        *error = tr("Nothing was added: these cable IDs are listed twice or are already in the "
                    "job: %1.")
                     .arg(namedList(duplicates));
        ids->clear();
        return false;
    }
    if (existing.size() + ids->size() > maxInJob) {
        *error = tr("Nothing was added: the job would hold %n cable IDs, and a job holds at most "
                    "100,000.",
            nullptr, int(existing.size() + ids->size()));
        ids->clear();
        return false;
    }
    return true;
}
