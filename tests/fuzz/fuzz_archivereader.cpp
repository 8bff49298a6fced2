// SPDX-License-Identifier: MIT
// The archive reader on arbitrary files. A second, independent walk over the
// bytes says what the file holds, the job's part after the records included;
// the reader must deliver exactly that or reject the whole file. While it
// reads, the memory it holds is watched through the sanitizer's allocation
// hooks.
#include "archivejobpart.h"
#include "cableidlist.h"
#include "fuzzcheck.h"
#include "recordarchive.h"

#include <QBuffer>
#include <QByteArray>
#include <QSet>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <sanitizer/allocator_interface.h>

namespace {

// Bytes held by live allocations while watching, and their peak.
bool watching = false;
size_t held = 0;
size_t peak = 0;

void onAllocate(const volatile void *, size_t size)
{
    if (!watching)
        return;
    held += size;
    peak = std::max(peak, held);
}

void onFree(const volatile void *pointer)
{
    if (watching && pointer) {
        const size_t size = __sanitizer_get_allocated_size(const_cast<const void *>(pointer));
        held = size > held ? 0 : held - size;
    }
}

const bool hooksInstalled = __sanitizer_install_malloc_and_free_hooks(onAllocate, onFree) != 0;

// The layout read by hand, one field at a time; false at the first field the
// bytes cannot hold.
struct Walk
{
    const uint8_t *data;
    size_t size;
    size_t at = 0;

