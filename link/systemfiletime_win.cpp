// SPDX-License-Identifier: MIT
#include "systemfiletime.h"

#include <windows.h>

FileTime currentFileTime()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return FileTime { now.dwLowDateTime, now.dwHighDateTime };
}
