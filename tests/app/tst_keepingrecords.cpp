// SPDX-License-Identifier: MIT
#include "configrun.h"
#include "historywindow.h"
#include "listofuid.h"
#include "metersimprocess.h"
#include "recordarchive.h"
#include "recordstore.h"
#include "windowtestsupport.h"

#include <QAction>
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTextEdit>
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
    void nextStartWritesWhatWaited();
    void arrivingAgainKeepsTypedTexts();
    void damagedRowIsReported();
    void keptFilesAreTheUsersAlone();
    void windowAndCommandLineKeepAlike();
    void cancelledUpgradeLeavesTheStoreAsItWas();
};

namespace {
const QString typed = QStringLiteral("Typed just before the plug was pulled");
const QString typedNote = QStringLiteral("Connector 3 cleaned\nretested at 14:02");

QByteArray generatedExport(int records, int seed)
{
    return MeterSimProcess::streamFor({ "--records", QString::number(records), "--seed",
        QString::number(seed), "--meter-version", "2.1" });
}

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

// The companies of each version of the texts of the records that have any.
QList<QStringList> companyVersionsOf(const QString &store)
{
    QList<QStringList> companies;
    const QJsonArray records
        = QJsonDocument::fromJson(outputOf(QStringLiteral(LUMETRA_CLI),
                                      { "history", "--database", store, "--json", "--all-texts" }))
              .object()
              .value(QLatin1String("records"))
              .toArray();
    for (const QJsonValue &record : records) {
        QStringList versions;
        for (const QJsonValue &version : record[QLatin1String("textVersions")].toArray())
            versions << version[QLatin1String("headers")][QLatin1String("companyName")].toString();
        if (!versions.isEmpty())
            companies << versions;
    }
    return companies;
}

int modeOf(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

QStringList numbersOf(const QJsonArray &records)
{
    QStringList numbers;
    for (const QJsonValue &record : records)
        numbers << QString::number(record[QLatin1String("recordNumber")].toInt());
    return numbers;
}

// The window of the child process: receives from the port it is given, saves
// the first batch to an archive, types into a line field and the note of the
// second batch's record as a user would while the third batch comes, says
// so, and runs until killed.
int runWindowUntilKilled(const QString &port, const QString &store, const QString &archive)
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
    if (!QTest::qWaitFor([&] { return list->count() == 2; }, 30000))
        return 5;
    window.dialogs.fileAnswers << archive;
    window.main.saveAct->trigger();
    // The third batch is on its way: it is listed about 1.2 s after its
    // first frame, so typing from 0.3 s on ends less than a second before.
    if (!QTest::qWaitFor(
            [&] {
                return list->count() == 4
                    && window.main.statusBar()->currentMessage().startsWith("Receiving");
            },
            30000))
        return 6;
    QTest::qWait(300);
    QTest::keyClicks(window.main.reportWindow->Edit_Operator, typed);
    QTextEdit *note = window.main.reportWindow->Edit_Comment;
    note->setFocus();
    const QStringList lines = typedNote.split('\n');
    QTest::keyClicks(note, lines.first());
    QTest::keyClick(note, Qt::Key_Return);
    QTest::keyClicks(note, lines.last());
    if (list->count() != 4)
        return 7; // too slow: the next batch was already there
    if (!QTest::qWaitFor([&] { return list->count() == 5; }, 30000))
        return 8;
    QTextStream(stdout) << "typed" << Qt::endl;
    return QApplication::exec();
}
} // namespace

