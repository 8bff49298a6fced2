// SPDX-License-Identifier: MIT
#include "verdict.h"

QString verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Pass:
        return QStringLiteral("PASS");
    case Verdict::Fail:
        return QStringLiteral("FAIL");
    case Verdict::None:
        break;
    }
    return QStringLiteral("---");
}

Verdict verdictOfText(const QString &text)
{
    for (const Verdict verdict : { Verdict::Pass, Verdict::Fail }) {
        if (text == verdictText(verdict))
            return verdict;
    }
    return Verdict::None;
}

std::optional<Qt::GlobalColor> verdictColor(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Pass:
        return Qt::blue;
    case Verdict::Fail:
        return Qt::red;
    case Verdict::None:
        break;
    }
    return std::nullopt;
}
