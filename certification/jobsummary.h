// SPDX-License-Identifier: MIT
#ifndef LUMETRA_JOBSUMMARY_H
#define LUMETRA_JOBSUMMARY_H

#include "jobrecords.h"
#include "recordfigures.h"
#include "suspectreading.h"

#include <QString>
#include <QVector>

// A job's verdict: PASS when every planned ID's latest test passes, FAIL
// when one fails, otherwise INCOMPLETE.
enum class JobVerdict { Pass, Fail, Incomplete };

// A test of the job with what the report says of it.
struct JobTestFigures
{
    JobTest test;
    RecordFigures figures;
    QVector<SuspectReading> suspect; // advice; the verdict stands
};

struct JobTrunkFigures
{
    QString cableId;
    bool retestMarked = false;
    QVector<JobTestFigures> tests; // the first first; empty when untested

    bool tested() const { return !tests.isEmpty(); }
    const JobTestFigures &latest() const { return tests.constLast(); }
    int earlierTests() const { return tested() ? tests.size() - 1 : 0; }
};

// What page 1 of a job's report says, and the rows of its tables.
struct JobSummary
{
    JobFacts facts;
    QVector<JobTrunkFigures> trunks; // in the job's order
    QVector<JobTestFigures> unplanned;

    qint64 firstTestMs = 0; // received; 0 when nothing was tested
    qint64 lastTestMs = 0;
    QStringList operators; // as the records' texts give them, once each
    QStringList testDevices; // with their serial numbers

    int planned = 0;
    int tested = 0;
    int passed = 0;
    int failed = 0;
    int noVerdict = 0;
    int untested = 0;
    int retested = 0;
    int suspectIds = 0;

    JobVerdict verdict = JobVerdict::Incomplete;
    // The smallest margin over the fibers of the planned IDs' latest tests.
    QString smallestMarginText; // "---" when none has one
    QString smallestMarginId;
    int smallestMarginFiber = 0; // 1 to 12

    QString verdictText() const; // "PASS", "FAIL", "INCOMPLETE"
    QString verdictBasis() const; // why, translated
};

JobSummary summarizeJob(const JobRecords &records);

// What the row of a cable ID notes: "retested ×1", a retest mark, its latest
// test's suspect readings.
QStringList trunkNotes(const JobTrunkFigures &trunk);

// A moment received, as the reports write it: local time, to the minute.
QString receivedText(qint64 ms);

#endif
