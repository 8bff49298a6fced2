// SPDX-License-Identifier: MIT
#include "storeupgradeprogress.h"

#include "dialoghost.h"
#include "downloadsession.h"

#include <QTimer>
#include <QWidget>

namespace {
constexpr int lookEveryMs = 200;
} // namespace

StoreUpgradeProgress::StoreUpgradeProgress(
    DownloadSession *session, DialogHost *dialogs, QWidget *window)
    : QObject(window)
    , session(session)
    , dialogs(dialogs)
    , window(window)
    , looking(new QTimer(this))
{
    looking->setInterval(lookEveryMs);
    connect(looking, &QTimer::timeout, this, &StoreUpgradeProgress::show);
    connect(session, &DownloadSession::upgrading, this, &StoreUpgradeProgress::step);
    connect(session, &DownloadSession::upgradeEnded, this, &StoreUpgradeProgress::end);
}

StoreUpgradeProgress::~StoreUpgradeProgress() = default;

void StoreUpgradeProgress::step(qint64 done, qint64 total)
{
    if (!indicator) {
        indicator = dialogs->progress(
            window, tr("Upgrading the records store: building its search index…"));
        looking->start();
    }
    stepDone = done;
    stepTotal = total;
    show();
}

void StoreUpgradeProgress::show()
{
    if (!indicator || indicator->step(int(stepDone), int(stepTotal)))
        return;
    session->cancelUpgrade();
    end();
}

void StoreUpgradeProgress::end()
{
    looking->stop();
    indicator.reset();
}
