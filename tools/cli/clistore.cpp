// SPDX-License-Identifier: MIT
#include "clistore.h"

#include <QFileInfo>
#include <QTextStream>

bool openStoreFor(RecordStore &store, RecordStore::Access access, QTextStream &err)
{
    const StoreLocation &where = store.location();
    if (!where.error.isEmpty()) {
        err << "lumetra-cli: " << where.error << '\n';
        return false;
    }
    const QString name = where.displayName();
    if (access == RecordStore::Access::ReadOnly && where.kind == StoreLocation::Kind::SQLite
        && !QFileInfo::exists(where.file)) {
        err << "lumetra-cli: " << name << ": no records store there\n";
        return false;
    }
    if (!store.open(access)) {
        err << "lumetra-cli: " << name << ": " << store.errorString() << '\n';
        return false;
    }
    return true;
}
