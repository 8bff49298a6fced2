// SPDX-License-Identifier: MIT
#include "configrun.h"
#include "frameencoder.h"
#include "historywindow.h"
#include "listofuid.h"
#include "metersimprocess.h"
#include "recordstore.h"
#include "windowtestsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QAction>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTableView>
#include <QtTest>
#include <csignal>
#include <sys/stat.h>

// Nothing the technician received or typed is lost: not when the window is
// killed, not while the records store is locked, and what is kept is the
// user's alone.
class TestKeepingRecords : public QObject
{
    Q_OBJECT

private slots:
    void killedWindowOffersItsRecordsAgain();
    void lockedStoreCatchesUp();
    void historySaysWhatItCouldNotOpen();
    void keptFilesAreTheUsersAlone();
};

namespace {
const QString typed = QStringLiteral("Typed just before the plug was pulled");

QByteArray generatedExport(int records, int seed)
{
    return MeterSimProcess::streamFor({ "--records", QString::number(records), "--seed",
        QString::number(seed), "--meter-version", "2.1" });
}

// The records lumetra-cli finds in the store.
QJsonArray historyOf(const QString &store, const QString &search = QString())
{
    QStringList arguments { "history", "--database", store, "--json" };
    if (!search.isEmpty())
        arguments << "--search" << search;
    return QJsonDocument::fromJson(outputOf(QStringLiteral(LUMETRA_CLI), arguments))
        .object()
        .value(QLatin1String("records"))
        .toArray();
}

int modeOf(const QString &path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777)
                                                                  : -1;
}

QStringList numbersOf(const QJsonArray &records)
{
    QStringList numbers;
    for (const QJsonValue &record : records)
        numbers << QString::number(record[QLatin1String("recordNumber")].toInt());
    return numbers;
}

// The window of the child process: receives from the port it is given,
// types into a header field like a user, says so, and runs until killed.
int runWindowUntilKilled(const QString &port, const QString &store)
{
    QTemporaryDir settings;
    if (!prepareWindowTests(settings))
        return 3;
    qputenv("LUMETRA_DATABASE", store.toLocal8Bit());
    TestWindow window({ port });
    window.main.show();
    if (!QTest::qWaitFor([&] { return !window.main.connectionPanel->exportTimeText.isEmpty(); })
        || !pickPort(window.main, port))
        return 4;
    QListWidget *list = window.main.connectionPanel->List_Records;
    if (!QTest::qWaitFor([&] { return list->count() == 5; }, 30000))
        return 5;
    QTest::keyClicks(window.main.reportWindow->Edit_Operator, typed);
    QTextStream(stdout) << "typed" << Qt::endl;
    return QApplication::exec();
}
} // namespace

void TestKeepingRecords::killedWindowOffersItsRecordsAgain()
{
    QTemporaryDir dir;
    QVERIFY(prepareWindowTests(dir));
    const QString store = dir.filePath(QStringLiteral("records.sqlite"));
    ScriptedMeter meter;
    QVERIFY(meter.start({ generatedExport(3, 41), generatedExport(2, 42) }, 1500));

    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), { "--window-child", meter.path(), store });
    QVERIFY(child.waitForStarted());
    QVERIFY2(QTest::qWaitFor(
                 [&] {
                     child.waitForReadyRead(100);
                     return child.readAll().contains("typed")
                         || child.state() == QProcess::NotRunning;
                 },
                 60000),
        "the child window got no records");
    QCOMPARE(child.state(), QProcess::Running);
    // About a second after the last keystroke the text is on disk: then the plug.
    QVERIFY(QTest::qWaitFor([&] { return historyOf(store, typed).size() == 1; }, 15000));
    ::kill(pid_t(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished());
    const QStringList received = numbersOf(historyOf(store));
    QCOMPARE(received.size(), 5);

    // The next start.
    {
        TestWindow window;
        window.dialogs.questionAnswers << true;
        QListWidget *list = window.main.connectionPanel->List_Records;
        QTRY_COMPARE(list->count(), 5);
        QCOMPARE(window.dialogs.calls.size(), 1);
        const DialogCall &question = window.dialogs.calls.first();
        QCOMPARE(question.kind, QStringLiteral("question"));
        QCOMPARE(question.title, QStringLiteral("Lumetra"));
        QCOMPARE(question.text,
            QStringLiteral("The last session ended with 5 records that were not saved to an "
                           "archive. Show them again?"));
        // As an opened archive is listed, in the order the records arrived.
        QCOMPARE(entriesOf(window.main), received);
        QStringList operators;
        for (const ReportHeaderTexts &texts : qAsConst(window.main.recordHeaders)) {
            operators << texts.operatorName;
            QVERIFY(!texts.exportTime.isEmpty());
        }
        QCOMPARE(operators, QStringList({ "", "", "", "", typed }));
        QCOMPARE(window.main.reportWindow->Edit_Operator->text(), typed);
        QVERIFY(window.main.close());
    }

    // Closed on purpose, unsaved: they stay in the history and are not offered again.
    TestWindow next;
    QCoreApplication::processEvents();
    QVERIFY(next.dialogs.calls.isEmpty());
    QCOMPARE(historyOf(store).size(), 5);
}

