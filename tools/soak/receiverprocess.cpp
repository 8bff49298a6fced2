// SPDX-License-Identifier: MIT
#include "receiverprocess.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
constexpr int keptErrorLines = 20;
}

ReceiverProcess::ReceiverProcess(const QString &program, const QString &port)
    : program(program)
    , port(port)
{
}

ReceiverProcess::~ReceiverProcess()
{
    if (process.state() != QProcess::NotRunning) {
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
}

bool ReceiverProcess::start(QString *error)
{
    clock.start();
    process.start(program, { "receive", port, "--json", "--reopen" });
    if (!process.waitForStarted(10000)) {
        *error = QStringLiteral("%1: cannot start: %2").arg(program, process.errorString());
        return false;
    }
    return true;
}

bool ReceiverProcess::isRunning() const
{
    return process.state() == QProcess::Running;
}

QString ReceiverProcess::exitText() const
{
    if (isRunning())
        return QStringLiteral("running");
    return process.exitStatus() == QProcess::CrashExit
        ? QStringLiteral("crashed")
        : QStringLiteral("exited with status %1").arg(process.exitCode());
}

void ReceiverProcess::pump(int milliseconds)
{
    if (process.bytesAvailable() == 0 && isRunning())
        process.waitForReadyRead(milliseconds);
    takeOutput();
    takeErrors();
}

void ReceiverProcess::takeOutput()
{
    process.setReadChannel(QProcess::StandardOutput);
    pendingOut += process.readAll();
    int end;
    while ((end = pendingOut.indexOf('\n')) >= 0) {
        const QJsonObject object = QJsonDocument::fromJson(pendingOut.left(end)).object();
        pendingOut.remove(0, end + 1);
        if (!object.value(QLatin1String("records")).isArray()) {
            malformed = true;
            continue;
        }
        ReceivedBatch batch;
        batch.records = object.value(QLatin1String("records")).toArray();
        batch.droppedBytes = object.value(QLatin1String("droppedBytes")).toInt();
        batch.hasVersion = !object.value(QLatin1String("meterVersionMajor")).isNull();
        batch.meterVersionMajor = object.value(QLatin1String("meterVersionMajor")).toInt();
        batch.meterVersionMinor = object.value(QLatin1String("meterVersionMinor")).toInt();
        batch.arrivalMs = nowMs();
        batches.enqueue(batch);
    }
}

void ReceiverProcess::takeErrors()
{
    pendingErr += process.readAllStandardError();
    int end;
    while ((end = pendingErr.indexOf('\n')) >= 0) {
        const QString line = QString::fromLocal8Bit(pendingErr.left(end));
        pendingErr.remove(0, end + 1);
        if (line.endsWith(QLatin1String(": opened again")))
            ++reopens;
        errorLines.append(line);
        if (errorLines.size() > keptErrorLines)
            errorLines.removeFirst();
    }
}

qint64 ReceiverProcess::statusKb(const char *field) const
{
    QFile status(QStringLiteral("/proc/%1/status").arg(process.processId()));
    if (!isRunning() || !status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray name = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(name))
            return line.mid(name.size()).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

qint64 ReceiverProcess::residentKb() const
{
    return statusKb("VmRSS");
}

qint64 ReceiverProcess::peakResidentKb() const
{
    return statusKb("VmHWM");
}
