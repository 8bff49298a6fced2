// SPDX-License-Identifier: MIT
#include "configrun.h"
#include "historywindow.h"
#include "listofuid.h"
#include "mainctrlthread.h"
#include "metersimprocess.h"
#include "recordstore.h"
#include "windowtestsupport.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSqlQuery>
#include <QStatusBar>
#include <QtTest>
#include <atomic>
#include <csignal>

// The team's PostgreSQL server (with-postgres.sh starts it) stops answering
// while the window writes a 1,000-record export to it: the window answers all
// along and closes at once; the next start writes every record and every text
// version once, and once only however often what waited is written again.
class TestStoppedServer : public QObject
{
    Q_OBJECT

private slots:
    void windowAnswersWhileTheServerIsStopped();
};

namespace {
// The postmaster of the server's data folder and its children.
QVector<pid_t> serverProcesses(const StoreLocation &server)
{
    QFile pidFile(server.host + QStringLiteral("/data/postmaster.pid"));
    if (!pidFile.open(QIODevice::ReadOnly))
        return {};
    const pid_t postmaster = pid_t(pidFile.readLine().trimmed().toInt());
    QVector<pid_t> processes { postmaster };
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!entry.toInt() || !stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray fields = stat.readAll();
        // pid (name) state ppid ...: the name may hold anything but the last ')'.
        if (fields.mid(fields.lastIndexOf(')') + 2).split(' ').value(1).toInt() == postmaster)
            processes << pid_t(entry.toInt());
    }
    return processes;
}

// Each of the store's tables counted by a query of its own.
int countOf(const QString &url, const QString &sql)
{
    RecordStore store(StoreLocation::parse(url));
    QSqlQuery query(store.open(RecordStore::Access::ReadOnly) ? store.database() : QSqlDatabase());
    return query.exec(sql) && query.next() ? query.value(0).toInt() : -1;
}

int waitingRowsIn(const QString &file)
{
    RecordStore waiting(StoreLocation::parse(file));
    QVector<StoredRecord> rows;
    QVector<StoreSession> sessions;
    qint64 last = 0;
    return waiting.open() && waiting.readWaiting(&rows, &sessions, &last) ? rows.size() : -1;
}

struct Stopped
{
    QVector<pid_t> processes;
    void send(int signal) const
    {
        for (const pid_t process : processes)
            ::kill(process, signal);
    }
    ~Stopped() { send(SIGCONT); } // whatever happens
};
} // namespace

