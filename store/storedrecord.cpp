// SPDX-License-Identifier: MIT
#include "storedrecord.h"

#include "meterframe.h"
#include "recordtexts.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QRegularExpression>
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

namespace {
// What a person reads of the note: no head, no tags, the common entities.
QString plainTextOfHtml(QString html)
{
    static const QRegularExpression head(QStringLiteral("<head>.*</head>"),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    html.remove(head);
    html.replace(tag, QStringLiteral(" "));
    html.replace(QLatin1String("&lt;"), QLatin1String("<"));
    html.replace(QLatin1String("&gt;"), QLatin1String(">"));
    html.replace(QLatin1String("&quot;"), QLatin1String("\""));
    html.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    html.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return html.simplified();
}
} // namespace

QString searchTextOf(const TestRecord &record, const ReportHeaderTexts &headers)
{
    const QStringList parts
        = { QString::number(record.recordNumber), recordNumberText(record.recordNumber),
              headers.companyName, headers.operatorName, headers.testDevice, headers.testDate,
              headers.serialNumber, headers.exportTime, plainTextOfHtml(headers.noteHtml) };
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
