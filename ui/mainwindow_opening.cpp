// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "archivedrop.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QTimer>
#include <algorithm>

// The ways to open archives besides File > Open: the command line, a later
// start, dropped files and File > Open Recent. Each takes File > Open's path.

namespace {
constexpr int recentCount = 8;
const QString recentKey = QStringLiteral("recent/archives");

QSettings lumetraSettings()
{
    return QSettings(QStringLiteral("Tavolin"), QStringLiteral("Lumetra"));
}

QStringList recentArchives()
{
    return lumetraSettings().value(recentKey).toStringList();
}

void setRecentArchives(const QStringList &archives)
{
    lumetraSettings().setValue(recentKey, archives);
}
} // namespace

void MainWindow::openArchives(const QStringList &paths)
{
    // A box or dialog of the window's own is open: list them once it has gone.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(300, this, [this, paths] { openArchives(paths); });
        return;
    }
    for (const QString &path : paths) {
        itemSelectionChanged_onList(); // as loadFile: the edits on screen are kept first
        loadedRecords.clear();
        loadedHeaders.clear();
        openArchive(path);
    }
}

QMenu *MainWindow::createRecentMenu()
{
    recentMenu = new QMenu(tr("Open &Recent"), this);
    recentMenu->setStatusTip(tr("Open one of the last archives opened or saved"));
    connect(recentMenu, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    fillRecentMenu(); // not empty before the first look, for the keyboard's sake
    return recentMenu;
}

void MainWindow::fillRecentMenu()
{
    // Later: this may run from one of these entries' own triggered().
    for (QAction *action : recentMenu->actions()) {
        recentMenu->removeAction(action);
        action->deleteLater();
    }
    QStringList archives = recentArchives();
    const int remembered = archives.size();
    archives.erase(std::remove_if(archives.begin(), archives.end(),
                       [](const QString &archive) { return !QFileInfo::exists(archive); }),
        archives.end());
    if (archives.size() != remembered)
        setRecentArchives(archives);

    for (int i = 0; i < archives.size(); ++i) {
        const QString archive = archives.at(i);
        QAction *entry = recentMenu->addAction(
            tr("&%1 %2").arg(i + 1).arg(
                QDir::toNativeSeparators(archive).replace(QLatin1Char('&'), QLatin1String("&&"))));
        connect(entry, &QAction::triggered, this, [this, archive] { openArchives({ archive }); });
    }
    recentMenu->addSeparator();
    QAction *clear = recentMenu->addAction(tr("Clear"));
    clear->setStatusTip(tr("Forget the archives listed here; the files stay"));
    clear->setEnabled(!archives.isEmpty());
    connect(clear, &QAction::triggered, this, [this] {
        setRecentArchives({});
        fillRecentMenu();
    });
}

void MainWindow::rememberRecent(const QString &archive)
{
    const QString path = QDir::cleanPath(QFileInfo(archive).absoluteFilePath());
    QStringList archives = recentArchives();
    archives.removeAll(path);
    archives.prepend(path);
    setRecentArchives(archives.mid(0, recentCount));
    fillRecentMenu();
}

void MainWindow::acceptArchiveDrops()
{
    new ArchiveDrop(this, [this](const QStringList &archives) { openArchives(archives); });
}
