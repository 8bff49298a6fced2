// SPDX-License-Identifier: MIT
#include "ownerfilesplatform.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// open() applies the umask, which may take the owner's own rights or leave
// others theirs: the mode is set again afterwards, exactly.

bool OwnerFiles::createOwnerOnlyFile(const QString &file)
{
    const int fd = ::open(
        QFile::encodeName(file).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool restricted = ::fchmod(fd, 0600) == 0;
    ::close(fd);
    return restricted;
}

void OwnerFiles::setFileOwnerOnly(const QString &file)
{
    ::chmod(QFile::encodeName(file).constData(), 0600);
}

void OwnerFiles::setFolderOwnerOnly(const QString &folder)
{
    ::chmod(QFile::encodeName(folder).constData(), 0700);
}

// A file that exists keeps its mode through later writes of QSettings.
void OwnerFiles::restrictSettingsFile(const QString &file)
{
    if (!createOwnerOnlyFile(file))
        setFileOwnerOnly(file);
}
