// SPDX-License-Identifier: MIT
// lumetra-store-bench [--database URL|FILE] [--records N] [--cli PATH]
// Fills a records store with N records (100,000 by default) in batches of
// 1,000, as the window keeps them, and reports how long a batch takes; then
// opens the history window on it and types into its filter; with --cli, times
// lumetra-cli history of the whole store to JSON. Without --database, a
// fresh SQLite file in a scratch folder. The store should be empty.
#include "historywindow.h"
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
#include <QProcess>
#include <QSqlQuery>
#include <QStringList>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

namespace {
constexpr int batchSize = 1000;

QString ms(qint64 nanoseconds)
{
    return QString::number(nanoseconds / 1e6, 'f', 1) + QStringLiteral(" ms");
}

QVector<StoredRecord> batchOf(RecordGenerator &generator, int batch)
{
    static const QStringList companies = { "Fibre Works Ltd", "Northern Trunks", "MPO Cabling AG",
        "Datacentre Links", "Campus Networks" };
    static const QStringList operators = { "A. Operator", "B. Tester", "C. Splicer" };
    QVector<StoredRecord> rows;
    const qint64 start = QDateTime::currentMSecsSinceEpoch() - qint64(200 - batch) * 3600000;
    for (int i = 0; i < batchSize; ++i) {
        StoredRecord row;
        row.record = generator.next();
        row.headers = { companies.at((batch + i) % companies.size()),
            operators.at(i % operators.size()), QStringLiteral("MPO-12 meter"),
            QStringLiteral("12-06-2026"), QStringLiteral("SN%1-%2").arg(batch).arg(i),
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

// Until the history's reading thread has handed over its rows.
void waitForRows(HistoryWindow &history)
{
    while (history.model->isReading())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// One key press in the filter, until the view has its new first rows.
qint64 typeKey(HistoryWindow &history, QChar key)
{
    QElapsedTimer timer;
    timer.start();
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(key));
    QApplication::sendEvent(history.Edit_Search, &press);
    waitForRows(history);
    return timer.nsecsElapsed();
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QStringList arguments = app.arguments().mid(1);
    QString database, cli;
    int count = 100000;
    while (arguments.size() >= 2) {
        const QString option = arguments.takeFirst();
        const QString value = arguments.takeFirst();
        if (option == QLatin1String("--database"))
            database = value;
        else if (option == QLatin1String("--records"))
            count = value.toInt();
        else if (option == QLatin1String("--cli"))
            cli = QFileInfo(value).absoluteFilePath();
    }
    if (!arguments.isEmpty() || count < batchSize) {
        out << "usage: lumetra-store-bench [--database URL|FILE] [--records N] [--cli PATH]\n";
        return 2;
    }
    QTemporaryDir scratch;
    if (database.isEmpty())
        database = scratch.filePath(QStringLiteral("records.sqlite"));
    const StoreLocation location = StoreLocation::parse(database);
    out << "store: " << location.displayName() << "\n";

    QVector<qint64> batchTimes;
    {
        RecordKeeper keeper(location);
        keeper.startSession();
        RecordGenerator generator(2026);
        for (int batch = 0; batch < count / batchSize; ++batch) {
            const QVector<StoredRecord> rows = batchOf(generator, batch);
            QElapsedTimer timer;
            timer.start();
            if (!keeper.keep(rows)) {
                out << "the store failed: " << keeper.problem() << "\n";
                return 1;
            }
            batchTimes << timer.nsecsElapsed();
        }
    }
    {
        // The statistics a server's autovacuum gathers within a minute of the
        // inserts; without them its planner takes a text filter for rarer
        // than it is and sorts the whole table instead of reading the index.
        RecordStore store(location);
        if (store.open())
            QSqlQuery(store.database()).exec(QStringLiteral("ANALYZE"));
    }
    std::vector<qint64> sorted(batchTimes.begin(), batchTimes.end());
    std::sort(sorted.begin(), sorted.end());
    out << "storing a batch of " << batchSize << " records (" << batchTimes.size()
        << " batches): first " << ms(batchTimes.first()) << ", median "
        << ms(sorted[sorted.size() / 2]) << ", slowest " << ms(sorted.back()) << "\n";
    out.flush();

    {
        QElapsedTimer timer;
        timer.start();
        HistoryWindow history(new RecordHistoryModel(location), nullptr);
        history.show();
        waitForRows(history);
        const qint64 opened = timer.nsecsElapsed();
        out << "opening the history (" << history.model->rowCount() << " rows fetched of " << count
            << "): " << ms(opened) << "\n";
        QStringList keystrokes;
        qint64 slowest = 0;
        // The last key matches nothing: the whole store is looked through.
        for (const QChar key : QStringLiteral("trunk 7x")) {
            const qint64 took = typeKey(history, key);
            slowest = std::max(slowest, took);
            keystrokes << QStringLiteral("\"%1\" %2 (%3 rows)")
                              .arg(history.Edit_Search->text(), ms(took))
                              .arg(history.model->rowCount());
        }
        out << "filter keystrokes: " << keystrokes.join(QStringLiteral(", ")) << "\n";
        out << "slowest keystroke: " << ms(slowest) << "\n";
        out.flush();
    }

    if (!cli.isEmpty()) {
        QProcess history;
        history.setStandardOutputFile(scratch.filePath(QStringLiteral("history.json")));
        QElapsedTimer timer;
        timer.start();
        history.start(cli, { "history", "--database", database, "--json" });
        if (!history.waitForFinished(600000) || history.exitCode() != 0) {
            out << "lumetra-cli history failed: " << history.readAllStandardError() << "\n";
            return 1;
        }
        out << "lumetra-cli history --json: " << ms(timer.nsecsElapsed()) << ", "
            << QFileInfo(scratch.filePath(QStringLiteral("history.json"))).size() / 1000000
            << " MB\n";
    }
    return 0;
}
