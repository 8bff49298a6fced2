// SPDX-License-Identifier: MIT
#include "exportplan.h"

#include "framedecoder.h"
#include "meterframe.h"

#include <QMap>
#include <QSet>

QByteArray ExportPlan::framesOf(const QVector<TestRecord> &records)
{
    QByteArray frames;
    frames.reserve(records.size() * FrameDecoder::frameSize);
    for (const TestRecord &record : records)
        frames += encodeFrame(record);
    return frames;
}

QByteArray ExportPlan::cleanStream() const
{
    return withTrailer ? payload + encodeVersionTrailer(versionMajor, versionMinor) : payload;
}

QString ExportPlan::checkOffsets() const
{
    const int size = cleanStream().size();
    for (const int offset : drops) {
        if (offset < 0 || offset >= size)
            return QStringLiteral("--drop-byte %1 is outside the %2-byte stream")
                .arg(offset)
                .arg(size);
    }
    for (const ByteInsertion &insertion : insertions) {
        if (insertion.offset < 0 || insertion.offset > size)
            return QStringLiteral("--insert-byte %1 is outside the %2-byte stream")
                .arg(insertion.offset)
                .arg(size);
    }
    for (const StreamHold &pause : pauses) {
        if (pause.offset < 0 || pause.offset > size)
            return QStringLiteral("--pause-at %1 is outside the %2-byte stream")
                .arg(pause.offset)
                .arg(size);
    }
    if (unplugAt > size)
        return QStringLiteral("--unplug-at %1 is outside the %2-byte stream")
            .arg(unplugAt)
            .arg(size);
    return QString();
}

ExportStream ExportPlan::build() const
{
    const QByteArray clean = cleanStream();
    const QSet<int> dropped(drops.cbegin(), drops.cend());

    QMap<int, int> holdAtClean;
    for (const StreamHold &pause : pauses)
        holdAtClean[pause.offset] += pause.milliseconds;
    if (frameGapMs > 0) {
        for (int offset = FrameDecoder::frameSize; offset < payload.size();
             offset += FrameDecoder::frameSize)
            holdAtClean[offset] += frameGapMs;
        if (withTrailer && !payload.isEmpty())
            holdAtClean[payload.size()] += frameGapMs;
    }

    ExportStream stream;
    stream.bytes.reserve(clean.size() + insertions.size());
    for (int offset = 0; offset <= clean.size(); ++offset) {
        const int hold = holdAtClean.value(offset);
        const int at = int(stream.bytes.size());
        if (offset == unplugAt)
            stream.cut = at;
        // Dropped bytes can bring two pauses onto one offset.
        if (hold > 0 && !stream.holds.isEmpty() && stream.holds.last().offset == at)
            stream.holds.last().milliseconds += hold;
        else if (hold > 0)
            stream.holds.append(StreamHold { at, hold });
        for (const ByteInsertion &insertion : insertions) {
            if (insertion.offset == offset)
                stream.bytes.append(char(insertion.value));
        }
        if (offset < clean.size() && !dropped.contains(offset))
            stream.bytes.append(clean.at(offset));
    }
    return stream;
}
