#ifndef LUMETRA_MAINCTRLTHREAD_H
#define LUMETRA_MAINCTRLTHREAD_H

#include "debugcommunication.h"
#include "downloadbatch.h"
#include "framedecoder.h"
#include "iodevice.h"

#include <QQueue>
#include <QString>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <mutex>

// The download thread: waits for a port, then polls it every 400 ms, decodes
// frames and hands every finished transmission over as one batch.
//
// Hand-over: a finished batch is queued under a lock before NewFileGenerated
// is emitted, and takeBatch() hands out the oldest queued batch, so every
// batch reaches the main thread once and in order, even when a second one
// completes while the receiver is still busy with the first (for instance
// behind a modal box that runs a nested event loop).
class MainCtrlThread : public QThread, public IoDevice
{
    Q_OBJECT
public:
    static constexpr int portWaitMs = 300;
    static constexpr int pollIntervalMs = 400;
    // A transmission is over once nothing arrived for this long (100 ns units).
    static constexpr uint64_t batchQuietTicks = 8000000;

    explicit MainCtrlThread(QObject *parent = nullptr);
    ~MainCtrlThread() override; // ends the loop, then closes the current port

    // Closes the current port; the loop keeps polling.
    void stop();

    // Orderly end: the loop leaves at its next wait step or poll. The longest
    // it can take is one read time-out plus a little.
    void requestStop();
    bool stopAndWait(unsigned long milliseconds);

    // The oldest finished batch, removed from the queue; an empty batch when
    // none is queued.
    DownloadBatch takeBatch();
    int queuedBatchCount();

    std::atomic<int> waitingForPort { 1 };
    QString baseDirectory; // set once by the main thread; the loop never reads it
    DebugCommunication debugCommunication;

protected:
    void run() override;

private:
    void readFrames();
    void handOver();
    bool pause(int milliseconds); // false once a stop was requested

    FrameDecoder decoder;
    // std primitives rather than QMutex: ThreadSanitizer sees through them.
    std::atomic<bool> stopRequested { false };
    std::mutex stopLock;
    std::condition_variable stopSignal;
    std::mutex batchLock;
    QQueue<DownloadBatch> batches;
};

#endif
