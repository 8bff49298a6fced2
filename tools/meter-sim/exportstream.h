// SPDX-License-Identifier: MIT
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

// One export as it goes on the wire: the bytes, faults already applied, the
// extra pauses in offsets of these bytes, ascending, one per offset, and
// where the port goes away, if it does.
struct ExportStream
{
    QByteArray bytes;
    QVector<StreamHold> holds;
    int cut = -1; // where the port goes away, in offsets of these bytes; -1 never

    // What goes out before offset: the bytes and the pauses before them.
    ExportStream upTo(int offset) const
    {
        ExportStream head;
        head.bytes = bytes.left(offset);
        for (const StreamHold &hold : holds) {
            if (hold.offset < offset)
                head.holds.append(hold);
        }
        return head;
    }
};

#endif
