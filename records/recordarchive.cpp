// SPDX-License-Identifier: MIT
#include "recordarchive.h"

#include "archivejobpart.h"

#include <QDataStream>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>

namespace {

constexpr quint32 nullStringMark = 0xFFFFFFFFu;
constexpr int headerTextCount = 7;
// Fixed fields, 12 channel blocks of 17 bytes, seven string lengths.
constexpr qint64 smallestEntrySize = 9 + TestRecord::channelCount * 17 + headerTextCount * 4;
// What one Qt container is asked to hold at most, well inside what it can
// allocate. Only a file of gigabytes can claim more, and such a claim is
// refused before anything is allocated rather than ending in a failed allocation.
constexpr qint64 containerLimit = qint64(1) << 30;

void writeEntry(QDataStream &out, const TestRecord &record, const ReportHeaderTexts &texts)
{
    out << qint16(record.recordNumber) << qint16(record.thresholdCentiDb)
        << qint8(record.headerByte4) << qint8(record.headerByte5) << qint8(record.wavelengthCode)
        << qint8(record.polarityCode) << qint8(record.headerByte8);
    for (const ChannelResult &channel : record.channels)
        out << double(channel.powerDbm) << double(channel.referenceDbm)
            << qint8(channel.channelByte);
    out << texts.companyName << texts.operatorName << texts.testDevice << texts.testDate
        << texts.serialNumber << texts.exportTime << texts.noteHtml;
}

qint64 bytesLeft(const QIODevice &device)
{
    return device.size() - device.pos();
}

// QDataStream's own string reader would trust the length; this one checks it
// against what the file still holds before it allocates anything.
bool readText(QDataStream &in, QIODevice &device, QString &text)
{
    quint32 byteCount = 0;
    in >> byteCount;
    if (in.status() != QDataStream::Ok)
        return false;
    if (byteCount == nullStringMark) {
        text = QString();
        return true;
    }
    if (byteCount % 2 != 0 || qint64(byteCount) > bytesLeft(device)
        || qint64(byteCount) > containerLimit)
        return false;
    QByteArray raw(int(byteCount), Qt::Uninitialized);
    if (in.readRawData(raw.data(), raw.size()) != raw.size())
        return false;
    text = QString(QLatin1String(""));
    text.resize(raw.size() / 2);
    for (int i = 0; i < text.size(); ++i)
        text[i] = QChar(qFromBigEndian<quint16>(raw.constData() + 2 * i));
    return true;
}

bool readEntry(QDataStream &in, QIODevice &device, TestRecord &record, ReportHeaderTexts &texts)
{
    qint16 number = 0, threshold = 0;
    qint8 byte4 = 0, byte5 = 0, wavelength = 0, polarity = 0, byte8 = 0;
    in >> number >> threshold >> byte4 >> byte5 >> wavelength >> polarity >> byte8;
    record.recordNumber = quint16(number);
    record.thresholdCentiDb = threshold;
    record.headerByte4 = quint8(byte4);
    record.headerByte5 = quint8(byte5);
    record.wavelengthCode = quint8(wavelength);
    record.polarityCode = quint8(polarity);
    record.headerByte8 = quint8(byte8);
    for (ChannelResult &channel : record.channels) {
        double power = 0, reference = 0;
        qint8 code = 0;
        in >> power >> reference >> code;
        channel.powerDbm = float(power);
        channel.referenceDbm = float(reference);
        channel.channelByte = quint8(code);
    }
    if (in.status() != QDataStream::Ok)
        return false;
    return readText(in, device, texts.companyName) && readText(in, device, texts.operatorName)
        && readText(in, device, texts.testDevice) && readText(in, device, texts.testDate)
        && readText(in, device, texts.serialNumber) && readText(in, device, texts.exportTime)
        && readText(in, device, texts.noteHtml);
}

RecordArchive::ReadResult failure(RecordArchive::ReadStatus status, const QString &why)
{
    RecordArchive::ReadResult result;
    result.status = status;
    result.errorString = why;
    return result;
}

// False when the bytes after the records do not begin with the job part's
// marker: the archive is damaged. A marked part that is damaged leaves the
// records as they are read, without IDs, and says why.
bool readJobPart(QDataStream &in, QIODevice &device, RecordArchive::ReadResult *result)
{
    const qint64 start = device.pos();
    QString marker;
    if (!readText(in, device, marker) || marker != ArchiveJobPart::marker()) {
        in.resetStatus();
        device.seek(start);
        return false;
    }
    quint32 version = 0, length = 0, crc = 0;
    in >> version >> length >> crc;
    QString problem;
    if (in.status() != QDataStream::Ok || qint64(length) > bytesLeft(device)) {
        problem = QStringLiteral("it is cut short");
    } else {
        const QByteArray payload = device.read(length);
        if (!device.atEnd())
            problem = QStringLiteral("bytes follow it");
        else if (ArchiveJobPart::decode(
                     payload, version, crc, result->records.size(), &result->job, &problem))
            result->hasJob = true;
    }
    if (!result->hasJob) {
        result->job = ArchiveJob();
        result->jobProblem = QStringLiteral("the archive's job cannot be read (%1); its records "
                                            "are read without their cable IDs")
                                 .arg(problem);
    }
    return true;
}

} // namespace

