// SPDX-License-Identifier: MIT
#include "jobstatus.h"

#include "recordtexts.h"
#include "recordverdict.h"
#include "testrecord.h"

#include <QStringList>

JobStatus::Test JobStatus::Test::of(
    const QString &key, const TestRecord &record, qint64 receivedAtMs, const QString &hostName)
{
    Test test;
    test.recordKey = key;
    test.recordNumber = record.recordNumber;
    test.receivedAtMs = receivedAtMs;
    test.hostName = hostName;
    const Verdict verdict = recordVerdict(record).verdict();
    test.verdict = verdict == Verdict::Pass ? State::Pass
        : verdict == Verdict::Fail          ? State::Fail
                                            : State::NoVerdict;
    const float threshold = float(thresholdDb(record));
    for (int fiber = 0; fiber < TestRecord::channelCount; ++fiber) {
        const ChannelResult &c = record.channels[size_t(fiber)];
        const std::optional<float> margin = marginDb(c.powerDbm, c.referenceDbm, threshold,
            record.headerByte5, record.polarityCode, record.headerByte8);
        if (margin && (!test.smallestMarginDb || *margin < *test.smallestMarginDb)) {
            test.smallestMarginDb = margin;
            test.smallestMarginFiber = fiber + 1;
            test.smallestMarginText = marginText(c.powerDbm, c.referenceDbm, threshold,
                record.headerByte5, record.polarityCode, record.headerByte8);
        }
    }
    if (!test.smallestMarginDb)
        test.smallestMarginText = QStringLiteral("---");
    return test;
}

JobStatus::Counts JobStatus::counts() const
{
    Counts counts;
    counts.planned = ids.size();
    counts.unplanned = unplanned.size();
    for (const CableIdRow &row : ids) {
        counts.retestMarked += row.retestMarked ? 1 : 0;
        counts.retested += row.earlier.isEmpty() ? 0 : 1;
        switch (row.state) {
        case State::Untested:
            ++counts.untested;
            continue;
        case State::Pass:
            ++counts.passed;
            break;
        case State::Fail:
            ++counts.failed;
            break;
        case State::NoVerdict:
            ++counts.noVerdict;
            break;
        }
        ++counts.tested;
    }
    return counts;
}

QString JobStatus::countsText() const
{
    const Counts n = counts();
    QStringList parts = { tr("%1 of %n tested", nullptr, n.planned).arg(n.tested),
        tr("%n PASS", nullptr, n.passed), tr("%n FAIL", nullptr, n.failed),
        tr("%n untested", nullptr, n.untested) };
    if (n.noVerdict > 0)
        parts << tr("%n without a verdict", nullptr, n.noVerdict);
    if (n.retestMarked > 0)
        parts << tr("%n marked for a retest", nullptr, n.retestMarked);
    if (n.unplanned > 0)
        parts << tr("%n unplanned", nullptr, n.unplanned);
    return parts.join(QStringLiteral(" \u00B7 "));
}

QString JobStatus::stateText(State state)
{
    // PASS and FAIL stay as the window and the reports show them.
    if (state == State::Untested)
        return tr("untested");
    return state == State::NoVerdict ? tr("no verdict") : stateKey(state);
}

QString JobStatus::stateKey(State state)
{
    switch (state) {
    case State::Untested:
        return QStringLiteral("untested");
    case State::Pass:
        return QStringLiteral("PASS");
    case State::Fail:
        return QStringLiteral("FAIL");
    case State::NoVerdict:
        break;
    }
    return QStringLiteral("no verdict");
}