// Killed after saving the first batch and typing into the second a moment
// before the third came: the next start offers the unsaved records only,
// the typed texts with the record they were typed into.
void TestKeepingRecords::killedWindowOffersItsRecordsAgain()
{
    QTemporaryDir dir;
    QVERIFY(prepareWindowTests(dir));
    const QString store = dir.filePath(QStringLiteral("records.sqlite"));
    const QString archive = dir.filePath(QStringLiteral("first.mrf"));
    ScriptedMeter meter;
    QVERIFY(meter.start(
        { generatedExport(2, 41), generatedExport(2, 42), generatedExport(1, 45) }, 1500));

    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
        { "--window-child", meter.path(), store, archive });
    QVERIFY(child.waitForStarted());
    QVERIFY2(QTest::qWaitFor(
                 [&] {
                     child.waitForReadyRead(100);
                     return child.readAll().contains("typed")
                         || child.state() == QProcess::NotRunning;
                 },
                 60000),
        "the child window got no records");
    QVERIFY2(child.state() == QProcess::Running, qPrintable(QString::number(child.exitCode())));
    // The texts in the store with the record they were typed into: then the plug.
    const auto typedInto = [&](const QJsonArray &stored) {
        const QJsonValue headers = stored.at(3)[QLatin1String("headers")];
        return headers[QLatin1String("operatorName")].toString() == typed
            && headers[QLatin1String("noteHtml")].toString().contains(typedNote.section('\n', 1));
    };
    QVERIFY(QTest::qWaitFor([&] { return typedInto(historyOf(store)); }, 15000));
    ::kill(pid_t(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished());
    const QStringList received = numbersOf(historyOf(store));
    QCOMPARE(received.size(), 5);
    QCOMPARE(RecordArchive::load(archive).records.size(), 2);

    // The next start.
    {
        TestWindow window;
        window.dialogs.questionAnswers << true;
        QListWidget *list = window.main.connectionPanel->List_Records;
        QTRY_COMPARE(list->count(), 3);
        QCOMPARE(window.dialogs.calls.size(), 1);
        const DialogCall &question = window.dialogs.calls.first();
        QCOMPARE(question.kind, QStringLiteral("question"));
        QCOMPARE(question.title, QStringLiteral("Lumetra"));
        QCOMPARE(question.text,
            QStringLiteral("The last session ended with 3 records that were not saved to an "
                           "archive. Show them again?"));
        // As an opened archive is listed, in the order the records arrived.
        QCOMPARE(entriesOf(window.main), received.mid(2));
        QStringList operators;
        for (const ReportHeaderTexts &texts : window.main.recordHeaders()) {
            operators << texts.operatorName;
            QVERIFY(!texts.exportTime.isEmpty());
        }
        // The third batch arrived with the texts on screen, as every batch does.
        QCOMPARE(operators, QStringList({ "", typed, typed }));
        list->setCurrentRow(1);
        QCOMPARE(window.main.reportWindow->Edit_Operator->text(), typed);
        QCOMPARE(window.main.reportWindow->Edit_Comment->toPlainText(), typedNote);
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
    // A store the user named: its folder keeps its mode.
    const mode_t umaskBefore = ::umask(022);
    QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
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
        // The store answers in the background.
        const auto shown = [&] {
            const QLabel *state = window.main.statusBar()->findChild<QLabel *>("Label_StoreState");
            return state && !state->isHidden() ? state->text() : QString();
        };
        QTRY_COMPARE(shown(), QStringLiteral("Records are not being kept: database is locked"));
        QCOMPARE(warnings.filter(QStringLiteral("not being kept")),
            QStringList({ "Lumetra: records are not being kept: database is locked" }));
        // The store, its -wal and -shm, the session lock and the waiting file.
        const QStringList kept = QDir(dir.path()).entryList(QDir::Files);
        QVERIFY2(kept.filter(QStringLiteral("lock")).size() == 1
                && kept.filter(QStringLiteral("pending")).size() >= 1 && kept.size() >= 5,
            qPrintable(kept.join(' ')));
        for (const QString &file : kept)
            QVERIFY2(modeOf(dir.filePath(file)) == 0600, qPrintable(file));
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
    QCOMPARE(modeOf(dir.path()), 0755);
    ::umask(umaskBefore);
}

// lumetra-cli history counts a damaged row and leaves the store as it was;
// Open in the History window says it could not open it.
void TestKeepingRecords::damagedRowIsReported()
{
    QTemporaryDir dir;
    QVERIFY(prepareWindowTests(dir));
    const QString store = dir.filePath(QStringLiteral("records.sqlite"));
    {
        RecordStore writer(StoreLocation::parse(store));
        QVERIFY2(writer.open(), qPrintable(writer.errorString()));
        QVector<StoredRecord> rows(3);
        for (int i = 0; i < 3; ++i)
            rows[i].record.recordNumber = uint16_t(11 + i);
        QVERIFY(writer.write(rows));
        QVERIFY(
            QSqlQuery(writer.database())
                .exec(QStringLiteral("UPDATE lumetra_records SET frame_hex ="
                                     " replace(frame_hex, '0', '1') WHERE record_number = 12")));
    }
    QFile file(store);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    QProcess cli;
    cli.start(QStringLiteral(LUMETRA_CLI), { "history", "--database", store });
    QVERIFY(cli.waitForFinished());
    QCOMPARE(cli.exitCode(), 0);
    QCOMPARE(cli.readAllStandardError(),
        "lumetra-cli: " + store.toUtf8()
            + ": 1 stored record could not be read: its data is damaged\n");
    QVERIFY(file.seek(0));
    QVERIFY(file.readAll() == before);

    TestWindow window;
    window.main.historyAct->trigger();
    auto *history = window.main.findChild<HistoryWindow *>();
    QVERIFY(history);
    QTRY_COMPARE(history->Table_History->model()->rowCount(), 3);
    history->Table_History->selectAll();
    history->Button_Open->click();
    QTRY_COMPARE(entriesOf(window.main).size(), 2);
    QCOMPARE(window.dialogs.calls.size(), 1);
    QCOMPARE(window.dialogs.calls.first().text,
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
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    QCoreApplication::setOrganizationName(QStringLiteral("Tavolin"));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const mode_t umaskBefore = ::umask(0);
    {
        TestWindow window;
        // The store, its -wal and -shm, and the session lock, once the store
        // is open in the background.
        QStringList kept;
        QTRY_VERIFY2((kept = QDir(folder).entryList(QDir::Files)).size() == 4
                && kept.filter(QStringLiteral("records.sqlite")).size() == 4,
            qPrintable(kept.join(' ')));
        for (const QString &file : kept)
            QVERIFY2(modeOf(folder + QLatin1Char('/') + file) == 0600, qPrintable(file));
        QVERIFY(window.main.close());
    }
    ::umask(umaskBefore);
    QCoreApplication::setOrganizationName(QString());
    qunsetenv("XDG_DATA_HOME");
    QCOMPARE(modeOf(folder), 0700);
    QCOMPARE(modeOf(dir.filePath(QStringLiteral("Tavolin/Lumetra.conf"))), 0600);
}

// Records that were waiting for a locked store when the window closed are
// written as the next window starts, before anything arrives.
void TestKeepingRecords::nextStartWritesWhatWaited()
{
    QTemporaryDir dir;
    QVERIFY(prepareWindowTests(dir));
    const QString store = dir.filePath(QStringLiteral("records.sqlite"));
    ScriptedMeter meter;
    QVERIFY(meter.start({ generatedExport(3, 45) }, 1000));
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other");
        other.setDatabaseName(store);
        QVERIFY(other.open());
        QVERIFY(QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        {
            TestWindow window({ meter.path() });
            QTRY_VERIFY(!window.main.connectionPanel->exportTimeText.isEmpty());
            QVERIFY(pickPort(window.main, meter.path()));
            QTRY_COMPARE_WITH_TIMEOUT(window.main.connectionPanel->List_Records->count(), 3, 20000);
            QVERIFY(window.main.close());
        }
        QVERIFY(QSqlQuery(other).exec(QStringLiteral("COMMIT")));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    QVERIFY(QFileInfo::exists(store + QStringLiteral(".pending")));

    TestWindow next;
    QCoreApplication::processEvents();
    QVERIFY(next.dialogs.calls.isEmpty()); // closed on purpose: nothing to offer again
    QTRY_COMPARE(historyOf(store).size(), 3);
}

// The same export arrives again while other texts are on screen: it is
// listed with them, but the texts typed for it before stay its latest until
// the user edits it.
void TestKeepingRecords::arrivingAgainKeepsTypedTexts()
{
    QTemporaryDir dir;
    QVERIFY(prepareWindowTests(dir));
    const QString store = dir.filePath(QStringLiteral("records.sqlite"));
    const QByteArray exported = generatedExport(3, 46);
    ScriptedMeter meter;
    QVERIFY(meter.start({ exported, exported }, 8000));
    TestWindow window({ meter.path() });
    QListWidget *list = window.main.connectionPanel->List_Records;
    QLineEdit *company = window.main.reportWindow->Edit_Company;
    QTRY_VERIFY(!window.main.connectionPanel->exportTimeText.isEmpty());
    QVERIFY(pickPort(window.main, meter.path()));
    QTRY_COMPARE_WITH_TIMEOUT(list->count(), 3, 20000);
    QTest::keyClicks(company, QStringLiteral("Fibre Works"));
    QTRY_COMPARE_WITH_TIMEOUT(historyOf(store, QStringLiteral("Fibre Works")).size(), 1, 5000);

    window.main.clearAllAct->trigger();
    company->clear();
    QTest::keyClicks(company, QStringLiteral("Other Co"));
    QTRY_COMPARE_WITH_TIMEOUT(list->count(), 3, 20000);
    QCOMPARE(window.main.recordHeaders().last().companyName, QStringLiteral("Other Co"));
    QCOMPARE(historyOf(store, QStringLiteral("Fibre Works")).size(), 1);
    QCOMPARE(historyOf(store, QStringLiteral("Other Co")).size(), 0);

    QTest::keyClicks(company, QStringLiteral(" Ltd"));
    QTRY_COMPARE_WITH_TIMEOUT(historyOf(store, QStringLiteral("Other Co Ltd")).size(), 1, 5000);
    QCOMPARE(companyVersionsOf(store),
        QList<QStringList>({ { "" }, { "" }, { "", "Fibre Works", "Other Co Ltd" } }));
}

// One export, received by the window and by lumetra-cli into stores of their
// own: the same records in the same order from the same meter; the window's
// carry the texts on screen, the command line's none.
void TestKeepingRecords::windowAndCommandLineKeepAlike()
{
    QTemporaryDir dir;
    QVERIFY(prepareWindowTests(dir));
    const QByteArray exported = generatedExport(4, 48);
    const QString cliStore = dir.filePath(QStringLiteral("cli.sqlite"));
    ScriptedMeter cliMeter;
    QVERIFY(cliMeter.start({ exported }, 0));
    QVERIFY(!outputOf(QStringLiteral(LUMETRA_CLI),
        { "receive", cliMeter.path(), "--batches", "1", "--timeout", "30", "--database", cliStore })
                 .isEmpty());

    ScriptedMeter meter;
    QVERIFY(meter.start({ exported }, 0));
    TestWindow window({ meter.path() });
    QTRY_VERIFY(!window.main.connectionPanel->exportTimeText.isEmpty());
    QTest::keyClicks(window.main.reportWindow->Edit_Company, QStringLiteral("Fibre Works"));
    QVERIFY(pickPort(window.main, meter.path()));
    const auto rowsOf = [](const QString &store) {
        QVector<StoredRecord> rows;
        RecordStore reader(StoreLocation::parse(store));
        if (reader.open(RecordStore::Access::ReadOnly))
            reader.forEachRecord({}, [&](const StoredRecord &row) { rows << row; });
        return rows;
    };
    const QString windowStore = dir.filePath(QStringLiteral("records.sqlite"));
    QTRY_COMPARE_WITH_TIMEOUT(rowsOf(windowStore).size(), 4, 20000);
    const QVector<StoredRecord> byWindow = rowsOf(windowStore), byCli = rowsOf(cliStore);
    QCOMPARE(byCli.size(), 4);
    const QVector<ReportHeaderTexts> onScreen = window.main.recordHeaders();
    for (int i = 0; i < 4; ++i) {
        const StoredRecord &a = byWindow.at(i), &b = byCli.at(i);
        QCOMPARE(a.key(), b.key());
        QCOMPARE(a.frameBytes(), b.frameBytes());
        QCOMPARE(QStringList({ a.sourceKind, QString::number(a.batchPosition),
                     QStringLiteral("%1.%2").arg(a.meterVersionMajor).arg(a.meterVersionMinor),
                     QString::number(a.meterVerdict) }),
            QStringList({ b.sourceKind, QString::number(b.batchPosition),
                QStringLiteral("%1.%2").arg(b.meterVersionMajor).arg(b.meterVersionMinor),
                QString::number(b.meterVerdict) }));
        QVERIFY(a.hasVersion && b.hasVersion);
        QCOMPARE(a.headers, onScreen.at(i));
        QCOMPARE(a.headers.companyName, QStringLiteral("Fibre Works"));
        QCOMPARE(b.headers, ReportHeaderTexts());
    }
}

// A store of the version before is upgraded as the window starts, with a
// progress dialog; Cancel leaves it as it was, and the window says so.
void TestKeepingRecords::cancelledUpgradeLeavesTheStoreAsItWas()
{
    QTemporaryDir dir;
    QVERIFY(prepareWindowTests(dir));
    const QString store = dir.filePath(QStringLiteral("records.sqlite"));
    QVERIFY(QFile::copy(QStringLiteral(LUMETRA_FIXTURES "/records-v3.sqlite"), store));
    QFile::setPermissions(store, QFile::ReadOwner | QFile::WriteOwner);
    const auto digest = [&store] {
        QFile file(store);
        return file.open(QIODevice::ReadOnly)
            ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
            : QByteArray();
    };
    const QByteArray before = digest();
    {
        TestWindow window;
        window.dialogs.cancelAtStep = 0;
        window.main.show();
        const auto shown = [&] {
            const QLabel *state = window.main.statusBar()->findChild<QLabel *>("Label_StoreState");
            return state && !state->isHidden() ? state->toolTip() : QString();
        };
        QTRY_VERIFY(shown().contains(QLatin1String("was cancelled")));
        QCOMPARE(window.dialogs.progressLabels,
            QStringList({ "Upgrading the records store: building its search index…" }));
    }
    QCOMPARE(digest(), before);
    RecordStore reader(StoreLocation::parse(store));
    QVERIFY(reader.open(RecordStore::Access::ReadOnly));
    QCOMPARE(reader.foundVersion(), 3);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], "--window-child") == 0)
        return runWindowUntilKilled(QString::fromLocal8Bit(argv[2]),
            QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]));
    TestKeepingRecords test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keepingrecords.moc"
