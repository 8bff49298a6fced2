// SPDX-License-Identifier: MIT
// The frame decoder fed arbitrary bytes in reads whose sizes and failures the
// input chooses. Beside it runs the plainest possible model of the wire
// format: a byte queue cut into 117-byte frames from the front, two leftover
// bytes taken as the trailer once the line is quiet. After every step the
// decoder must agree with it.
#include "framedecoder.h"
#include "meterframe.h"
#include "fuzzcheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <memory>
#include <vector>

namespace {

struct Model
{
    std::deque<unsigned char> pending;
    bool versionSeen = false;
    int8_t major = 0;
    int8_t minor = 0;

    void quiet()
    {
        if (pending.size() == 2) {
            major = int8_t(pending[0]);
            minor = int8_t(pending[1]);
            versionSeen = true;
            pending.clear();
        }
    }
};

// Bytes the decoder takes from a read of this operation.
int reportedBytes(uint8_t operation, int reported)
{
    const int kind = operation % 8;
    return kind < 2 ? 0 : std::max(0, std::min(reported, int(FrameDecoder::readSize)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    uint64_t ticks = 0;
    // On the heap, so that AddressSanitizer guards both ends of its buffers.
    auto decoder
        = std::make_unique<FrameDecoder>([&ticks] { return FileTime::fromTicks(++ticks); });
    Model model;
    std::vector<unsigned char> chunk;
    int reported = 0; // what the source says it delivered
    const FrameDecoder::ByteSource source = [&](unsigned char *buffer, int length) {
        require(length == FrameDecoder::readSize, "reads ask for 255 bytes");
        require(chunk.size() <= size_t(length), "harness chunk fits the read");
        std::copy(chunk.begin(), chunk.end(), buffer);
        return reported;
    };

    while (input.remaining_bytes() > 0) {
        const uint8_t operation = input.ConsumeIntegral<uint8_t>();
        const int before = decoder->receivedRecords().size();
        const uint64_t ticksBefore = ticks;
        chunk.clear();
        switch (operation % 8) {
        case 0: { // the line has been quiet for a batch interval
            const int dropped = decoder->dropPartialFrame();
            model.quiet();
            require(dropped == int(model.pending.size()), "dropped bytes are the partial frame");
            model.pending.clear();
            break;
        }
        case 1: // the start of the download loop
            decoder->reset();
            model.pending.clear();
            break;
        case 2: // a failed read; the device says 0, a careless one -1
            reported = operation & 0x80 ? -1 : 0;
            require(decoder->readFrames(source) == 0, "a failed read reads nothing");
            model.quiet();
            break;
        case 3: { // a source that claims more than it was asked for
            chunk = input.ConsumeBytes<unsigned char>(FrameDecoder::readSize);
            chunk.resize(FrameDecoder::readSize, 0);
            reported = FrameDecoder::readSize + 1 + (operation >> 3);
            require(decoder->readFrames(source) == FrameDecoder::readSize, "claim clamped");
            model.pending.insert(model.pending.end(), chunk.begin(), chunk.end());
            break;
        }
        default: { // an ordinary read, empty when the input says so
            const int length = input.ConsumeIntegralInRange<int>(0, FrameDecoder::readSize);
            chunk = input.ConsumeBytes<unsigned char>(size_t(length));
            reported = int(chunk.size());
            require(decoder->readFrames(source) == reported, "read returns its byte count");
            if (chunk.empty())
                model.quiet();
            model.pending.insert(model.pending.end(), chunk.begin(), chunk.end());
            break;
        }
        }

        require(ticks == ticksBefore + (reportedBytes(operation, reported) > 0 ? 1 : 0),
            "the clock read once per read that brought bytes");
        if (ticks > 0)
            require(decoder->lastByteTime().ticks() == ticks, "last byte time from that read");

        // Every new record is the next 117 bytes of the model's queue,
        // stamped with the time of the read that completed it.
        const QVector<TestRecord> &records = decoder->receivedRecords();
        for (int i = before; i < records.size(); ++i) {
            require(
                model.pending.size() >= size_t(FrameDecoder::frameSize), "record from 117 bytes");
            unsigned char frame[FrameDecoder::frameSize];
            std::copy_n(model.pending.begin(), FrameDecoder::frameSize, frame);
            model.pending.erase(
                model.pending.begin(), model.pending.begin() + FrameDecoder::frameSize);
            const QByteArray encoded = encodeFrame(records.at(i));
            require(encoded.size() == FrameDecoder::frameSize
                    && std::memcmp(encoded.constData(), frame, sizeof frame) == 0,
                "record decoded from exactly its frame's bytes");
            require(records.at(i).arrivalTime.ticks() == ticks && ticks > ticksBefore,
                "record stamped by the read that completed it");
        }
        require(model.pending.size() < size_t(FrameDecoder::frameSize),
            "no whole frame left undecoded");
        require(decoder->pendingCount() == int(model.pending.size()), "pending count as the model");
        require(decoder->pendingCount() >= 0 && decoder->pendingCount() < FrameDecoder::frameSize,
            "pending count within 0..116");
        require(decoder->hasVersion() == model.versionSeen, "trailer seen as the model");
        if (model.versionSeen)
            require(decoder->meterVersionMajor() == model.major
                    && decoder->meterVersionMinor() == model.minor,
                "version from the last trailer");
        if (records.size() > 4096)
            decoder->takeReceivedRecords(); // as the thread hands batches over
    }
    return 0;
}
