// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDCSV_H
#define LUMETRA_RECORDCSV_H

#include <QString>
#include <QVector>

struct TestRecord;

// CSV for spreadsheets: a header line, then one row per fiber, record number first.
QString csvHeaderLine();
QString recordCsvRows(const TestRecord &record);
QString csvField(const QString &text);
QString recordListCsv(const QVector<TestRecord> &records); // header line and every row

#endif
