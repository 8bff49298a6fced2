// SPDX-License-Identifier: MIT
// Records and header texts built from the input, and sometimes a job with
// their cable IDs, written as an archive and read back: every field, every
// text and the job must come back as they went in.
#include "cableidlist.h"
#include "fuzzcheck.h"
#include "recordarchive.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QBuffer>
#include <cstring>

namespace {

float anyFloat(FuzzedDataProvider &input)
{
    const uint32_t bits = input.ConsumeIntegral<uint32_t>();
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Null, empty, or any UTF-16 code units, unpaired surrogates included.
QString anyText(FuzzedDataProvider &input)
{
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return QString();
    case 1:
        return QString(QLatin1String(""));
    default: {
        QString text(QLatin1String(""));
        const int length = input.ConsumeIntegralInRange(1, 300);
        for (int i = 0; i < length && input.remaining_bytes() > 0; ++i)
            text.append(QChar(input.ConsumeIntegral<uint16_t>()));
        return text;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    QVector<TestRecord> records;
    QVector<ReportHeaderTexts> headers;
    const int count = input.ConsumeIntegralInRange(0, 64);
    for (int i = 0; i < count; ++i) {
        TestRecord record;
        record.recordNumber = input.ConsumeIntegral<uint16_t>();
        record.thresholdCentiDb = input.ConsumeIntegral<int16_t>();
        record.headerByte4 = input.ConsumeIntegral<uint8_t>();
        record.headerByte5 = input.ConsumeIntegral<uint8_t>();
        record.wavelengthCode = input.ConsumeIntegral<uint8_t>();
        record.polarityCode = input.ConsumeIntegral<uint8_t>();
        record.headerByte8 = input.ConsumeIntegral<uint8_t>();
        for (ChannelResult &channel : record.channels) {
            channel.powerDbm = anyFloat(input);
            channel.referenceDbm = anyFloat(input);
            channel.channelByte = input.ConsumeIntegral<uint8_t>();
        }
        ReportHeaderTexts texts;
        for (QString *text : { &texts.companyName, &texts.operatorName, &texts.testDevice,
                 &texts.testDate, &texts.serialNumber, &texts.exportTime, &texts.noteHtml })
            *text = anyText(input);
        records.append(record);
        headers.append(texts);
    }

    // A job whose IDs are the texts the input makes of them that are IDs.
    ArchiveJob job;
    const bool withJob = input.ConsumeBool();
    if (withJob) {
        job.facts.name = QStringLiteral("J") + anyText(input);
        job.facts.note = anyText(input);
        QStringList texts;
        for (int i = input.ConsumeIntegralInRange(0, 20); i > 0; --i)
            texts << anyText(input);
        for (const QString &text : texts) {
            const QString id = CableIdList::normalized(text);
            if (CableIdList::problemOf(id).isEmpty() && !job.cableIds.contains(id))
                job.cableIds << id;
        }
        for (int i = 0; i < count; ++i)
            job.recordIds << (job.cableIds.isEmpty() || input.ConsumeBool()
                    ? QString()
                    : job.cableIds.at(
                        input.ConsumeIntegralInRange(0, int(job.cableIds.size()) - 1)));
        if (input.ConsumeBool()) {
            job.facts.logoFormat = QStringLiteral("jpeg");
            job.facts.logo = QByteArray::fromStdString(input.ConsumeBytesAsString(64)) + "x";
        }
    }

    QBuffer file;
    file.open(QIODevice::ReadWrite);
    require(RecordArchive::write(file, records, headers, withJob ? &job : nullptr), "written");
    file.seek(0);
    const RecordArchive::ReadResult result = RecordArchive::read(file);
    require(result.status == RecordArchive::ReadStatus::Ok, "read back");
    require(result.records.size() == count && result.headers.size() == count, "every record");
    for (int i = 0; i < count; ++i) {
        require(sameRecord(result.records.at(i), records.at(i)), "every field as written");
        require(result.headers.at(i) == headers.at(i), "every text as written, null or empty");
    }
    require(result.hasJob == withJob && result.jobProblem.isEmpty(), "the job read back");
    require(!withJob || result.job == job, "the job as written");
    return 0;
}
