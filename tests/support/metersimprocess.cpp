// SPDX-License-Identifier: MIT
#include "metersimprocess.h"

#include "capturedecoding.h"

MeterSimProcess::MeterSimProcess(const QStringList &arguments)
    : arguments(arguments)
{
}

MeterSimProcess::~MeterSimProcess()
{
    kill();
}

bool MeterSimProcess::start()
{
    process.start(
        QStringLiteral(LUMETRA_METER_SIM), QStringList { QStringLiteral("--pty") } + arguments);
    if (!process.waitForStarted(5000))
        return false;
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(5000))
            return false;
    }
    ptyPath = QString::fromLocal8Bit(process.readLine()).trimmed();
    return ptyPath.startsWith(QLatin1Char('/'));
}

void MeterSimProcess::kill()
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    }
}

QByteArray MeterSimProcess::standardError()
{
    return process.readAllStandardError();
}

QVector<TestRecord> MeterSimProcess::recordsFor(const QStringList &arguments)
{
    return decodeCapture(streamFor(arguments)).records;
}

QByteArray MeterSimProcess::streamFor(const QStringList &arguments)
{
    QStringList filtered;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        // Pacing, pauses and repeats do not change what one export sends.
        if (argument == QLatin1String("--wait-open"))
            continue;
        if (argument == QLatin1String("--frame-gap") || argument == QLatin1String("--linger")
            || argument == QLatin1String("--every") || argument == QLatin1String("--repeat")
            || argument == QLatin1String("--pause-at") || argument == QLatin1String("--burst")) {
            ++i;
            continue;
        }
        filtered << argument;
    }
    QProcess process;
    process.start(QStringLiteral(LUMETRA_METER_SIM),
        filtered
            + QStringList {
                QStringLiteral("--no-pacing"), QStringLiteral("--output"), QStringLiteral("-") });
    if (!process.waitForFinished(10000))
        return {};
    return process.readAllStandardOutput();
}
