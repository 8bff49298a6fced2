// SPDX-License-Identifier: MIT
#include "recordkeeper.h"
#include "recordstore.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

// A store written by a newer Lumetra is refused as a whole, and not one of
// its bytes changes.
class TestRecordStore : public QObject
{
    Q_OBJECT

private slots:
    void newerSchemaIsRefusedAndLeftAlone();
};

namespace {
StoredRecord storedRecord(uint16_t number, const QString &company)
{
    StoredRecord row;
    row.record.recordNumber = number;
    row.record.thresholdCentiDb = 150;
    row.headers.companyName = company;
    row.sourceKind = QStringLiteral("port");
    row.source = QStringLiteral("/dev/ttyUSB0");
    row.receivedAtMs = 1700000000000 + number;
    return row;
}

QByteArray digestOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
        ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
        : QByteArray();
}
} // namespace

void TestRecordStore::newerSchemaIsRefusedAndLeftAlone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records.sqlite"));
    {
        RecordStore store(StoreLocation::parse(path));
        QVERIFY2(store.open(), qPrintable(store.errorString()));
        QVERIFY(store.write({ storedRecord(7, QStringLiteral("Fibre Works")) }));
        // What a later Lumetra would have made of it.
        QVERIFY(QSqlQuery(store.database())
                    .exec(QStringLiteral("UPDATE lumetra_meta SET value = '2'"
                                         " WHERE name = 'schema_version'")));
        QVERIFY(QSqlQuery(store.database())
                    .exec(QStringLiteral("ALTER TABLE lumetra_records ADD COLUMN later TEXT")));
    }
    const QByteArray before = digestOf(path);
    QVERIFY(!before.isEmpty());
    const QString why = QStringLiteral("this records store was written by a newer Lumetra "
                                       "(records store version 2; this Lumetra knows version 1); "
                                       "it is left as it is");
    {
        RecordKeeper keeper(StoreLocation::parse(path));
        keeper.startSession();
        QVERIFY(!keeper.keep({ storedRecord(8, QStringLiteral("Later Ltd")) }));
        QVERIFY(!keeper.isKeeping());
        QCOMPARE(keeper.problem(), why);
    }
    QCOMPARE(digestOf(path), before);
}

QTEST_GUILESS_MAIN(TestRecordStore)
#include "tst_recordstore.moc"
