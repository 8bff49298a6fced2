// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDOUTCOME_H
#define LUMETRA_RECORDOUTCOME_H

#include <QString>
#include <QVector>

// What became of one record a write took to the records store.
struct RecordOutcome
{
    enum class State {
        Stored,
        SetAside, // the store refused it: why says so; it waits in a file of its own
    };

    QString key;
    State state = State::Stored;
    QString why;
};

#endif
