// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDOUTCOME_H
#define LUMETRA_RECORDOUTCOME_H

#include "recordassignment.h"

#include <QString>
#include <QVector>

// What became of one record a write took to the records store.
struct RecordOutcome
{
    enum class State {
        Stored,
        SetAside, // the store refused it: why says so; it waits in a file of its own
        Placed, // only its job and cable ID were written (an opened archive's job)
    };

    QString key;
    State state = State::Stored;
    QString why;
    // Its job and cable ID as the store has them after the write; a store
    // of a version without jobs knows none.
    bool placed = false;
    RecordAssignment assignment;
    QString missingJob; // it arrived into a job the store does not have
};

#endif
