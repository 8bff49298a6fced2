// SPDX-License-Identifier: MIT
#include "storedrecord.h"

#include "meterframe.h"
#include "noteplaintext.h"
#include "recordtexts.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QStringList>

QByteArray StoredRecord::frameBytes() const
{
    return encodeFrame(record);
}

QString StoredRecord::key() const
{
    return keyOf(record);
}

QString StoredRecord::keyOf(const TestRecord &record)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(encodeFrame(record), QCryptographicHash::Sha256).toHex());
}

QString searchTextOf(const TestRecord &record, const ReportHeaderTexts &headers)
{
    const QStringList parts
        = { QString::number(record.recordNumber), recordNumberText(record.recordNumber),
              headers.companyName, headers.operatorName, headers.testDevice, headers.testDate,
              headers.serialNumber, headers.exportTime, notePlainText(headers.noteHtml) };
    return parts.join(QLatin1Char('\n')).toLower();
}

qint64 unixMsOf(FileTime time)
{
    // 1601-01-01 to 1970-01-01 in 100 ns ticks.
    constexpr uint64_t epochTicks = 116444736000000000ULL;
    if (time.ticks() <= epochTicks)
        return QDateTime::currentMSecsSinceEpoch();
    return qint64((time.ticks() - epochTicks) / 10000);
}
