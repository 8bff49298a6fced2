// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDCSV_H
#define LUMETRA_RECORDCSV_H

#include "progressstep.h"
#include "recordcableid.h"
#include "reportheadertexts.h"
#include "testrecord.h"

#include <QString>
#include <QVector>

// CSV for spreadsheets, quoted as RFC 4180 has it: a header line, then one row
// per fiber: the record fields, the texts the report window shows, then the
// record's header texts, the note as plain text, then its job and cable ID
// (empty when it has none). A header text or an ID a spreadsheet
// would take for a formula gets a leading apostrophe. The window's export,
// lumetra-cli dump --csv and every other CSV of records come from
// recordListCsv, so they agree column for column.

QString csvField(const QString &text);

// headers[i] and cableIds[i] belong to records[i]; a record without an entry
// gets empty columns. Lines end in lineEnd. Null when progress asked to stop.
QString recordListCsv(const QVector<TestRecord> &records, const QVector<ReportHeaderTexts> &headers,
    const QString &lineEnd = QStringLiteral("\r\n"), const ProgressStep &progress = {},
    const QVector<RecordCableId> &cableIds = {});

// The CSV file: UTF-8 with a byte-order mark, so that spreadsheet programs
// read non-ASCII texts right, lines ended by CR LF, written through QSaveFile.
WriteOutcome writeRecordCsvFile(const QString &path, const QVector<TestRecord> &records,
    const QVector<ReportHeaderTexts> &headers, const ProgressStep &progress = {},
    QString *errorString = nullptr, const QVector<RecordCableId> &cableIds = {});

#endif
