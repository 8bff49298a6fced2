// SPDX-License-Identifier: MIT
// The archive reader on arbitrary files. A second, independent walk over the
// bytes says what the file holds; the reader must deliver exactly that or
// reject the whole file. While it reads, the memory it holds is watched
// through the sanitizer's allocation hooks.
#include "fuzzcheck.h"
#include "recordarchive.h"

#include <QBuffer>
#include <QByteArray>
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
};

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
    whole = whole && walk.at == size;

    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    held = peak = 0;
    watching = true;
    RecordArchive::ReadResult result = RecordArchive::read(file);
    watching = false;
    // Qt's containers round their blocks up to twice what they hold, and a
    // text is held twice for a moment; a count or a length taken on trust
    // would claim far more.
    require(peak <= 3 * size + 4096, "memory held while reading within 3x the file size");

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
    }
    if (result.status != Status::Ok)
        require(result.records.isEmpty() && result.headers.isEmpty(), "nothing of a rejected file");
    return 0;
}
