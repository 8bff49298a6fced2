// SPDX-License-Identifier: MIT
#include "ownerfilesplatform.h"

#include <QFile>

// A user's profile folders are theirs alone already; a file made in a folder
// takes that folder's access list.

bool OwnerFiles::createOwnerOnlyFile(const QString &file)
{
    QFile made(file);
    return made.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

void OwnerFiles::setFileOwnerOnly(const QString &) { }

void OwnerFiles::setFolderOwnerOnly(const QString &) { }

// The settings live in the user's own part of the registry.
void OwnerFiles::restrictSettingsFile(const QString &) { }
