// SPDX-License-Identifier: MIT
#include "recordcsv.h"

#include "recordjson.h"
#include "recordtexts.h"
#include "testrecord.h"

#include <QStringList>

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvHeaderLine()
{
    return QStringLiteral("recordNumber,recordNumberText,thresholdCentiDb,thresholdText,"
                          "wavelengthNm,polarity,fiber,referenceDbm,powerDbm,channelByte,"
                          "powerText,lossText,verdictText\n");
}

static QString csvFloat(float value)
{
    QString text = jsonFloat(value);
    text.remove(QLatin1Char('"'));
    return text;
}

QString recordCsvRows(const TestRecord &record)
{
    const float threshold = float(thresholdDb(record));
    QString rows;
    for (int fiber = 0; fiber < TestRecord::channelCount; ++fiber) {
        const ChannelResult &channel = record.channels[fiber];
        const ChannelRowText row = formatChannelRow(channel.powerDbm, channel.referenceDbm,
            threshold, record.headerByte5, record.polarityCode, record.headerByte8);
        const QStringList fields = {
            QString::number(record.recordNumber),
            csvField(recordNumberText(record.recordNumber)),
            QString::number(record.thresholdCentiDb),
            csvField(thresholdText(thresholdDb(record))),
            QString::number(wavelengthNm(record.wavelengthCode)),
            csvField(polarityDisplayName(record.polarityCode)),
            QString::number(fiber + 1),
            csvFloat(channel.referenceDbm),
            csvFloat(channel.powerDbm),
            QString::number(channel.channelByte),
            csvField(row.powerText),
            csvField(row.lossText),
            csvField(row.verdictText),
        };
        rows += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return rows;
}

QString recordListCsv(const QVector<TestRecord> &records)
{
    QString text = csvHeaderLine();
    for (const TestRecord &record : records)
        text += recordCsvRows(record);
    return text;
}
