// Sends records from the meter emulator into a pseudo-terminal at line rate
// and measures how long the download thread takes to hand the last one over.
// Not a test: the figure is the poll loop's intake, about 255 bytes per poll.
#include "mainctrlthread.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>
#include <QTimer>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList arguments = app.arguments();
    const int count = arguments.size() > 2 ? arguments.at(2).toInt() : 200;
    if (arguments.size() < 2) {
        out << "usage: lumetra-download-bench PATH/TO/lumetra-meter-sim [RECORDS]\n";
        return 2;
    }

    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(arguments.at(1),
        { QStringLiteral("--pty"), QStringLiteral("--records"), QString::number(count),
            QStringLiteral("--wait-open"), QStringLiteral("--linger"), QStringLiteral("600") });
    if (!sim.waitForStarted() || !sim.waitForReadyRead(5000)) {
        out << "emulator did not start\n";
        return 1;
    }
    const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();
    qputenv("LUMETRA_PORTS", path.toLocal8Bit());

    MainCtrlThread thread;
    thread.listPorts();
    const int index = thread.portIndexOf(path.toStdString());
    thread.selectedPortIndex = index;
    QElapsedTimer timer;
    // The emulator starts sending as soon as the port is open.
    timer.start();
    if (index < 0 || thread.openSelectedPort() != 0) {
        out << "cannot open " << path << '\n';
        return 1;
    }

    int received = 0;
    qint64 lastHandOver = 0;
    QObject::connect(
        &thread.debugCommunication, &DebugCommunication::NewFileGenerated, &app, [&](uint) {
            received += thread.takeBatch().records.size();
            lastHandOver = timer.elapsed();
            if (received >= count)
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

    const double bytes = count * 117.0 + 2.0;
    const double lineSeconds = bytes / 10937.5;
    out << "records handed over: " << received << " of " << count << '\n'
        << "first byte to last record handed over: " << lastHandOver / 1000.0 << " s\n"
        << "line time of the same bytes: " << lineSeconds << " s\n"
        << "ratio: " << (lastHandOver / 1000.0) / lineSeconds << '\n';
    return received == count ? 0 : 1;
}
