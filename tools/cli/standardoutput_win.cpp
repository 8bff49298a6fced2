// SPDX-License-Identifier: MIT
#include "standardoutput.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

void useBinaryStandardOutput()
{
    _setmode(_fileno(stdout), _O_BINARY);
}
