// SPDX-License-Identifier: MIT
#ifndef LUMETRA_ARCHIVEPROBE_H
#define LUMETRA_ARCHIVEPROBE_H

#include <QString>

// True when the file at path begins as a Lumetra record archive does,
// whatever its name: an output that must not be written over.
bool isLumetraArchive(const QString &path);

#endif
