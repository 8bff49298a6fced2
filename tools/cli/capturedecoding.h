// SPDX-License-Identifier: MIT
#ifndef LUMETRA_CAPTUREDECODING_H
#define LUMETRA_CAPTUREDECODING_H

#include "testrecord.h"

#include <QByteArray>
#include <QVector>
#include <cstdint>

struct CaptureDecoding
{
    QVector<TestRecord> records;
    bool hasVersion = false;
    int8_t meterVersionMajor = 0;
    int8_t meterVersionMinor = 0;
    int pendingBytes = 0; // bytes of an unfinished frame left at the end
};

// Decodes a captured byte stream exactly as the download thread would: the
// decoder is fed consecutive reads of 255 bytes, the last one shorter, and the
// end of the capture counts as the line going quiet.
CaptureDecoding decodeCapture(const QByteArray &capture);

#endif
