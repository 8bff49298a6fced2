// SPDX-License-Identifier: MIT
#ifndef LUMETRA_OWNERFILESPLATFORM_H
#define LUMETRA_OWNERFILESPLATFORM_H

#include <QString>

// The modes themselves: one implementation per operating system, picked by
// the build.
namespace OwnerFiles {
bool createOwnerOnlyFile(const QString &file); // false when it exists or cannot be made
void setFileOwnerOnly(const QString &file);
void setFolderOwnerOnly(const QString &folder);
void restrictSettingsFile(const QString &file);
} // namespace OwnerFiles

#endif
