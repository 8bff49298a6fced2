// SPDX-License-Identifier: MIT
#ifndef LUMETRA_FRAMEENCODER_H
#define LUMETRA_FRAMEENCODER_H

#include "testrecord.h"

#include <QByteArray>
#include <cstdint>

// The meter's side of the wire format, for the emulator and the tests.
QByteArray encodeFrame(const TestRecord &record);
QByteArray encodeVersionTrailer(int8_t major, int8_t minor);

#endif
