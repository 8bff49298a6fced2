#ifndef LUMETRA_EXPORTSTREAM_H
#define LUMETRA_EXPORTSTREAM_H

#include <QByteArray>
#include <QVector>
#include <cstdint>

// Wait this long before sending the byte at offset (offset == size: after the last).
struct StreamHold
{
    int offset = 0;
    int milliseconds = 0;
};

struct ByteInsertion
{
    int offset = 0;
    uint8_t value = 0;
};

// One export as it goes on the wire: the bytes, faults already applied, and the
// extra pauses in offsets of these bytes, ascending, one per offset.
struct ExportStream
{
    QByteArray bytes;
    QVector<StreamHold> holds;
};

#endif
