// SPDX-License-Identifier: MIT
#ifndef LUMETRA_JOBRECORDS_H
#define LUMETRA_JOBRECORDS_H

#include "jobfacts.h"
#include "reportheadertexts.h"
#include "testrecord.h"

#include <QString>
#include <QVector>

// A job with its records, as its report and workbook show it.
struct JobTest
{
    QString key;
    TestRecord record;
    ReportHeaderTexts headers;
    qint64 receivedAtMs = 0; // since 1970-01-01 UTC
};

struct JobTrunk
{
    QString cableId;
    bool retestMarked = false;
    QVector<JobTest> tests; // the first first: the last is its result; none when untested
};

struct JobRecords
{
    JobFacts facts;
    QVector<JobTrunk> trunks; // in the job's order
    QVector<JobTest> unplanned; // oldest first
};

#endif
