// SPDX-License-Identifier: MIT
#ifndef LUMETRA_SAFEFILENAME_H
#define LUMETRA_SAFEFILENAME_H

#include <QString>

// A name, such as a job's, made fit to be a file's on Windows and Linux: the
// characters Windows forbids and control characters become "_", and so does
// a name that Windows keeps for a device (CON, NUL, COM1, ...).
QString safeFileName(const QString &name);

#endif