void TestKeepingRecords::lockedStoreCatchesUp()
{
    QTemporaryDir dir;
    QVERIFY(prepareWindowTests(dir));
    const QString store = dir.filePath(QStringLiteral("records.sqlite"));
    QStringList warnings;
    static QStringList *seen = nullptr;
    seen = &warnings;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &, const QString &text) {
            if (type == QtWarningMsg)
                *seen << text;
        });
    ScriptedMeter meter;
    QVERIFY(meter.start({ generatedExport(3, 43), generatedExport(2, 44) }, 6000));
    TestWindow window({ meter.path() });
    QListWidget *list = window.main.connectionPanel->List_Records;
    QTRY_VERIFY(!window.main.connectionPanel->exportTimeText.isEmpty());

    // Another program holds the store for writing, as long as it likes.
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other");
        other.setDatabaseName(store);
        QVERIFY(other.open());
        QVERIFY(QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        QVERIFY(pickPort(window.main, meter.path()));
        QTRY_COMPARE_WITH_TIMEOUT(list->count(), 3, 20000);
        const QLabel *state = window.main.statusBar()->findChild<QLabel *>("Label_StoreState");
        QVERIFY(state && !state->isHidden());
        QCOMPARE(state->text(), QStringLiteral("Records are not being kept: database is locked"));
        QCOMPARE(warnings.filter(QStringLiteral("not being kept")),
            QStringList({ "Lumetra: records are not being kept: database is locked" }));
        QVERIFY(QSqlQuery(other).exec(QStringLiteral("COMMIT")));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));

    // The next batch brings the store the first one too.
    QTRY_COMPARE_WITH_TIMEOUT(list->count(), 5, 20000);
    const QLabel *state = window.main.statusBar()->findChild<QLabel *>("Label_StoreState");
    QTRY_VERIFY(state->isHidden());
    qInstallMessageHandler(previous);
    // Each once, in the order listed.
    QStringList listed;
    for (const QString &entry : entriesOf(window.main))
        listed << QString::number(entry.toInt());
    QCOMPARE(numbersOf(historyOf(store)), listed);
}

void TestKeepingRecords::historySaysWhatItCouldNotOpen()
{
    QTemporaryDir dir;
    QVERIFY(prepareWindowTests(dir));
    {
        RecordStore store(StoreLocation::parse(dir.filePath(QStringLiteral("records.sqlite"))));
        QVERIFY2(store.open(), qPrintable(store.errorString()));
        QVector<StoredRecord> rows;
        for (uint16_t number : { 11, 12, 13 }) {
            StoredRecord row;
            row.record.recordNumber = number;
            row.record.thresholdCentiDb = 150;
            row.receivedAtMs = 1700000000000 + number;
            rows << row;
        }
        QVERIFY(store.write(rows));
        TestRecord other;
        other.recordNumber = 99;
        QSqlQuery damage(store.database());
        damage.prepare(QStringLiteral("UPDATE lumetra_records SET frame_hex = ?"
                                      " WHERE record_number = 12"));
        damage.addBindValue(QString::fromLatin1(encodeFrame(other).toHex()));
        QVERIFY(damage.exec());
    }
    TestWindow window;
    window.main.historyAct->trigger();
    auto *history = window.main.findChild<HistoryWindow *>();
    QVERIFY(history);
    QTRY_COMPARE(history->Table_History->model()->rowCount(), 3);
    history->Table_History->selectAll();
    history->Button_Open->click();

    QStringList listed;
    for (const QString &entry : entriesOf(window.main))
        listed << QString::number(entry.toInt());
    QCOMPARE(listed, QStringList({ "11", "13" }));
    QCOMPARE(window.dialogs.calls.size(), 1);
    const DialogCall &warning = window.dialogs.calls.first();
    QCOMPARE(warning.kind, QStringLiteral("warning"));
    QCOMPARE(warning.text,
        QStringLiteral("1 of the 3 chosen records could not be opened: its data in the records "
                       "store is damaged."));
}

// The window's own store under a umask that hides nothing: its folder, its
// files and the session lock for the user only, and the settings file too.
void TestKeepingRecords::keptFilesAreTheUsersAlone()
{
    QTemporaryDir dir;
    QVERIFY(prepareWindowTests(dir));
    qunsetenv("LUMETRA_DATABASE");
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setOrganizationName(QStringLiteral("Tavolin"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumetra"));
    const mode_t umaskBefore = ::umask(0);
    const QString folder = dir.filePath(QStringLiteral("data/Tavolin/Lumetra"));
    const QString store = folder + QStringLiteral("/records.sqlite");
    QString settingsFile;
    {
        TestWindow window;
        QVERIFY(QFileInfo::exists(store));
        const QStringList locks
            = QDir(folder).entryList({ QStringLiteral("records.sqlite.session-*.lock") });
        QCOMPARE(locks.size(), 1);
        QCOMPARE(modeOf(folder), 0700);
        for (const QString &file : { store, store + QStringLiteral("-wal"),
                 store + QStringLiteral("-shm"), folder + QLatin1Char('/') + locks.first() })
            QVERIFY2(modeOf(file) == 0600, qPrintable(file));
        QVERIFY(window.main.close());
        settingsFile = QSettings(QStringLiteral("Tavolin"), QStringLiteral("Lumetra")).fileName();
    }
    ::umask(umaskBefore);
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(name);
    qputenv("XDG_DATA_HOME", dataHome);
    QVERIFY(settingsFile.startsWith(dir.path()));
    QCOMPARE(modeOf(settingsFile), 0600);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--window-child") == 0)
        return runWindowUntilKilled(
            QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestKeepingRecords test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keepingrecords.moc"
