// SPDX-License-Identifier: MIT
#ifndef LUMETRA_HISTORYROW_H
#define LUMETRA_HISTORYROW_H

#include "verdict.h"

#include <QString>

// One stored record as the history lists it.
struct HistoryRow
{
    QString key;
    qint64 receivedAtMs = 0;
    int recordNumber = 0;
    QString companyName;
    QString operatorName;
    QString serialNumber;
    int wavelengthNm = 0;
    Verdict verdict = Verdict::None;
};

#endif
