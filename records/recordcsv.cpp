// SPDX-License-Identifier: MIT
#include "recordcsv.h"

#include "noteplaintext.h"
#include "recordtexts.h"

#include <QSaveFile>
#include <QStringList>
#include <cmath>

namespace {

// Nine significant digits read a single-precision value back unchanged.
QString csvFloat(float value)
{
    if (std::isnan(value))
        return QStringLiteral("nan");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
    return QString::asprintf("%.9g", double(value));
}

QString headerLine()
{
    return QStringLiteral("recordNumber,recordNumberText,thresholdCentiDb,thresholdText,"
                          "wavelengthNm,polarity,fiber,referenceDbm,powerDbm,channelByte,"
                          "powerText,lossText,verdictText,companyName,operatorName,testDevice,"
                          "testDate,serialNumber,exportTime,note,job,cable_id");
}

// A spreadsheet runs a cell that begins like a formula; the apostrophe keeps
// a typed text a text. Only typed texts: a number's minus sign stays.
QString headerTextField(const QString &text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStarts.contains(text.front()))
        return csvField(QLatin1Char('\'') + text);
    return csvField(text);
}

QString recordRows(const TestRecord &record, const ReportHeaderTexts &texts,
    const RecordCableId &cableId, const QString &lineEnd)
{
    const float threshold = float(thresholdDb(record));
    QStringList headerFields;
    for (const QString &text : { texts.companyName, texts.operatorName, texts.testDevice,
             texts.testDate, texts.serialNumber, texts.exportTime, notePlainText(texts.noteHtml),
             cableId.job, cableId.cableId })
        headerFields << headerTextField(text);
    QString rows;
    for (int fiber = 0; fiber < TestRecord::channelCount; ++fiber) {
        const ChannelResult &channel = record.channels[size_t(fiber)];
        const ChannelRowText row = formatChannelRow(channel.powerDbm, channel.referenceDbm,
            threshold, record.headerByte5, record.polarityCode, record.headerByte8);
        const QStringList fields = QStringList {
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
        } + headerFields;
        rows += fields.join(QLatin1Char(',')) + lineEnd;
    }
    return rows;
}

} // namespace

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString recordListCsv(const QVector<TestRecord> &records, const QVector<ReportHeaderTexts> &headers,
    const QString &lineEnd, const ProgressStep &progress, const QVector<RecordCableId> &cableIds)
{
    QString text = headerLine() + lineEnd;
    for (int i = 0; i < records.size(); ++i) {
        if (progress && !progress(i, records.size()))
            return QString();
        text += recordRows(records.at(i), headers.value(i), cableIds.value(i), lineEnd);
    }
    if (progress && !progress(records.size(), records.size()))
        return QString();
    return text;
}

WriteOutcome writeRecordCsvFile(const QString &path, const QVector<TestRecord> &records,
    const QVector<ReportHeaderTexts> &headers, const ProgressStep &progress, QString *errorString,
    const QVector<RecordCableId> &cableIds)
{
    QSaveFile file(path);
    const auto failed = [&] {
        if (errorString)
            *errorString = file.errorString();
        file.cancelWriting();
        return WriteOutcome::Failed;
    };
    // Opened first, so that a folder nobody may write in is told before the work.
    if (!file.open(QIODevice::WriteOnly))
        return failed();
    const QString text
        = recordListCsv(records, headers, QStringLiteral("\r\n"), progress, cableIds);
    if (text.isNull()) {
        file.cancelWriting();
        return WriteOutcome::Cancelled;
    }
    const QByteArray bytes = QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit())
        return failed();
    return WriteOutcome::Written;
}
