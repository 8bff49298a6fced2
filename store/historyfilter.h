// SPDX-License-Identifier: MIT
#ifndef LUMETRA_HISTORYFILTER_H
#define LUMETRA_HISTORYFILTER_H

#include <QString>

// Which stored records the history shows: text found in the header texts,
// the record number or the cable ID, received in a range of time (0: no
// bound), of one job (empty: any).
struct HistoryFilter
{
    QString search;
    QString job;
    qint64 fromMs = 0;
    qint64 untilMs = 0; // exclusive
};

#endif