QString RecordArchive::magic()
{
    return QStringLiteral("Tavolin_MPO");
}

bool RecordArchive::write(QIODevice &device, const QVector<TestRecord> &records,
    const QVector<ReportHeaderTexts> &headers, const ArchiveJob *job)
{
    if (records.size() != headers.size() || (job && job->recordIds.size() != records.size()))
        return false;
    QDataStream out(&device);
    out << magic() << qint32(records.size());
    for (int i = 0; i < records.size() && out.status() == QDataStream::Ok; ++i)
        writeEntry(out, records.at(i), headers.at(i));
    if (job && out.status() == QDataStream::Ok) {
        const QByteArray part = ArchiveJobPart::encode(*job);
        out.writeRawData(part.constData(), part.size());
    }
    return out.status() == QDataStream::Ok;
}

bool RecordArchive::save(const QString &path, const QVector<TestRecord> &records,
    const QVector<ReportHeaderTexts> &headers, QString *errorString, const ArchiveJob *job)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    if (!write(file, records, headers, job)) {
        if (errorString)
            *errorString = file.error() != QFileDevice::NoError
                ? file.errorString()
                : QStringLiteral("the record, header and cable ID lists differ in length");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    return true;
}

RecordArchive::ReadResult RecordArchive::read(QIODevice &device, const ProgressStep &progress)
{
    QDataStream in(&device);
    QString firstText;
    if (!readText(in, device, firstText) || firstText != magic())
        return failure(ReadStatus::NotAnArchive, QStringLiteral("not a record archive"));

    qint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok)
        return failure(ReadStatus::Corrupt, QStringLiteral("the record count is missing"));
    if (count < 0)
        return failure(ReadStatus::Corrupt, QStringLiteral("negative record count %1").arg(count));
    if (count > bytesLeft(device) / smallestEntrySize)
        return failure(ReadStatus::Corrupt,
            QStringLiteral("record count %1 is more than the file holds").arg(count));
    if (qint64(count) * qint64(sizeof(TestRecord)) > containerLimit)
        return failure(ReadStatus::Corrupt,
            QStringLiteral("record count %1 is more than Lumetra can hold").arg(count));

    ReadResult result;
    result.records = QVector<TestRecord>(count); // exactly, where resize() would round up
    result.headers = QVector<ReportHeaderTexts>(count);
    for (int i = 0; i < count; ++i) {
        if (progress && !progress(i, count))
            return failure(ReadStatus::Cancelled, QString());
        if (!readEntry(in, device, result.records[i], result.headers[i]))
            return failure(ReadStatus::Corrupt,
                QStringLiteral("record %1 of %2 is truncated or damaged").arg(i + 1).arg(count));
    }
    if (!device.atEnd() && !readJobPart(in, device, &result))
        return failure(ReadStatus::Corrupt,
            QStringLiteral("%1 unexpected bytes after the last record").arg(bytesLeft(device)));
    return result;
}

RecordArchive::ReadResult RecordArchive::load(const QString &path, const ProgressStep &progress)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(ReadStatus::CannotOpen, file.errorString());
    return read(file, progress);
}
