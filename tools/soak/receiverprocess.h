// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECEIVERPROCESS_H
#define LUMETRA_RECEIVERPROCESS_H

#include <QElapsedTimer>
#include <QJsonArray>
#include <QProcess>
#include <QQueue>
#include <QString>
#include <QStringList>

// One batch as the receiver printed it.
struct ReceivedBatch
{
    QJsonArray records;
    int droppedBytes = 0;
    bool hasVersion = false;
    int meterVersionMajor = 0;
    int meterVersionMinor = 0;
    qint64 arrivalMs = 0; // on the receiver's clock below
};

// lumetra-cli receive --json --reopen on a port, run for the whole soak. Its
// batches are parsed as they come; of its standard error only the last lines
// are kept, so that it can run for hours.
class ReceiverProcess
{
public:
    ReceiverProcess(const QString &program, const QString &port);
    ~ReceiverProcess();

    bool start(QString *error);
    bool isRunning() const;
    QString exitText() const; // how it ended, when it did

    // Takes in what the receiver has printed, waiting up to milliseconds for more.
    void pump(int milliseconds);
    bool hasBatch() const { return !batches.isEmpty(); }
    ReceivedBatch takeBatch() { return batches.dequeue(); }

    qint64 nowMs() const { return clock.elapsed(); }
    int reopenCount() const { return reopens; }
    QStringList lastErrorLines() const { return errorLines; }
    bool malformedLineSeen() const { return malformed; }

    // Resident and peak resident memory in kB, from /proc; 0 when unknown.
    qint64 residentKb() const;
    qint64 peakResidentKb() const;

private:
    void takeOutput();
    void takeErrors();
    qint64 statusKb(const char *field) const;

    QString program;
    QString port;
    QProcess process;
    QElapsedTimer clock;
    QByteArray pendingOut;
    QByteArray pendingErr;
    QQueue<ReceivedBatch> batches;
    QStringList errorLines;
    int reopens = 0;
    bool malformed = false;
};

#endif
