// SPDX-License-Identifier: MIT
#include "versionverdict.h"

unsigned versionVerdict(int8_t major, int8_t minor)
{
    const bool supported = (major == 2 && minor > 0) || major > 2;
    return supported ? 0u : 1u;
}
