// SPDX-License-Identifier: MIT
#include "frameencoder.h"
#include "metersimprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <vector>

// A team's store on a PostgreSQL server (started by with-postgres.sh): two
// receivers write at once, and the history has every record exactly once.
class TestSharedStore : public QObject
{
    Q_OBJECT

private slots:
    void twoReceiversAtOnce();
};

namespace {
QByteArray run(const QStringList &arguments, int *exitCode)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(LUMETRA_CLI), arguments);
    if (!process.waitForFinished(60000))
        return {};
    *exitCode = process.exitCode();
    return process.readAllStandardOutput();
}

// Each record as compact JSON, without the header texts.
QVector<QByteArray> recordsOf(const QByteArray &json)
{
    QVector<QByteArray> records;
    for (const QJsonValue &value :
        QJsonDocument::fromJson(json).object().value(QLatin1String("records")).toArray()) {
        QJsonObject record = value.toObject();
        record.remove(QLatin1String("headers"));
        records << QJsonDocument(record).toJson(QJsonDocument::Compact);
    }
    return records;
}
} // namespace

void TestSharedStore::twoReceiversAtOnce()
{
    const QString url = qEnvironmentVariable("LUMETRA_TEST_DATABASE");
    QVERIFY2(url.startsWith(QLatin1String("postgresql://")), "run through with-postgres.sh");
    QTemporaryDir dir;

    // Two exports of 60 records that share ten, as two meters of a team may.
    const QVector<TestRecord> first
        = MeterSimProcess::recordsFor({ "--records", "60", "--seed", "51" });
    QVector<TestRecord> second = MeterSimProcess::recordsFor({ "--records", "50", "--seed", "52" });
    second += first.mid(20, 10);
    QCOMPARE(first.size() + second.size(), 120);
    std::vector<std::unique_ptr<MeterSimProcess>> meters;
    QSet<QByteArray> expected;
    for (const QVector<TestRecord> &records : { first, second }) {
        QByteArray bytes;
        for (const TestRecord &record : records)
            bytes += encodeFrame(record);
        const QString capture = dir.filePath(QStringLiteral("export%1.bin").arg(meters.size()));
        QFile file(capture);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes + encodeVersionTrailer(2, 1));
        file.close();
        int exitCode = -1;
        for (const QByteArray &record : recordsOf(run({ "decode", capture, "--json" }, &exitCode)))
            expected.insert(record);
        QCOMPARE(exitCode, 0);
        meters.push_back(std::make_unique<MeterSimProcess>(
            QStringList { "--raw", capture, "--no-trailer", "--wait-open", "--no-pacing" }));
        QVERIFY(meters.back()->start());
    }
    QCOMPARE(expected.size(), 110);

    QVector<std::shared_ptr<QProcess>> receivers;
    for (const auto &meter : meters) {
        auto receiver = std::make_shared<QProcess>();
        receiver->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        receiver->start(QStringLiteral(LUMETRA_CLI),
            { "receive", meter->path(), "--batches", "1", "--timeout", "60", "--database", url });
        receivers << receiver;
    }
    for (const auto &receiver : qAsConst(receivers)) {
        QVERIFY(receiver->waitForFinished(90000));
        QCOMPARE(receiver->exitCode(), 0);
        QVERIFY(receiver->readAllStandardOutput().startsWith("batch 1: 60 records"));
    }

    int exitCode = -1;
    const QVector<QByteArray> stored = recordsOf(run({ "history", "--database", url }, &exitCode));
    QCOMPARE(exitCode, 0);
    QCOMPARE(stored.size(), expected.size());
    QCOMPARE(QSet<QByteArray>(stored.begin(), stored.end()), expected);
}

QTEST_GUILESS_MAIN(TestSharedStore)
#include "tst_sharedstore.moc"
