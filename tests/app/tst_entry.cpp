// SPDX-License-Identifier: MIT
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

// Runs the real program: the entry must measure the screen only once the
// application object can see it, and hand the same screen to the window.
class TestEntry : public QObject
{
    Q_OBJECT

private slots:
    void startsAndReportsTheScreen();
};

void TestEntry::startsAndReportsTheScreen()
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    // Its own, or a Lumetra window already running would take the start over.
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());

    QProcess lumetra;
    lumetra.setProcessEnvironment(environment);
    lumetra.setProcessChannelMode(QProcess::MergedChannels);
    lumetra.start(QStringLiteral(LUMETRA_EXECUTABLE), QStringList());
    QVERIFY(lumetra.waitForStarted());

    QString output;
    QElapsedTimer clock;
    clock.start();
    while (!output.contains(QLatin1String("Font info")) && clock.elapsed() < 30000
        && lumetra.state() == QProcess::Running) {
        lumetra.waitForReadyRead(500);
        output += QString::fromLocal8Bit(lumetra.readAll());
    }
    const bool stillRunning = lumetra.state() == QProcess::Running;
    lumetra.kill();
    lumetra.waitForFinished();
    QVERIFY2(stillRunning, qPrintable(output));

    const QStringList lines = output.split(QLatin1Char('\n'));
    const auto indexOf = [&lines](const QString &text) {
        for (int i = 0; i < lines.size(); ++i)
            if (lines.at(i).trimmed() == text)
                return i;
        return -1;
    };
    const int monitors = indexOf(QStringLiteral("You have  1  monitors connected."));
    QVERIFY2(monitors >= 0, qPrintable(output));
    const QString screen = lines.value(monitors + 1).trimmed();
    QVERIFY2(screen.startsWith(QLatin1String("QRect(0,0 ")), qPrintable(output));
    QVERIFY(indexOf(QStringLiteral("winversion =  0")) > monitors);
    QVERIFY(indexOf(QStringLiteral("XFactor = 1")) > monitors);
    QVERIFY(indexOf(QStringLiteral("YFactor = 1")) > monitors);
    // The window measured the same screen as the entry.
    QCOMPARE(lines.count(lines.value(monitors + 1)), 2);
}

QTEST_GUILESS_MAIN(TestEntry)
#include "tst_entry.moc"
