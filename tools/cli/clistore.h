// SPDX-License-Identifier: MIT
#ifndef LUMETRA_CLISTORE_H
#define LUMETRA_CLISTORE_H

#include "recordstore.h"

class QTextStream;

// Opens the store for a command; false after one line on err that says why.
// A reader never makes a store: an SQLite file that is not there is an error.
bool openStoreFor(RecordStore &store, RecordStore::Access access, QTextStream &err);

#endif
