// SPDX-License-Identifier: MIT
#ifndef LUMETRA_METERFRAME_H
#define LUMETRA_METERFRAME_H

#include "testrecord.h"

#include <QByteArray>
#include <cstdint>

// One record as the meter sends it: 117 big-endian bytes, no start mark, no
// checksum; an export ends with a 2-byte version trailer. The link cuts the
// stream into frames; the store keeps each record as its frame.
constexpr int meterFrameSize = 117;
constexpr int meterTrailerSize = 2;

QByteArray encodeFrame(const TestRecord &record);
// frame holds meterFrameSize bytes. The arrival time stays zero.
TestRecord decodeFrame(const unsigned char *frame);
QByteArray encodeVersionTrailer(int8_t major, int8_t minor);

#endif
