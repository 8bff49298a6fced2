// SPDX-License-Identifier: MIT
// Measures the download thread against the meter emulator on a pseudo-terminal.
// Not a test: it prints figures.
//   lumetra-download-bench SIM [RECORDS] [--burst SIZE:MS]
//       sends RECORDS generated records (default 200) at line rate and times
//       the hand-over against the line time; checks every record bit for bit
//   lumetra-download-bench SIM --idle SECONDS
//       the CPU time of the download thread polling a silent port
#include "framedecoder.h"
#include "meterframe.h"
#include "mainctrlthread.h"
#include "meterline.h"
#include "recordgenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <QTimer>
#include <chrono>
#include <thread>

namespace {

// The emulator on a pty of its own; the port path, or empty when it did not start.
QString startEmulator(QProcess &sim, const QString &program, const QStringList &arguments)
{
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(program, QStringList { QStringLiteral("--pty") } + arguments);
    if (!sim.waitForStarted() || !sim.waitForReadyRead(5000))
        return QString();
    return QString::fromLocal8Bit(sim.readLine()).trimmed();
}

bool openPort(MainCtrlThread &thread, const QString &path)
{
    qputenv("LUMETRA_PORTS", path.toLocal8Bit());
    thread.portTrace = stderr;
    thread.listPorts();
    thread.selectedPortIndex = thread.portIndexOf(path.toStdString());
    return thread.selectedPortIndex >= 0 && thread.openSelectedPort() == 0;
}

// CPU seconds of this process's thread named name, from the scheduler's
// nanosecond count; -1 when not found.
double threadCpuSeconds(const QByteArray &name)
{
    const QString tasks = QStringLiteral("/proc/self/task");
    for (const QString &task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks + '/' + task + QStringLiteral("/comm"));
        if (!comm.open(QIODevice::ReadOnly) || comm.readAll().trimmed() != name)
            continue;
        QFile schedstat(tasks + '/' + task + QStringLiteral("/schedstat"));
        if (!schedstat.open(QIODevice::ReadOnly))
            return -1;
        return schedstat.readAll().split(' ').value(0).toDouble() / 1e9;
    }
    return -1;
}

int idle(const QString &simProgram, int seconds, QTextStream &out)
{
    QProcess sim;
    // --on-enter with nobody pressing Enter: an open port that stays silent.
    const QString path = startEmulator(sim, simProgram, { QStringLiteral("--on-enter") });
    MainCtrlThread thread;
    if (path.isEmpty() || !openPort(thread, path)) {
        out << "cannot open the emulator's port\n";
        return 1;
    }
    thread.waitingForPort = 0;
    thread.start();
    std::this_thread::sleep_for(std::chrono::seconds(1)); // past start-up
    const double before = threadCpuSeconds("MainCtrlThread");
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const double after = threadCpuSeconds("MainCtrlThread");
    thread.stop();
    thread.stopAndWait(3000);
    sim.kill();
    sim.waitForFinished();
    if (before < 0 || after < 0) {
        out << "download thread not found under /proc/self/task\n";
        return 1;
    }
    out << "download thread CPU while idle for " << seconds << " s: " << (after - before) << " s ("
        << 100.0 * (after - before) / seconds << " % of a core)\n";
    return 0;
}

int download(QCoreApplication &app, const QString &simProgram, int count, const QString &burst,
    QTextStream &out)
{
    QStringList arguments = { QStringLiteral("--records"), QString::number(count),
        QStringLiteral("--wait-open"), QStringLiteral("--linger"), QStringLiteral("600") };
    if (!burst.isEmpty())
        arguments << QStringLiteral("--burst") << burst;
    QProcess sim;
    const QString path = startEmulator(sim, simProgram, arguments);

    MainCtrlThread thread;
    QElapsedTimer timer;
    // The emulator starts sending as soon as the port is open.
    timer.start();
    if (path.isEmpty() || !openPort(thread, path)) {
        out << "cannot open the emulator's port\n";
        return 1;
    }

    QVector<TestRecord> received;
    int batches = 0;
    qint64 firstAnnounced = -1;
    qint64 lastHandOver = 0;
    QObject::connect(&thread.debugCommunication, &DebugCommunication::StartDownload, &app, [&] {
        if (firstAnnounced < 0)
            firstAnnounced = timer.elapsed();
    });
    QObject::connect(
        &thread.debugCommunication, &DebugCommunication::NewFileGenerated, &app, [&](uint) {
            received += thread.takeBatch().records;
            ++batches;
            lastHandOver = timer.elapsed();
            if (received.size() >= count)
                app.quit();
        });
    QTimer::singleShot(300000, &app, &QCoreApplication::quit);
    thread.waitingForPort = 0;
    thread.start();
    app.exec();
    thread.stop();
    thread.stopAndWait(3000);
    sim.kill();
    sim.waitForFinished();

    const QVector<TestRecord> expected = RecordGenerator(1).generate(count);
    int intact = 0;
    for (int i = 0; i < qMin(received.size(), expected.size()); ++i)
        intact += encodeFrame(received.at(i)) == encodeFrame(expected.at(i)) ? 1 : 0;
    const double lineSeconds
        = meterLineSeconds(count * FrameDecoder::frameSize + FrameDecoder::trailerSize);
    const double handOverSeconds = lastHandOver / 1000.0;
    out << "delivery: " << (burst.isEmpty() ? QStringLiteral("plain") : "burst " + burst) << '\n'
        << "records handed over: " << received.size() << " of " << count << " in " << batches
        << (batches == 1 ? " batch" : " batches") << ", intact: " << intact << '\n'
        << "first byte to first StartDownload: " << firstAnnounced / 1000.0 << " s\n"
        << "first byte to last record handed over: " << handOverSeconds << " s\n"
        << "line time of the same bytes: " << lineSeconds << " s\n"
        << "over line time: " << handOverSeconds - lineSeconds << " s\n";
    return received.size() == count && intact == count ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty()) {
        out << "usage: lumetra-download-bench SIM [RECORDS] [--burst SIZE:MS]\n"
               "       lumetra-download-bench SIM --idle SECONDS\n";
        return 2;
    }
    const QString simProgram = arguments.takeFirst();
    const int idleAt = arguments.indexOf(QStringLiteral("--idle"));
    if (idleAt >= 0)
        return idle(simProgram, arguments.value(idleAt + 1, QStringLiteral("60")).toInt(), out);
    QString burst;
    const int burstAt = arguments.indexOf(QStringLiteral("--burst"));
    if (burstAt >= 0) {
        burst = arguments.value(burstAt + 1);
        arguments.erase(
            arguments.begin() + burstAt, arguments.begin() + qMin(burstAt + 2, arguments.size()));
    }
    const int count = arguments.isEmpty() ? 200 : arguments.first().toInt();
    return download(app, simProgram, count, burst, out);
}
