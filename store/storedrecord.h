// SPDX-License-Identifier: MIT
#ifndef LUMETRA_STOREDRECORD_H
#define LUMETRA_STOREDRECORD_H

#include "reportheadertexts.h"
#include "testrecord.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

// One record as the store keeps it: the record, its header texts, where and
// when it came from, and what the window that listed it last made of it.
struct StoredRecord
{
    TestRecord record;
    ReportHeaderTexts headers;
    // False for a writer that has no texts of its own (lumetra-cli): texts
    // already stored are then left as they are.
    bool textsKnown = true;
    // Texts a record arrived with (the screen's, an archive's): they are the
    // first version of a record new to the store and change nothing of one
    // already stored. Texts that are not an arrival are an edit.
    bool arrival = false;

    QString sourceKind; // "port" or "archive"
    QString source; // the port's name or the archive's path
    bool hasVersion = false; // the meter version of the batch, when it had one
    int8_t meterVersionMajor = 0;
    int8_t meterVersionMinor = 0;
    int meterVerdict = -1; // 0 supported, 1 not, -1 not from a port
    QString hostName;
    qint64 receivedAtMs = 0; // since 1970-01-01 UTC
    int batchPosition = 0; // its place in its batch or archive

    // The job a batch was received into: a record new to the store's jobs
    // takes its cable ID as it reaches the store, counting from
    // arrivalStartId (empty: the job's first). Empty: none.
    QString arrivalJob;
    QString arrivalStartId;

    QString lastArchive; // empty: never saved to one
    QString sessionId; // the window session that listed it last; empty for none
    bool unsaved = false; // listed by that session and not in an archive as it is now
    qint64 listPosition = 0; // its place in that session's list
    qint64 changedAtMs = 0; // when this version of it was made

    // The 117 bytes the meter sends for it: exactly the record, every float bit for bit.
    QByteArray frameBytes() const;
    // The same record, however it reached us, has the same key.
    QString key() const;
    static QString keyOf(const TestRecord &record);
};

// One version of a record's header texts: the store never overwrites one.
struct TextVersion
{
    int version = 0; // 1 for the first
    ReportHeaderTexts headers;
    qint64 madeAtMs = 0;
    QString hostName; // the machine it was made on
};

// The text the history's filter looks through: the header texts (the note as
// the CSV has it) and the record number in both forms, in lower case.
QString searchTextOf(const TestRecord &record, const ReportHeaderTexts &headers);

// A file time as milliseconds since 1970, or now when it is zero.
qint64 unixMsOf(FileTime time);

#endif
