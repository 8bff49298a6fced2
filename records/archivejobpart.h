// SPDX-License-Identifier: MIT
#ifndef LUMETRA_ARCHIVEJOBPART_H
#define LUMETRA_ARCHIVEJOBPART_H

#include "archivejob.h"

#include <QByteArray>
#include <QString>

class QDataStream;

// The part of an archive that carries its job, after the last record: the
// stream string marker(), a 32-bit version, the payload's length and its
// CRC-32, then the payload (docs/archive-format.md). A reader that follows
// the records' layout reads the count's records and stops before it.
class ArchiveJobPart
{
public:
    static constexpr quint32 version = 1;
    static constexpr int maxLogoBytes = 1024 * 1024;

    static QString marker();

    // The whole part, marker and all.
    static QByteArray encode(const ArchiveJob &job);

    // The job of a payload whose header said version and crc; false with what
    // is wrong, in English, when it is not one this build writes for
    // recordCount records.
    static bool decode(const QByteArray &payload, quint32 partVersion, quint32 crc, int recordCount,
        ArchiveJob *job, QString *problem);

    // CRC-32 as zlib and PNG compute it.
    static quint32 crc32(const QByteArray &bytes);
};

#endif