void TestStoppedServer::windowAnswersWhileTheServerIsStopped()
{
    const QString url = qEnvironmentVariable("LUMETRA_TEST_DATABASE");
    const StoreLocation server = StoreLocation::parse(url);
    QVERIFY2(server.kind == StoreLocation::Kind::PostgreSQL, "run through with-postgres.sh");
    QTemporaryDir dir;
    QVERIFY(prepareWindowTests(dir));
    qputenv("LUMETRA_DATABASE", url.toLocal8Bit());
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    const QString waiting = server.sideFile(QStringLiteral("pending"));
    Stopped stopped;
    ScriptedMeter meter;
    QVERIFY(meter.start({ MeterSimProcess::streamFor(
                            { "--records", "1000", "--seed", "71", "--meter-version", "2.1" }) },
        0));

    QElapsedTimer clock;
    clock.start();
    qint64 closedIn = 0;
    {
        TestWindow window({ meter.path() });
        window.main.show();
        QTRY_VERIFY(!window.main.connectionPanel->exportTimeText.isEmpty());
        // The window's session is in the store: its connection is open.
        QTRY_COMPARE(countOf(url, QStringLiteral("SELECT COUNT(*) FROM lumetra_sessions")), 1);
        stopped.processes = serverProcesses(server);
        QVERIFY(stopped.processes.size() > 1);
        stopped.send(SIGSTOP);

        std::atomic<qint64> handedOverAt { 0 };
        connect(
            &window.main.ctrlThread->debugCommunication, &DebugCommunication::NewFileGenerated,
            this, [&](uint) { handedOverAt = clock.elapsed(); }, Qt::DirectConnection);
        QVERIFY(pickPort(window.main, meter.path()));
        QTRY_VERIFY_WITH_TIMEOUT(handedOverAt > 0, 60000);

        // As a user would, 2.5 s after the hand-over: a menu, then the About box.
        qint64 menuAt = 0, aboutAt = 0;
        connect(window.main.helpMenu, &QMenu::aboutToShow, this, [&] { menuAt = clock.elapsed(); });
        window.dialogs.onShow = [&](const DialogCall &call) {
            if (call.kind == QLatin1String("about"))
                aboutAt = clock.elapsed();
        };
        const qint64 askedAt = handedOverAt + 2500;
        QTimer::singleShot(qMax<qint64>(0, askedAt - clock.elapsed()), this, [&] {
            window.main.helpMenu->popup(window.main.mapToGlobal(QPoint(40, 40)));
            window.main.helpMenu->close();
            window.main.aboutAct->trigger();
        });
        QTRY_VERIFY_WITH_TIMEOUT(aboutAt > 0, 60000);
        QVERIFY2(menuAt - askedAt < 300 && aboutAt - askedAt < 300,
            qPrintable(QStringLiteral("menu %1 ms, About %2 ms late")
                           .arg(menuAt - askedAt)
                           .arg(aboutAt - askedAt)));
        // The History window opens, says it is reading, and holds up nothing.
        window.main.historyAct->trigger();
        const HistoryWindow *history = window.main.findChild<HistoryWindow *>();
        QVERIFY(history && history->isVisible() && history->Label_Reading->isVisible());
        QListWidget *list = window.main.connectionPanel->List_Records;
        QCOMPARE(list->count(), 1000);
        const QLabel *state = window.main.statusBar()->findChild<QLabel *>("Label_StoreState");
        QVERIFY(state && state->isVisible());
        QVERIFY2(state->text().startsWith(QLatin1String("Storing 1")), qPrintable(state->text()));

        // Typed while the server is stopped: a text version of the last record.
        QTest::keyClicks(window.main.reportWindow->Edit_Company, QStringLiteral("Hotel network"));
        list->setCurrentRow(0);
        QElapsedTimer closing;
        closing.start();
        QVERIFY(window.main.close());
        QVERIFY2(closing.elapsed() < 500, qPrintable(QString::number(closing.elapsed())));
        clock.restart();
    }
    closedIn = clock.elapsed();
    QVERIFY2(closedIn < 3000, qPrintable(QString::number(closedIn)));
    stopped.send(SIGCONT);
    QVERIFY(waitingRowsIn(waiting) > 1000);
    const QString saved = dir.filePath(QStringLiteral("waited.sqlite"));
    QVERIFY(QFile::copy(waiting, saved));

    // Once written, and once more as if the store had not said it took them.
    for (int start = 0; start < 2; ++start) {
        if (start > 0)
            QVERIFY(QFile::remove(waiting) && QFile::copy(saved, waiting));
        TestWindow next;
        QTRY_COMPARE_WITH_TIMEOUT(waitingRowsIn(waiting), 0, 60000);
        QCOMPARE(countOf(url, QStringLiteral("SELECT COUNT(*) FROM lumetra_records")), 1000);
        QCOMPARE(
            countOf(url,
                QStringLiteral("SELECT COUNT(*) FROM lumetra_text_versions WHERE version = 1")),
            1000);
        QCOMPARE(countOf(url,
                     QStringLiteral("SELECT COUNT(*) FROM lumetra_text_versions WHERE version = 2"
                                    " AND company = 'Hotel network'")),
            1);
        QCOMPARE(countOf(url, QStringLiteral("SELECT COUNT(*) FROM lumetra_text_versions")), 1001);
        QVERIFY(next.dialogs.calls.isEmpty()); // closed on purpose: nothing to offer again
    }
}

QTEST_MAIN(TestStoppedServer)
#include "tst_stoppedserver.moc"
