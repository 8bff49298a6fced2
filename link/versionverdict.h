// SPDX-License-Identifier: MIT
#ifndef LUMETRA_VERSIONVERDICT_H
#define LUMETRA_VERSIONVERDICT_H

#include <cstdint>

// 0 when the meter's protocol version is supported (2.1 or later), 1 otherwise.
// The bytes are signed: a major byte of 128 or more is an old meter, not a new one.
unsigned versionVerdict(int8_t major, int8_t minor);

#endif
