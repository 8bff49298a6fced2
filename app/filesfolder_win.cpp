// SPDX-License-Identifier: MIT
#include "filesfolderplatform.h"

#include <QDir>

bool isSystemFolder(const QString &folder)
{
    // The root of the system drive too: standard users may make folders there, not files.
    const QString drive = qEnvironmentVariable("SystemDrive");
    if (!drive.isEmpty() && folder.compare(drive + QLatin1Char('/'), Qt::CaseInsensitive) == 0)
        return true;
    for (const char *variable :
        { "SystemRoot", "ProgramFiles", "ProgramFiles(x86)", "ProgramW6432", "ProgramData" }) {
        const QString system = qEnvironmentVariable(variable);
        if (!system.isEmpty() && isSameOrInside(folder, QDir::fromNativeSeparators(system)))
            return true;
    }
    return false;
}

bool isSameOrInside(const QString &folder, const QString &parent)
{
    QString top = QDir::cleanPath(parent);
    if (folder.compare(top, Qt::CaseInsensitive) == 0)
        return true;
    if (!top.endsWith(QLatin1Char('/')))
        top += QLatin1Char('/');
    return folder.startsWith(top, Qt::CaseInsensitive);
}
