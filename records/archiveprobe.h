// SPDX-License-Identifier: MIT
#ifndef LUMETRA_ARCHIVEPROBE_H
#define LUMETRA_ARCHIVEPROBE_H

#include <QString>

// True when path is a file that begins as a record archive does, whatever its
// name: what a command must not overwrite with its output.
bool isLumetraArchive(const QString &path);

#endif
