// SPDX-License-Identifier: MIT
#ifndef LUMETRA_JOBSTATUS_H
#define LUMETRA_JOBSTATUS_H

#include "jobfacts.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>
#include <cstdint>
#include <optional>

struct TestRecord;

// Where a job stands: each planned cable ID in list order with its tests, and
// the records of the job that have no ID (unplanned).
class JobStatus
{
    Q_DECLARE_TR_FUNCTIONS(JobStatus)

public:
    // An ID's result is its latest test's.
    enum class State { Untested, Pass, Fail, NoVerdict };

    struct Test
    {
        QString recordKey;
        uint16_t recordNumber = 0;
        qint64 receivedAtMs = 0;
        QString hostName;
        State verdict = State::NoVerdict; // Pass, Fail or NoVerdict
        std::optional<float> smallestMarginDb; // over the fibers with a margin
        QString smallestMarginText; // "---" without one
        int smallestMarginFiber = 0; // 1 to 12; 0 without a margin

        // A stored record's test, as the report's figures judge it.
        static Test of(const QString &key, const TestRecord &record, qint64 receivedAtMs,
            const QString &hostName);
    };

    struct CableIdRow
    {
        QString cableId;
        State state = State::Untested;
        bool retestMarked = false;
        Test latest; // when tested
        QVector<Test> earlier; // superseded by a retest, the first first

        int tests() const { return state == State::Untested ? 0 : 1 + int(earlier.size()); }
    };

    struct Counts
    {
        int planned = 0;
        int tested = 0;
        int passed = 0;
        int failed = 0;
        int noVerdict = 0;
        int untested = 0;
        int retested = 0; // IDs tested more than once
        int retestMarked = 0;
        int unplanned = 0;
    };

    JobFacts facts;
    QVector<CableIdRow> ids;
    QVector<Test> unplanned; // oldest first

    Counts counts() const;
    // "47 of 60 tested · 44 PASS · 3 FAIL · 13 untested", and what else there is.
    QString countsText() const;
    // "untested", "PASS", "FAIL", "no verdict"; the verdicts as the window shows them.
    static QString stateText(State state);
    // The same, untranslated, for scripts.
    static QString stateKey(State state);
};

#endif
