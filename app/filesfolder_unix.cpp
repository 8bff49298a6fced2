// SPDX-License-Identifier: MIT
#include "filesfolderplatform.h"

#include <QStringList>

bool isSystemFolder(const QString &folder)
{
    if (folder == QLatin1String("/"))
        return true;
    static const QStringList system { "/usr", "/bin", "/sbin", "/lib", "/lib32", "/lib64",
        "/libx32", "/etc", "/boot", "/dev", "/proc", "/sys", "/run", "/var", "/opt", "/snap" };
    for (const QString &top : system)
        if (isSameOrInside(folder, top))
            return true;
    return false;
}

bool isSameOrInside(const QString &folder, const QString &parent)
{
    return folder == parent || folder.startsWith(parent + QLatin1Char('/'));
}
