// SPDX-License-Identifier: MIT
#ifndef LUMETRA_SYSTEMFILETIME_H
#define LUMETRA_SYSTEMFILETIME_H

#include "filetime.h"

// The current system time (UTC) as a file time. One implementation per
// operating system, picked by the build.
FileTime currentFileTime();

#endif
