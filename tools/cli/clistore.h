// SPDX-License-Identifier: MIT
#ifndef LUMETRA_CLISTORE_H
#define LUMETRA_CLISTORE_H

#include "recordstore.h"

class QTextStream;

// The line on standard error while the store is upgraded as it opens to
// write, building its search index: how far it has come, every tenth.
class UpgradeLine
{
public:
    UpgradeLine(QTextStream &err, const QString &storeName);
    void step(qint64 done, qint64 total);
    void end(); // the line ends, whichever way the upgrade did

private:
    QTextStream &err;
    QString storeName;
    bool begun = false;
    int tenths = -1;
};

// Opens the store for a command; false after one line on err that says why.
// A reader never makes a store: an SQLite file that is not there is an error.
bool openStoreFor(RecordStore &store, RecordStore::Access access, QTextStream &err);

#endif
