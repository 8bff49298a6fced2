// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDVERDICT_H
#define LUMETRA_RECORDVERDICT_H

#include <QString>
#include <QVector>
#include <Qt>
#include <optional>

struct TestRecord;

// A record's fiber verdicts at a glance, counted from the texts its fiber rows show.
struct RecordVerdict
{
    int passed = 0;
    int failed = 0;
    int unrated = 0; // "---"
    QVector<int> failingFibers; // 1 to 12

    // "FAIL" when a fiber fails, "PASS" when at least one passes and none
    // fails, "---" when no fiber has a verdict.
    QString text() const;
};

RecordVerdict recordVerdict(const TestRecord &record);

// "FAIL: fibers 4, 9", "FAIL: fiber 4", "PASS" or "No reading".
QString recordVerdictTip(const RecordVerdict &verdict);

// The colour a verdict text is shown in (PASS blue, FAIL red); none for "---".
std::optional<Qt::GlobalColor> verdictColor(const QString &verdictText);

#endif
