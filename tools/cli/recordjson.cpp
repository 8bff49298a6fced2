// SPDX-License-Identifier: MIT
#include "recordjson.h"

#include "archivejob.h"
#include "recordcableid.h"
#include "recordtexts.h"
#include "reportheadertexts.h"
#include "suspectreading.h"
#include "testrecord.h"
#include "versionverdict.h"

#include <QDateTime>
#include <QStringList>
#include <cmath>

QString jsonText(const QString &text)
{
    if (text.isNull())
        return QStringLiteral("null");
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

QString utcTimeText(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODateWithMs);
}

QString jsonFloat(float value)
{
    if (std::isnan(value))
        return QStringLiteral("\"nan\"");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("\"inf\"") : QStringLiteral("\"-inf\"");
    return QString::asprintf("%.9g", double(value));
}

static QString field(const char *name, const QString &value)
{
    return QStringLiteral("\"%1\":%2").arg(QLatin1String(name), value);
}

static QString field(const char *name, long long value)
{
    return field(name, QString::number(value));
}

QString headersJson(const ReportHeaderTexts &h)
{
    const QStringList fields = {
        field("companyName", jsonText(h.companyName)),
        field("operatorName", jsonText(h.operatorName)),
        field("testDevice", jsonText(h.testDevice)),
        field("testDate", jsonText(h.testDate)),
        field("serialNumber", jsonText(h.serialNumber)),
        field("exportTime", jsonText(h.exportTime)),
        field("noteHtml", jsonText(h.noteHtml)),
    };
    return QLatin1Char('{') + fields.join(QLatin1Char(',')) + QLatin1Char('}');
}

static QString suspectJson(const QVector<SuspectReading> &flags)
{
    QStringList items;
    for (const SuspectReading &flag : flags) {
        const bool negative = flag.kind == SuspectReading::Kind::NegativeLoss;
        items << QStringLiteral("{%1,%2,%3}")
                     .arg(field("kind", jsonText(flag.key())),
                         negative ? field("fiber", flag.fiber)
                                  : field("recordNumber", flag.otherRecordNumber),
                         field("text", jsonText(flag.text(false))));
    }
    return QLatin1Char('[') + items.join(QLatin1Char(',')) + QLatin1Char(']');
}

QString recordJson(const TestRecord &record, const ReportHeaderTexts *headers,
    const RecordCableId *cableId, const QVector<SuspectReading> *suspect)
{
    const float threshold = float(thresholdDb(record));
    QStringList channels;
    for (const ChannelResult &channel : record.channels) {
        const ChannelRowText row = formatChannelRow(channel.powerDbm, channel.referenceDbm,
            threshold, record.headerByte5, record.polarityCode, record.headerByte8);
        const QStringList fields = {
            field("referenceDbm", jsonFloat(channel.referenceDbm)),
            field("powerDbm", jsonFloat(channel.powerDbm)),
            field("channelByte", channel.channelByte),
            field("powerText", jsonText(row.powerText)),
            field("lossText", jsonText(row.lossText)),
            field("verdictText", jsonText(row.verdictText)),
        };
        channels << QLatin1Char('{') + fields.join(QLatin1Char(',')) + QLatin1Char('}');
    }
    QStringList fields = {
        field("recordNumber", record.recordNumber),
        field("thresholdCentiDb", record.thresholdCentiDb),
        field("headerByte4", record.headerByte4),
        field("headerByte5", record.headerByte5),
        field("wavelengthCode", record.wavelengthCode),
        field("polarityCode", record.polarityCode),
        field("headerByte8", record.headerByte8),
        field("recordNumberText", jsonText(recordNumberText(record.recordNumber))),
        field("thresholdText", jsonText(thresholdText(thresholdDb(record)))),
        field("wavelengthNm", wavelengthNm(record.wavelengthCode)),
        field("polarity", jsonText(polarityDisplayName(record.polarityCode))),
        field("channels", QLatin1Char('[') + channels.join(QLatin1Char(',')) + QLatin1Char(']')),
    };
    if (headers)
        fields << field("headers", headersJson(*headers));
    fields << field(
        "suspect", suspectJson(suspect ? *suspect : SuspectReading::negativeLosses(record)));
    const RecordCableId none;
    const RecordCableId &ids = cableId ? *cableId : none;
    fields << field("job", jsonText(ids.job.isEmpty() ? QString() : ids.job))
           << field("cableId", jsonText(ids.cableId.isEmpty() ? QString() : ids.cableId));
    return QLatin1Char('{') + fields.join(QLatin1Char(',')) + QLatin1Char('}');
}

QString recordListJson(const QVector<TestRecord> &records,
    const QVector<ReportHeaderTexts> *headers, const QVector<RecordCableId> *cableIds)
{
    QStringList items;
    const QVector<QVector<SuspectReading>> suspect = SuspectReading::ofGroup(records);
    for (int i = 0; i < records.size(); ++i)
        items << recordJson(records.at(i), headers ? &headers->at(i) : nullptr,
            cableIds && i < cableIds->size() ? &cableIds->at(i) : nullptr, &suspect.at(i));
    return QStringLiteral("{\"records\":[") + items.join(QLatin1Char(',')) + QLatin1Char(']');
}

QString versionJsonFields(bool hasVersion, int8_t major, int8_t minor)
{
    const unsigned verdict = versionVerdict(major, minor);
    const QString majorText = hasVersion ? QString::number(major) : QStringLiteral("null");
    const QString minorText = hasVersion ? QString::number(minor) : QStringLiteral("null");
    return QStringLiteral(",\"meterVersionMajor\":%1,\"meterVersionMinor\":%2,\"verdict\":%3,"
                          "\"supported\":%4")
        .arg(majorText, minorText, QString::number(verdict),
            verdict == 0 ? QStringLiteral("true") : QStringLiteral("false"));
}

QVector<RecordCableId> archiveCableIds(const ArchiveJob *job, int recordCount)
{
    QVector<RecordCableId> ids;
    if (!job)
        return ids;
    for (int i = 0; i < recordCount; ++i)
        ids.append({ job->facts.name, job->recordIds.value(i) });
    return ids;
}
