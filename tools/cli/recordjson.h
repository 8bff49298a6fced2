// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDJSON_H
#define LUMETRA_RECORDJSON_H

#include <QString>
#include <QVector>
#include <cstdint>

struct ArchiveJob;
struct RecordCableId;
struct ReportHeaderTexts;
struct SuspectReading;
struct TestRecord;

// JSON for scripts. Powers carry 9 significant digits so that a single-precision
// value reads back unchanged; a value that is not finite is the string "nan",
// "inf" or "-inf".
QString jsonText(const QString &text); // a null text is JSON null
QString jsonFloat(float value);
// ISO 8601 in UTC with milliseconds, as "receivedAt" and "madeAt" are.
QString utcTimeText(qint64 ms);
// Has "suspect", the record's suspect readings (empty without), and ends in
// "job" and "cableId", null without cableId.
QString recordJson(const TestRecord &record, const ReportHeaderTexts *headers = nullptr,
    const RecordCableId *cableId = nullptr, const QVector<SuspectReading> *suspect = nullptr);
QString headersJson(const ReportHeaderTexts &headers); // {"companyName":...}

// {"records":[...]} without its closing brace, so callers can add fields;
// the same readings are looked for among the records listed.
QString recordListJson(const QVector<TestRecord> &records,
    const QVector<ReportHeaderTexts> *headers = nullptr,
    const QVector<RecordCableId> *cableIds = nullptr);
// The job and IDs of an archive's records, as CSV and JSON show them; none without a job.
QVector<RecordCableId> archiveCableIds(const ArchiveJob *job, int recordCount);

// The version fields that follow the records of a decoded stream:
// ,"meterVersionMajor":..,"meterVersionMinor":.. (null without a
// trailer),"verdict":..,"supported":..
QString versionJsonFields(bool hasVersion, int8_t major, int8_t minor);

#endif
