// SPDX-License-Identifier: MIT
#include "reportheadertexts.h"

static bool sameText(const QString &a, const QString &b)
{
    return a.isNull() == b.isNull() && a == b;
}

bool ReportHeaderTexts::operator==(const ReportHeaderTexts &other) const
{
    return sameText(companyName, other.companyName) && sameText(operatorName, other.operatorName)
        && sameText(testDevice, other.testDevice) && sameText(testDate, other.testDate)
        && sameText(serialNumber, other.serialNumber) && sameText(exportTime, other.exportTime)
        && sameText(noteHtml, other.noteHtml);
}
