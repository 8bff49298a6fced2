// SPDX-License-Identifier: MIT
#ifndef LUMETRA_JOBWORKBOOK_H
#define LUMETRA_JOBWORKBOOK_H

#include "jobsummary.h"
#include "progressstep.h"

#include <QString>
#include <QVector>

// A job's figures for a spreadsheet: a sheet of trunks, the table of cable
// IDs with each record's header texts, and a sheet of fibers, a row for each
// fiber of each latest test. Numbers are number cells holding what the
// report shows, dates date cells, texts text cells and never formulas.
class JobWorkbook
{
public:
    // The most characters a cell holds.
    static constexpr int cellLimit = 32767;

    // A header text longer than a cell holds, cut there.
    struct CutText
    {
        QString cableId; // empty for an unplanned record
        QString recordNumber;
        const char *field; // its label, untranslated ("Company")
    };

    explicit JobWorkbook(const JobSummary &summary);

    // Through a temporary file and QSaveFile: nothing half-written, and an
    // earlier file of that name as it was. progress counts rows.
    WriteOutcome write(const QString &path, const ProgressStep &progress = {},
        QString *errorString = nullptr, QVector<CutText> *cut = nullptr) const;

private:
    const JobSummary &summary;
};

#endif
