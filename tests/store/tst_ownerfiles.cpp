// SPDX-License-Identifier: MIT
#include "recordkeeper.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

// A store the user names, under the usual umask: its folder keeps its mode,
// and every file kept beside it is the user's alone.
class TestOwnerFiles : public QObject
{
    Q_OBJECT

private slots:
    void namedStoreFilesAreTheUsersAlone();
};

namespace {
int modeOf(const QString &path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777)
                                                                  : -1;
}

StoredRecord storedRecord(uint16_t number)
{
    StoredRecord row;
    row.record.recordNumber = number;
    row.sourceKind = QStringLiteral("port");
    row.receivedAtMs = 1700000000000 + number;
    return row;
}
} // namespace

void TestOwnerFiles::namedStoreFilesAreTheUsersAlone()
{
    const mode_t umaskBefore = ::umask(022);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("jobs"));
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0755) == 0);
    const QString store = folder + QStringLiteral("/records.sqlite");
    {
        RecordKeeper keeper(StoreLocation::parse(store));
        keeper.startSession();
        QVERIFY2(keeper.keep({ storedRecord(1) }), qPrintable(keeper.problem()));
        // Another program holds the store: what arrives waits beside it.
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other");
        other.setDatabaseName(store);
        QVERIFY(other.open());
        QVERIFY(QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        QVERIFY(!keeper.keep({ storedRecord(2) }));
        other.close();
        QSqlDatabase::removeDatabase(QStringLiteral("other"));

        const QStringList files = QDir(folder).entryList(QDir::Files);
        for (const char *kind : { "records.sqlite", "-wal", "-shm", ".lock", "pending" })
            QVERIFY2(!files.filter(QLatin1String(kind)).isEmpty(), kind);
        for (const QString &file : files)
            QVERIFY2(modeOf(folder + QLatin1Char('/') + file) == 0600, qPrintable(file));
    }
    QCOMPARE(modeOf(folder), 0755);

    // A folder made for the store is made for the user alone.
    const QString newFolder = dir.filePath(QStringLiteral("new/site-b"));
    {
        RecordKeeper keeper(StoreLocation::parse(newFolder + QStringLiteral("/records.sqlite")));
        QVERIFY(keeper.isKeeping());
    }
    QCOMPARE(modeOf(newFolder), 0700);
    ::umask(umaskBefore);
}

QTEST_GUILESS_MAIN(TestOwnerFiles)
#include "tst_ownerfiles.moc"
