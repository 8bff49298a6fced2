// SPDX-License-Identifier: MIT
#ifndef LUMETRA_STOREUPGRADEPROGRESS_H
#define LUMETRA_STOREUPGRADEPROGRESS_H

#include "progressindicator.h"

#include <QObject>
#include <memory>

class DialogHost;
class DownloadSession;
class QTimer;
class QWidget;

// The records store's upgrade, which builds its search index as the store
// opens: a progress dialog over the window, whose Cancel stops the upgrade
// and leaves the store as it was. The window meanwhile answers; records wait
// beside the store until it is upgraded.
class StoreUpgradeProgress : public QObject
{
    Q_OBJECT
public:
    StoreUpgradeProgress(DownloadSession *session, DialogHost *dialogs, QWidget *window);
    ~StoreUpgradeProgress() override;

private:
    void step(qint64 done, qint64 total);
    void show();
    void end();

    DownloadSession *session;
    DialogHost *dialogs;
    QWidget *window;
    std::unique_ptr<ProgressIndicator> indicator;
    QTimer *looking; // for a Cancel between steps, which a server may not tell for minutes
    qint64 stepDone = 0, stepTotal = 0;
};

#endif
