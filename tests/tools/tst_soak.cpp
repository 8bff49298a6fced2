// SPDX-License-Identifier: MIT
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The soak's checks must be able to fail: behind a receiver that garbles a
// record or quits, a short soak reports it and exits 1.
class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void failsBehindABrokenReceiver_data();
    void failsBehindABrokenReceiver();
};

void TestSoak::failsBehindABrokenReceiver_data()
{
    QTest::addColumn<QString>("receiver");
    QTest::addColumn<QString>("reported");

    const QString cli = QStringLiteral(LUMETRA_CLI);
    QTest::newRow("garbles the first record of a batch")
        << QStringLiteral("%1 \"$@\" --timeout 30 | sed -u 's/\"recordNumber\":/&1/'").arg(cli)
        << QStringLiteral("FAILED: export 1 (5 records, none): 0 of 5 records arrived intact");
    QTest::newRow("quits after a batch")
        << QStringLiteral("exec %1 \"$@\" --batches 1").arg(cli)
        << QStringLiteral("FAILED: the receiver exited with status 0");
}

void TestSoak::failsBehindABrokenReceiver()
{
    QFETCH(QString, receiver);
    QFETCH(QString, reported);
    QTemporaryDir dir;
    QFile script(dir.filePath(QStringLiteral("receiver")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n" + receiver.toLocal8Bit() + '\n');
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::ExeOwner));

    QProcess soak;
    soak.start(QStringLiteral(LUMETRA_SOAK),
        { "--seconds", "4", "--records", "5", "--receiver", script.fileName() });
    QVERIFY(soak.waitForFinished(60000));
    const QByteArray out = soak.readAllStandardOutput();
    QCOMPARE(soak.exitCode(), 1);
    QVERIFY2(out.contains(reported.toUtf8()), out.constData());
    QVERIFY(out.endsWith("soak failed\n"));
}

QTEST_GUILESS_MAIN(TestSoak)
#include "tst_soak.moc"
