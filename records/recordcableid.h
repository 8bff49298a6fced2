// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDCABLEID_H
#define LUMETRA_RECORDCABLEID_H

#include <QString>

// The job a record belongs to and its cable ID there, as CSV and JSON show
// them: null when it has none (a record in no job, or an unplanned one).
struct RecordCableId
{
    QString job;
    QString cableId;
};

#endif
