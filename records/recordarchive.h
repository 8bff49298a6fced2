// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDARCHIVE_H
#define LUMETRA_RECORDARCHIVE_H

#include "archivejob.h"
#include "progressstep.h"
#include "reportheadertexts.h"
#include "testrecord.h"

#include <QString>
#include <QVector>

class QIODevice;

// The .mrf archive: the text "Tavolin_MPO", a signed 32-bit record count, then
// per record its fields, twelve channel blocks and its seven header texts, all
// through QDataStream at its defaults (big-endian, Qt 5 strings, double
// powers). Files written by every earlier build must keep reading, so the
// layout never changes. Records with cable IDs may be followed by the part
// that carries their job (ArchiveJobPart); without one, not a byte differs.
//
// The reader trusts nothing: a negative or oversized count, a truncated or
// damaged entry, or bytes after the last entry that are not the job's part
// make the whole file invalid and nothing of it is delivered. A job's part
// that is damaged leaves the records without their IDs, and says so. It never allocates more than
// the file can hold, and refuses a file of gigabytes that claims more than a container can hold.
class RecordArchive
{
public:
    enum class ReadStatus {
        Ok,
        CannotOpen, // errorString: the system's text
        NotAnArchive, // the first text is not the magic
        Corrupt, // errorString: what is wrong, in English
        Cancelled, // progress asked to stop; nothing is delivered
    };

    struct ReadResult
    {
        ReadStatus status = ReadStatus::Ok;
        QString errorString;
        QVector<TestRecord> records;
        QVector<ReportHeaderTexts> headers;
        bool hasJob = false;
        ArchiveJob job;
        QString jobProblem; // a job's part that is there but cannot be read: why, in English
    };

    static QString magic();

    // Writes the whole archive to an open device, with the job's part when
    // given; false when a write failed or the lists differ in length.
    static bool write(QIODevice &device, const QVector<TestRecord> &records,
        const QVector<ReportHeaderTexts> &headers, const ArchiveJob *job = nullptr);

    // Writes through QSaveFile, so a failed save never replaces an existing
    // file; true only when every byte reached the disk.
    static bool save(const QString &path, const QVector<TestRecord> &records,
        const QVector<ReportHeaderTexts> &headers, QString *errorString = nullptr,
        const ArchiveJob *job = nullptr);

    // Reads a whole archive from a random-access device positioned at its
    // start. progress counts records.
    static ReadResult read(QIODevice &device, const ProgressStep &progress = {});
    static ReadResult load(const QString &path, const ProgressStep &progress = {});
};

#endif
