// SPDX-License-Identifier: MIT
#ifndef LUMETRA_HISTORYFILTER_H
#define LUMETRA_HISTORYFILTER_H

#include <QString>

// Which stored records the history shows: text found in the header texts or
// the record number, received in a range of time (0: no bound).
struct HistoryFilter
{
    QString search;
    qint64 fromMs = 0;
    qint64 untilMs = 0; // exclusive
};

#endif
