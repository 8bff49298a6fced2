// SPDX-License-Identifier: MIT
#ifndef LUMETRA_VERDICT_H
#define LUMETRA_VERDICT_H

#include <QString>
#include <Qt>
#include <optional>

// A fiber's verdict, or a record's over its fibers. None: no verdict at all.
enum class Verdict { Pass, Fail, None };

// "PASS", "FAIL" or "---": what the window, the reports and the store show.
QString verdictText(Verdict verdict);
// The verdict a shown or stored text stands for; None for any other text.
Verdict verdictOfText(const QString &text);

// The colour a verdict is shown in (PASS blue, FAIL red); none for no verdict.
std::optional<Qt::GlobalColor> verdictColor(Verdict verdict);

#endif
