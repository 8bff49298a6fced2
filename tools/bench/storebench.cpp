// SPDX-License-Identifier: MIT
// lumetra-store-bench [--database URL|FILE] [--records N] [--cli PATH] [--runs K] [--again]
// Fills a records store with N records (100,000 by default) in batches of
// 1,000, as the window keeps them, and times the batches into the empty and
// into the full store; then times, each as the median and the slowest of K
// runs (5 by default): opening the history window, each keystroke of three
// characters or more while a rare text, a common one and one that matches
// nothing are typed into its search, and reading a job of 10,000 cable IDs;
// with --cli, lumetra-cli history --search of the rare text, job status, and
// history --json and --csv of the whole store with their peak memory; last,
// the upgrade of the store from the version before, which builds its search
// index. Without --database, a fresh SQLite file in a scratch folder. The
// store should be empty; with --again, it is one that an earlier run filled
// with N records, timed again without filling it (at a quieter moment).
#include "cableidassigner.h"
#include "historywindow.h"
#include "jobstore.h"
#include "recordgenerator.h"
#include "recordhistorymodel.h"
#include "recordkeeper.h"
#include "recordstore.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {
constexpr int batchSize = 1000;
constexpr int edgeBatches = 10; // the first and the last, into an empty and a full store
constexpr int jobIds = 10000;
const QString jobName = QStringLiteral("Bench 10000");

QTextStream out(stdout);

QString ms(qint64 nanoseconds)
{
    return QString::number(nanoseconds / 1e6, 'f', 1) + QStringLiteral(" ms");
}

// "median M ms, slowest S ms (n runs)"
QString figure(std::vector<qint64> times)
{
    if (times.empty())
        return QStringLiteral("none");
    std::sort(times.begin(), times.end());
    return QStringLiteral("median %1, slowest %2 (%3 runs)")
        .arg(ms(times[times.size() / 2]), ms(times.back()))
        .arg(times.size());
}

// Which batch a record is in gives its serial number and its note; one
// record in three has the same operator.
QVector<StoredRecord> batchOf(RecordGenerator &generator, int batch, int batches)
{
    static const QStringList companies = { "Fibre Works Ltd", "Northern Trunks", "MPO Cabling AG",
        "Datacentre Links", "Campus Networks" };
    static const QStringList operators = { "A. Operator", "B. Tester", "C. Splicer" };
    QVector<StoredRecord> rows;
    const qint64 start = QDateTime::currentMSecsSinceEpoch() - qint64(batches - batch) * 3600000;
    for (int i = 0; i < batchSize; ++i) {
        StoredRecord row;
        row.record = generator.next();
        row.headers
            = { companies.at((batch + i) % companies.size()), operators.at(i % operators.size()),
                  QStringLiteral("MPO-12 meter"), QStringLiteral("12-06-2026"),
                  QStringLiteral("SN%1-%2").arg(batch).arg(i, 4, 10, QLatin1Char('0')),
                  QStringLiteral("12-06-2026  14:05:09"),
                  QStringLiteral("<p>Trunk %1, cassette %2</p>").arg(batch).arg(i % 12) };
        row.sourceKind = QStringLiteral("port");
        row.source = QStringLiteral("/dev/ttyUSB0");
        row.hasVersion = true;
        row.meterVersionMajor = 2;
        row.meterVersionMinor = 1;
        row.meterVerdict = 0;
        row.receivedAtMs = start + i;
        row.batchPosition = i;
        row.unsaved = true;
        rows << row;
    }
    return rows;
}

bool fill(const StoreLocation &location, int count)
{
    std::vector<qint64> times;
    RecordKeeper keeper(location);
    keeper.startSession();
    RecordGenerator generator(2026);
    const int batches = count / batchSize;
    for (int batch = 0; batch < batches; ++batch) {
        const QVector<StoredRecord> rows = batchOf(generator, batch, batches);
        QElapsedTimer timer;
        timer.start();
        if (!keeper.keep(rows)) {
            out << "the store failed: " << keeper.problem() << "\n";
            return false;
        }
        times.push_back(timer.nsecsElapsed());
    }
    const int edge = std::min<int>(edgeBatches, int(times.size()) / 2);
    out << "storing a batch of " << batchSize
        << " records, into the empty store: " << figure({ times.begin(), times.begin() + edge })
        << "\n"
        << "storing a batch of " << batchSize
        << " records, into the full store: " << figure({ times.end() - edge, times.end() }) << "\n";
    out.flush();
    return true;
}

// Until the history's reading thread has handed over its rows.
void waitForRows(HistoryWindow &history)
{
    while (history.model->isReading())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// One key press in the search, until the view has its new first rows; the
// rest is read before the next key, as a user types more slowly than that.
qint64 typeKey(HistoryWindow &history, QChar key)
{
    bool shown = false;
    const QMetaObject::Connection first = QObject::connect(
        history.model, &RecordHistoryModel::firstRowsShown, [&shown] { shown = true; });
    QElapsedTimer timer;
    timer.start();
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(key));
    QApplication::sendEvent(history.Edit_Search, &press);
    while (!shown)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const qint64 took = timer.nsecsElapsed();
    QObject::disconnect(first);
    waitForRows(history);
    return took;
}

