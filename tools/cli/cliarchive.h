// SPDX-License-Identifier: MIT
#ifndef LUMETRA_CLIARCHIVE_H
#define LUMETRA_CLIARCHIVE_H

#include "recordarchive.h"

#include <QString>

class QTextStream;

// Reads an archive for a command; false after one line on err that says why.
bool loadArchiveFor(const QString &path, RecordArchive::ReadResult &archive, QTextStream &err);

#endif
