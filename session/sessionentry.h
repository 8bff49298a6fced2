// SPDX-License-Identifier: MIT
#ifndef LUMETRA_SESSIONENTRY_H
#define LUMETRA_SESSIONENTRY_H

#include "reportheadertexts.h"
#include "testrecord.h"

#include <QString>

// One record of the session's collection, as the record list shows it.
struct SessionEntry
{
    TestRecord record;
    ReportHeaderTexts headers;
    QString numberText; // "007" for a record received, "7" for one opened
    QString job; // empty: in no job
    QString cableId; // null: none
    bool idPending = false; // it joins a job once the store has it, and its ID comes then
};

#endif
