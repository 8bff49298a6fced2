// SPDX-License-Identifier: MIT
#ifndef LUMETRA_FILESFOLDERPLATFORM_H
#define LUMETRA_FILESFOLDERPLATFORM_H

#include <QString>

// The operating system's own folders, which hold programs and the system and
// never a user's files. One implementation per operating system.

// folder is clean and absolute.
bool isSystemFolder(const QString &folder);
// Whether folder is parent or inside it, in the file system's letter case.
bool isSameOrInside(const QString &folder, const QString &parent);

#endif
