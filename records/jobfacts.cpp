// SPDX-License-Identifier: MIT
#include "jobfacts.h"

#include "cableidlist.h"

#include <QCoreApplication>

QString normalizedJobName(const QString &name)
{
    return CableIdList::normalized(name);
}

QString jobNameProblem(const QString &name)
{
    constexpr int longest = 200;
    if (name.isEmpty())
        return QCoreApplication::translate("JobFacts", "A job needs a name.");
    if (name.size() > longest)
        return QCoreApplication::translate(
            "JobFacts", "A job's name is at most 200 characters long.");
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return QCoreApplication::translate(
                "JobFacts", "A job's name cannot hold a control character.");
    }
    return QString();
}
