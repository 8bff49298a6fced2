#ifndef LUMETRA_MAINCTRLTHREAD_H
#define LUMETRA_MAINCTRLTHREAD_H

#include "debugcommunication.h"
#include "framedecoder.h"
#include "iodevice.h"
#include "testrecord.h"

#include <QMutex>
#include <QQueue>
#include <QString>
#include <QThread>
#include <QVector>
#include <atomic>
#include <cstdint>

// The download thread: waits for a port, then polls it every 400 ms, decodes
// frames and hands every finished transmission over as one batch.
//
// Hand-over: a finished batch is queued under a lock before NewFileGenerated
// is emitted, and takeBatch() hands out the oldest queued batch, so every
// batch reaches the main thread once and in order even when a second one
// completes while the first is still being taken in.
class MainCtrlThread : public QThread, public IoDevice
{
    Q_OBJECT
public:
    explicit MainCtrlThread(QObject *parent = nullptr);
    ~MainCtrlThread() override; // closes the current port; stop the loop first

    // Closes the current port; the loop keeps polling.
    void stop();

    // Orderly end: the loop leaves at its next poll (or wait step); then wait().
    void requestStop();
    bool stopAndWait(unsigned long milliseconds);

    // The oldest finished batch, removed from the queue; empty when none is queued.
    QVector<TestRecord> takeBatch();

    int8_t meterVersionMajor() const;
    int8_t meterVersionMinor() const;

    std::atomic<int> waitingForPort{ 1 };
    QString baseDirectory; // set once by the main thread, before the loop reads nothing of it
    DebugCommunication debugCommunication;

protected:
    void run() override;

private:
    void readFrames();

    FrameDecoder decoder;
    std::atomic<bool> stopRequested{ false };
    std::atomic<int> versionBits{ 0 };
    QMutex batchLock;
    QQueue<QVector<TestRecord>> batches;
};

#endif
