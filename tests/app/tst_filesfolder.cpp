// SPDX-License-Identifier: MIT
#include "filesfolder.h"

#include <QtTest>
#include <unistd.h>

// Where the records, reports and data folders go for each kind of start.
class TestFilesFolder : public QObject
{
    Q_OBJECT

private slots:
    void choose();
};

void TestFilesFolder::choose()
{
    QTemporaryDir job, install;
    QVERIFY(job.isValid() && install.isValid());
    const QString documents = FilesFolder::documentsFolder();
    QVERIFY(documents.endsWith("/Lumetra"));

    // From a terminal in a folder of the user's: that folder, as always.
    QCOMPARE(FilesFolder::choose(false, job.path(), install.path()), job.path());
    // From the desktop: Documents, wherever it starts.
    QCOMPARE(FilesFolder::choose(true, job.path(), install.path()), documents);
    // The program's own folder, as the Windows shortcut starts it, and inside it.
    QVERIFY(QDir(install.path()).mkpath("bin"));
    QCOMPARE(FilesFolder::choose(false, install.path(), install.path()), documents);
    QCOMPARE(FilesFolder::choose(false, install.path() + "/bin", install.path()), documents);
    // System folders, also where the super-user could write.
    QCOMPARE(FilesFolder::choose(false, "/", install.path()), documents);
    QCOMPARE(FilesFolder::choose(false, "/usr/bin", install.path()), documents);
    // Gone since, or not the user's to write.
    QCOMPARE(FilesFolder::choose(false, job.filePath("gone"), install.path()), documents);
    if (geteuid() == 0)
        QSKIP("the super-user writes anywhere");
    QVERIFY(QFile::setPermissions(job.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QCOMPARE(FilesFolder::choose(false, job.path(), install.path()), documents);
    QFile::setPermissions(job.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
            | QFileDevice::ExeOwner);
}

QTEST_GUILESS_MAIN(TestFilesFolder)
#include "tst_filesfolder.moc"
