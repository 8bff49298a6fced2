// SPDX-License-Identifier: MIT
#include "clistore.h"

#include <QFileInfo>
#include <QTextStream>
#include <algorithm>

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
    UpgradeLine line(err, name);
    store.setUpgradeProgress([&line](qint64 done, qint64 total) {
        line.step(done, total);
        return true;
    });
    const bool opened = store.open(access);
    store.setUpgradeProgress({});
    line.end();
    if (!opened) {
        err << "lumetra-cli: " << name << ": " << store.errorString() << '\n';
        return false;
    }
    return true;
}

UpgradeLine::UpgradeLine(QTextStream &err, const QString &storeName)
    : err(err)
    , storeName(storeName)
{
}

void UpgradeLine::step(qint64 done, qint64 total)
{
    if (!begun)
        err << "lumetra-cli: " << storeName
            << ": upgrading the records store, building its search index:";
    begun = true;
    const int now = total > 0 ? int(done * 10 / total) : -1;
    if (now > tenths)
        err << ' ' << now * 10 << " %";
    tenths = std::max(tenths, now);
    err.flush();
}

void UpgradeLine::end()
{
    if (begun)
        err << '\n';
    err.flush();
    begun = false;
    tenths = -1;
}
