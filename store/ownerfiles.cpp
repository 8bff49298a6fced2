// SPDX-License-Identifier: MIT
#include "ownerfiles.h"
#include "ownerfilesplatform.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString OwnerFiles::dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool OwnerFiles::makeFolderFor(const QString &file)
{
    const QString folder = QFileInfo(file).absolutePath();
    const bool existed = QFileInfo(folder).isDir();
    if (!existed && !QDir().mkpath(folder))
        return false;
    if (!existed || QDir(folder) == QDir(dataFolder()))
        setFolderOwnerOnly(folder);
    return true;
}

bool OwnerFiles::createFile(const QString &file)
{
    return createOwnerOnlyFile(file) || QFileInfo::exists(file);
}

void OwnerFiles::restrictFile(const QString &file)
{
    setFileOwnerOnly(file);
}
