// SPDX-License-Identifier: MIT
#include "filesfolder.h"

#include "filesfolderplatform.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

QString FilesFolder::documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        + QStringLiteral("/Lumetra");
}

QString FilesFolder::choose(
    bool fromDesktop, const QString &workingFolder, const QString &installFolder)
{
    if (fromDesktop || !mayWriteIn(workingFolder, installFolder))
        return documentsFolder();
    return workingFolder;
}

bool FilesFolder::mayWriteIn(const QString &folder, const QString &installFolder)
{
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty() || !info.isDir())
        return false; // gone since the start
    const QString install = QFileInfo(installFolder).canonicalFilePath();
    if (isSystemFolder(canonical) || (!install.isEmpty() && isSameOrInside(canonical, install)))
        return false;
    // The permission bits do not tell: Windows grants by access lists.
    QTemporaryFile probe(canonical + QStringLiteral("/.lumetra-probe-XXXXXX"));
    return probe.open();
}

bool FilesFolder::enter(bool fromDesktop)
{
    const QString working = QDir::currentPath();
    const QString chosen
        = choose(fromDesktop, working, QCoreApplication::applicationDirPath());
    if (chosen == working)
        return true;
    if (!QDir().mkpath(chosen) || !QDir::setCurrent(chosen)) {
        qWarning().noquote() << "Cannot use" << QDir::toNativeSeparators(chosen)
                             << "for records and reports; keeping" << working;
        return false;
    }
    return true;
}
