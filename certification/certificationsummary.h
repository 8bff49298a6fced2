// SPDX-License-Identifier: MIT
#ifndef LUMETRA_CERTIFICATIONSUMMARY_H
#define LUMETRA_CERTIFICATIONSUMMARY_H

#include "recordfigures.h"
#include "reportheadertexts.h"
#include "suspectreading.h"
#include "testrecord.h"

#include <QString>
#include <QVector>

// The first page of a certification report: what the job was and whether it passed.
struct CertificationSummary
{
    // The records' header texts where all records agree, "several" where they differ.
    QString companyName;
    QString operatorName;
    QString testDevice;
    QString serialNumber;
    // The earliest and latest export time, as the records carry them.
    QString firstExportTime;
    QString lastExportTime;

    int records = 0;
    int fibers = 0;
    int passed = 0;
    int failed = 0;
    int unrated = 0; // "---"
    int withoutReading = 0; // power "---"; their verdicts count above as the window shows them
    // Pass only when every fiber with a verdict passes; None when none has one.
    Verdict verdict = Verdict::None;

    // The record and fiber (1 to 12) with the smallest margin, over the fibers
    // with a reading and a verdict; fiber 0 when there is none.
    QString smallestMarginRecord;
    int smallestMarginFiber = 0;
    QString smallestMarginText;

    QVector<RecordFigures> figures; // per record, in list order
    QVector<QString> exportTimes; // per record
    QVector<QVector<SuspectReading>> suspects; // per record: advice, the verdicts stand
    QStringList suspectRecords; // the numbers of those with a flag
};

// headers[i] belongs to records[i].
CertificationSummary summarizeRecords(
    const QVector<TestRecord> &records, const QVector<ReportHeaderTexts> &headers);

#endif