    bool take(size_t count, const uint8_t **field)
    {
        if (size - at < count)
            return false;
        *field = data + at;
        at += count;
        return true;
    }
    bool u32(quint32 *value)
    {
        const uint8_t *field;
        if (!take(4, &field))
            return false;
        *value = qFromBigEndian<quint32>(field);
        return true;
    }
    bool text(QString *value)
    {
        quint32 length;
        const uint8_t *field;
        if (!u32(&length))
            return false;
        if (length == 0xFFFFFFFFu) {
            *value = QString();
            return true;
        }
        if (length % 2 != 0 || !take(length, &field))
            return false;
        *value = QString(QLatin1String(""));
        for (quint32 i = 0; i < length; i += 2)
            value->append(QChar(qFromBigEndian<quint16>(field + i)));
        return true;
    }
    bool record(TestRecord *record, ReportHeaderTexts *texts)
    {
        const uint8_t *fixed;
        if (!take(9 + TestRecord::channelCount * 17, &fixed))
            return false;
        record->recordNumber = qFromBigEndian<quint16>(fixed);
        record->thresholdCentiDb = qFromBigEndian<qint16>(fixed + 2);
        record->headerByte4 = fixed[4];
        record->headerByte5 = fixed[5];
        record->wavelengthCode = fixed[6];
        record->polarityCode = fixed[7];
        record->headerByte8 = fixed[8];
        for (int k = 0; k < TestRecord::channelCount; ++k) {
            const uint8_t *block = fixed + 9 + 17 * k;
            double power, reference;
            const quint64 powerBits = qFromBigEndian<quint64>(block);
            const quint64 referenceBits = qFromBigEndian<quint64>(block + 8);
            std::memcpy(&power, &powerBits, 8);
            std::memcpy(&reference, &referenceBits, 8);
            record->channels[k] = ChannelResult { float(reference), float(power), block[16] };
        }
        return text(&texts->companyName) && text(&texts->operatorName) && text(&texts->testDevice)
            && text(&texts->testDate) && text(&texts->serialNumber) && text(&texts->exportTime)
            && text(&texts->noteHtml);
    }
    bool bytes(QByteArray *value)
    {
        quint32 length;
        const uint8_t *field;
        if (!u32(&length))
            return false;
        if (length == 0xFFFFFFFFu) {
            *value = QByteArray();
            return true;
        }
        if (!take(length, &field))
            return false;
        *value = QByteArray(reinterpret_cast<const char *>(field), int(length));
        return true;
    }
};

bool isCableId(const QString &id)
{
    return CableIdList::normalized(id) == id && CableIdList::problemOf(id).isEmpty();
}

// The payload of a job's part, by the rules of docs/archive-format.md.
bool walkJob(Walk &in, quint32 recordCount, ArchiveJob *job)
{
    JobFacts &f = job->facts;
    quint32 count;
    if (!in.text(&f.name) || !in.text(&f.customer) || !in.text(&f.site) || !in.text(&f.contractor)
        || !in.text(&f.note) || f.name.trimmed().isEmpty() || !in.u32(&count) || count > 100000)
        return false;
    QSet<QString> ids;
    for (quint32 i = 0; i < count; ++i) {
        QString id;
        if (!in.text(&id) || !isCableId(id) || ids.contains(id))
            return false;
        ids.insert(id);
        job->cableIds << id;
    }
    if (!in.u32(&count) || count != recordCount)
        return false;
    for (quint32 i = 0; i < count; ++i) {
        QString id;
        if (!in.text(&id) || (!id.isNull() && !ids.contains(id)))
            return false;
        job->recordIds << id;
    }
    return in.text(&f.logoFormat) && in.bytes(&f.logo) && f.logo.size() <= 1024 * 1024
        && f.logo.isEmpty() == f.logoFormat.isNull()
        && (f.logoFormat.isNull() || f.logoFormat == QLatin1String("png")
            || f.logoFormat == QLatin1String("jpeg"))
        && in.at == in.size;
}

// What follows the records: nothing, a job's part (whole or damaged), or
// bytes that make the archive damaged.
enum class After { Nothing, Job, DamagedJob, Garbage };

After walkAfter(Walk &walk, quint32 recordCount, ArchiveJob *job)
{
    if (walk.at == walk.size)
        return After::Nothing;
    QString marker;
    if (!walk.text(&marker) || marker != ArchiveJobPart::marker())
        return After::Garbage;
    quint32 version, length, crc;
    const uint8_t *payload;
    if (!walk.u32(&version) || !walk.u32(&length) || !walk.u32(&crc) || !walk.take(length, &payload)
        || walk.at != walk.size || version != 1
        || ArchiveJobPart::crc32(QByteArray(reinterpret_cast<const char *>(payload), int(length)))
            != crc)
        return After::DamagedJob;
    Walk inside { payload, length };
    return walkJob(inside, recordCount, job) ? After::Job : After::DamagedJob;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    require(hooksInstalled, "allocation hooks installed");
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));

    // What the file holds, if it is an archive at all.
    Walk walk { data, size };
    QString magic;
    quint32 count = 0;
    const bool magicMatches = walk.text(&magic) && magic == RecordArchive::magic();
    bool whole = magicMatches && walk.u32(&count) && qint32(count) >= 0;
    QVector<TestRecord> records;
    QVector<ReportHeaderTexts> headers;
    for (quint32 i = 0; whole && i < count; ++i) {
        TestRecord record;
        ReportHeaderTexts texts;
        whole = walk.record(&record, &texts);
        records.append(record);
        headers.append(texts);
    }
    ArchiveJob job;
    const size_t recordsEnd = walk.at;
    const After after = whole ? walkAfter(walk, count, &job) : After::Garbage;
    whole = whole && after != After::Garbage;

    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    held = peak = 0;
    watching = true;
    RecordArchive::ReadResult result = RecordArchive::read(file);
    watching = false;
    // Qt's containers round their blocks up to twice what they hold, and a
    // text is held twice for a moment; a count or a length taken on trust
    // would claim far more. A job's cable IDs cost more than their bytes (a
    // string, a list entry and a set entry each, of six bytes at least in the
    // file), and at most 100,000 of them are read.
    const size_t jobBytes
        = after == After::Job || after == After::DamagedJob ? size - recordsEnd : 0;
    require(
        peak <= 3 * size + 4096 + 40 * jobBytes, "memory held while reading bounded by the file");

    using Status = RecordArchive::ReadStatus;
    if (!magicMatches) {
        require(result.status == Status::NotAnArchive, "a file without the magic is no archive");
    } else if (!whole) {
        require(result.status == Status::Corrupt, "a damaged archive is rejected");
    } else {
        require(result.status == Status::Ok, "a whole archive is read");
        require(result.records.size() == records.size() && result.headers.size() == headers.size(),
            "every record the file holds");
        for (int i = 0; i < records.size(); ++i) {
            require(
                sameRecord(result.records.at(i), records.at(i)), "fields as the file holds them");
            require(result.headers.at(i) == headers.at(i), "texts as the file holds them");
        }
        require(result.hasJob == (after == After::Job), "a job exactly when its part is whole");
        require(result.jobProblem.isEmpty() == (after != After::DamagedJob),
            "a damaged job's part is told");
        require(!result.hasJob || result.job == job, "the job as the file holds it");
    }
    if (result.status != Status::Ok)
        require(result.records.isEmpty() && result.headers.isEmpty(), "nothing of a rejected file");
    return 0;
}
