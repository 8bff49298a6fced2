// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDVERDICT_H
#define LUMETRA_RECORDVERDICT_H

#include "verdict.h"

#include <QString>
#include <QVector>

struct TestRecord;

// A record's fiber verdicts at a glance, counted as its fiber rows show them.
struct RecordVerdict
{
    int passed = 0;
    int failed = 0;
    int unrated = 0; // "---"
    QVector<int> failingFibers; // 1 to 12

    // Fail when a fiber fails, Pass when at least one passes and none
    // fails, None when no fiber has a verdict.
    Verdict verdict() const;
    QString text() const { return verdictText(verdict()); }
};

RecordVerdict recordVerdict(const TestRecord &record);

// "FAIL: fibers 4, 9", "FAIL: fiber 4", "PASS" or "No reading".
QString recordVerdictTip(const RecordVerdict &verdict);

#endif
