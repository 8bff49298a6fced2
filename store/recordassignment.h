// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDASSIGNMENT_H
#define LUMETRA_RECORDASSIGNMENT_H

#include <QString>

// The job and cable ID a record has once it is in the store.
struct RecordAssignment
{
    QString job; // empty: in no job
    QString cableId; // null: none (unplanned when job is set)
    bool arrived = false; // given by this write, not kept from before
    bool tookRetest = false; // it took a retest mark
};

#endif