void timeHistoryWindow(const StoreLocation &location, int runs, const QStringList &texts)
{
    std::vector<qint64> opening;
    int rows = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        HistoryWindow history(new RecordHistoryModel(location), nullptr);
        history.show();
        waitForRows(history);
        opening.push_back(timer.nsecsElapsed());
        rows = history.model->rowCount();
    }
    out << "opening the history window, until all " << rows
        << " rows are shown: " << figure(opening) << "\n";
    HistoryWindow history(new RecordHistoryModel(location), nullptr);
    history.show();
    waitForRows(history);
    for (const QString &text : texts) {
        std::vector<qint64> keystrokes;
        qint64 slowest = -1;
        QString slowestAt;
        for (int run = 0; run < runs; ++run) {
            history.Edit_Search->clear();
            waitForRows(history);
            for (const QChar key : text) {
                const qint64 took = typeKey(history, key);
                if (history.Edit_Search->text().size() < 3)
                    continue;
                keystrokes.push_back(took);
                if (took > slowest) {
                    slowest = took;
                    slowestAt = QStringLiteral("\"%1\", run %2")
                                    .arg(history.Edit_Search->text())
                                    .arg(run + 1);
                }
            }
        }
        out << "keystrokes of \"" << text << "\" from the third on, until the first rows show ("
            << history.model->rowCount() << " rows at its end): " << figure(keystrokes)
            << ", the slowest at " << slowestAt << "\n";
        out.flush();
    }
}

// A job of 10,000 IDs, each with a record of the store.
bool makeJob(const StoreLocation &location)
{
    RecordStore store(location);
    JobFacts made;
    if (store.open() && JobStore(store).job(jobName, &made))
        return true; // by an earlier run
    QVector<HistoryRow> newest;
    QVector<StoredRecord> rows;
    if (!store.open() || !store.readHistory({}, jobIds, &newest))
        return false;
    QStringList keys, ids;
    for (const HistoryRow &row : qAsConst(newest))
        keys << row.key;
    for (int i = 1; i <= jobIds; ++i)
        ids << QStringLiteral("A%1-B%2").arg(i / 100, 3, 10, QLatin1Char('0')).arg(i % 100);
    JobStore jobs(store);
    JobFacts facts;
    facts.name = jobName;
    if (!store.readRecords(keys, &rows) || !jobs.createJob(facts)
        || !jobs.addCableIds(jobName, ids))
        return false;
    QSqlDatabase db = store.database();
    QVector<RecordAssignment> given;
    QString error;
    return db.transaction()
        && CableIdAssigner::assignArrivals(db, jobName, {}, rows, &given, &error)
        && store.catchUpSearchIndex(&error) && db.commit();
}

void timeJob(const StoreLocation &location, int runs)
{
    RecordStore store(location);
    store.open(RecordStore::Access::ReadOnly);
    JobStore jobs(store);
    std::vector<qint64> times;
    JobStatus status;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        QVector<JobStore::Summary> all;
        jobs.jobs(&all);
        jobs.readStatus(jobName, &status);
        times.push_back(timer.nsecsElapsed());
    }
    out << "reading a job of " << status.ids.size() << " cable IDs for the jobs window ("
        << status.countsText() << "): " << figure(times) << "\n";
}

struct Run
{
    qint64 nanoseconds = -1;
    qint64 peakKb = 0;
};

// A program to its end, its standard output into a file. Its peak memory is
// its own from its start on: what the kernel counts for a child includes
// what it shared with this program before it started.
Run measured(const QString &program, const QStringList &arguments, const QString &output)
{
    std::vector<QByteArray> texts { program.toLocal8Bit() };
    for (const QString &argument : arguments)
        texts.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(
        &actions, 1, output.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    Run run;
    const bool started = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    qint64 peakKb = 0;
    while (started && waitpid(pid, &status, WNOHANG) == 0) {
        QFile file(QStringLiteral("/proc/%1/status").arg(pid));
        if (file.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : file.readAll().split('\n')) {
                if (line.startsWith("VmHWM:"))
                    peakKb
                        = std::max(peakKb, line.mid(6).trimmed().split(' ').value(0).toLongLong());
            }
        }
        usleep(2000);
    }
    if (started && WIFEXITED(status) && WEXITSTATUS(status) == 0)
        run = { timer.nsecsElapsed(), peakKb };
    return run;
}

