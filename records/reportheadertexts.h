// SPDX-License-Identifier: MIT
#ifndef LUMETRA_REPORTHEADERTEXTS_H
#define LUMETRA_REPORTHEADERTEXTS_H

#include <QString>

// The header texts kept beside each record; noteHtml is the note as HTML.
struct ReportHeaderTexts
{
    QString companyName;
    QString operatorName;
    QString testDevice;
    QString testDate;
    QString serialNumber;
    QString exportTime;
    QString noteHtml;

    // Null and empty texts differ in the archive, so compare them as different.
    bool operator==(const ReportHeaderTexts &other) const;
    bool operator!=(const ReportHeaderTexts &other) const { return !(*this == other); }
};

#endif
