// SPDX-License-Identifier: MIT
#ifndef LUMETRA_OWNERFILES_H
#define LUMETRA_OWNERFILES_H

#include <QString>

// The records are a customer's data: the files Lumetra makes for them are
// for the user's eyes only, whatever the umask. Where the system gives every
// user a private profile of their own (Windows), these leave the modes alone.
namespace OwnerFiles {

// Makes the folder that will hold file. Lumetra's own data folder is made
// owner-only even when it exists; a folder Lumetra makes for a file the user
// named is owner-only too, and one that exists keeps its mode.
bool makeFolderFor(const QString &file);

// An empty file only its owner may read and write, unless file exists: an
// existing file keeps its mode. False when it could not be made.
bool createFile(const QString &file);

// Makes an existing file owner-only (read and write).
void restrictFile(const QString &file);

// The settings file, when settings are kept in a file: owner-only, made so
// before the first write when its folder exists. Called before writing the
// settings and again once they are written.
void restrictSettingsFile(const QString &file);

// The one folder that is Lumetra's alone: where the default records store and
// the waiting files of a server live.
QString dataFolder();

} // namespace OwnerFiles

#endif
