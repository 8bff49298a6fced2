// SPDX-License-Identifier: MIT
#include "capturedecoding.h"

#include "framedecoder.h"

#include <algorithm>
#include <cstring>

CaptureDecoding decodeCapture(const QByteArray &capture)
{
    FrameDecoder decoder;
    decoder.reset();
    int offset = 0;
    const auto source = [&](unsigned char *buffer, int length) {
        const int count = std::min(length, capture.size() - offset);
        std::memcpy(buffer, capture.constData() + offset, size_t(count));
        offset += count;
        return count;
    };
    while (offset < capture.size())
        decoder.readFrames(source);
    decoder.readFrames(source); // the end of the capture is silence

    CaptureDecoding result;
    result.records = decoder.takeReceivedRecords();
    result.hasVersion = decoder.hasVersion();
    result.meterVersionMajor = decoder.meterVersionMajor();
    result.meterVersionMinor = decoder.meterVersionMinor();
    result.pendingBytes = decoder.pendingCount();
    return result;
}