void timeCli(const QString &cli, const QString &database, const QString &rare, int runs,
    const QTemporaryDir &scratch)
{
    const QString output = scratch.filePath(QStringLiteral("out"));
    const auto repeat = [&](const QString &what, const QStringList &arguments) {
        std::vector<qint64> times;
        for (int run = 0; run < runs; ++run) {
            const Run done = measured(cli, arguments, output);
            if (done.nanoseconds < 0) {
                out << what << ": failed\n";
                return;
            }
            times.push_back(done.nanoseconds);
        }
        out << what << ": " << figure(times) << "\n";
        out.flush();
    };
    repeat(QStringLiteral("lumetra-cli history --search \"%1\" --csv").arg(rare),
        { "history", "--database", database, "--search", rare, "--csv" });
    QFile found(output);
    found.open(QIODevice::ReadOnly);
    out << "  (" << (found.readAll().count('\n') - 1) / 12 << " records found)\n";
    repeat(QStringLiteral("lumetra-cli job status \"%1\"").arg(jobName),
        { "job", "status", jobName, "--database", database });
    for (const QString format : { "--json", "--csv" }) {
        const Run whole = measured(cli, { "history", "--database", database, format }, output);
        out << "lumetra-cli history " << format << " of the whole store: " << ms(whole.nanoseconds)
            << ", " << QFileInfo(output).size() / 1000000 << " MB written, peak memory "
            << whole.peakKb / 1024 << " MB\n";
        out.flush();
    }
}

// Back to the version before, then upgraded as the window would upgrade it.
void timeUpgrade(const StoreLocation &location)
{
    {
        RecordStore store(location);
        store.open();
        const bool postgres = location.kind == StoreLocation::Kind::PostgreSQL;
        const QStringList statements = postgres
            ? QStringList { "DROP INDEX lumetra_records_search",
                  "DROP INDEX lumetra_record_jobs_search" }
            : QStringList { "DROP TRIGGER lumetra_search_added",
                  "DROP TRIGGER lumetra_search_changed", "DROP TRIGGER lumetra_search_removed",
                  "DROP TRIGGER lumetra_search_id_added", "DROP TRIGGER lumetra_search_id_changed",
                  "DROP TRIGGER lumetra_search_id_removed", "DROP TABLE lumetra_search",
                  "DROP TABLE lumetra_search_order", "DROP TABLE lumetra_search_queue" };
        for (const QString &statement : statements
                + QStringList {
                    "UPDATE lumetra_meta SET value = '3' WHERE name = 'schema_version'" })
            QSqlQuery(store.database()).exec(statement);
    }
    RecordStore store(location);
    qint64 chunks = 0;
    store.setUpgradeProgress([&chunks](qint64, qint64) { return ++chunks > 0; });
    QElapsedTimer timer;
    timer.start();
    const bool upgraded = store.open();
    out << "upgrading the store from version 3, building its search index: "
        << (upgraded ? ms(timer.nsecsElapsed()) : store.errorString()) << " (" << chunks - 1
        << " chunks)\n";
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform says so of every window shown.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) {
        if (!text.contains(QLatin1String("propagateSizeHints")))
            QTextStream(stderr) << text << '\n';
    });
    QApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    QString database, cli;
    int count = 100000, runs = 5;
    const bool again = arguments.removeAll(QStringLiteral("--again")) > 0;
    while (arguments.size() >= 2) {
        const QString option = arguments.takeFirst();
        const QString value = arguments.takeFirst();
        if (option == QLatin1String("--database"))
            database = value;
        else if (option == QLatin1String("--records"))
            count = value.toInt();
        else if (option == QLatin1String("--cli"))
            cli = QFileInfo(value).absoluteFilePath();
        else if (option == QLatin1String("--runs"))
            runs = value.toInt();
    }
    if (!arguments.isEmpty() || count < 2 * batchSize || runs < 1) {
        out << "usage: lumetra-store-bench [--database URL|FILE] [--records N] [--cli PATH]"
               " [--runs K] [--again]\n";
        return 2;
    }
    QTemporaryDir scratch;
    if (database.isEmpty())
        database = scratch.filePath(QStringLiteral("records.sqlite"));
    const StoreLocation location = StoreLocation::parse(database);
    out << "store: " << location.displayName() << ", " << count << " records\n";
    if (!again && !fill(location, count))
        return 1;
    {
        // The statistics a server's autovacuum gathers within a minute of the
        // inserts; without them its planner takes a text filter for rarer
        // than it is and sorts the whole table instead of reading the index.
        RecordStore store(location);
        if (store.open())
            QSqlQuery(store.database()).exec(QStringLiteral("ANALYZE"));
    }
    // A hundred records of the middle batch; a third of the store; none.
    const QString rare = QStringLiteral("SN%1-00").arg(count / batchSize / 2);
    timeHistoryWindow(
        location, runs, { rare, QStringLiteral("B. Tester"), QStringLiteral("trunk 7x") });
    if (!makeJob(location)) {
        out << "the job of " << jobIds << " cable IDs could not be made\n";
        return 1;
    }
    timeJob(location, runs);
    if (!cli.isEmpty())
        timeCli(cli, database, rare, runs, scratch);
    timeUpgrade(location);
    return 0;
}
