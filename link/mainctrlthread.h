// SPDX-License-Identifier: MIT
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

// The download thread: waits for a port, then polls it, decodes frames and
// hands every finished transmission over as one batch.
//
// Polling: the meter never waits, so each poll drains what the port holds,
// reading back to back until a read comes back empty, and looks at the
// received list after the first bytes and every busyCheckMs meanwhile. Once
// the line is quiet the loop pauses pollIntervalMs between polls, as it does
// while idle. An unfinished frame still pending once the line has been quiet
// for a batch interval is dropped, so it cannot shift the next transmission.
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
    static constexpr int busyCheckMs = 100;
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
    int readFrames();
    void checkReceived(); // one look at the received list: announce, drop, hand over
    void handOver();
    bool pause(int milliseconds); // false once a stop was requested

    FrameDecoder decoder;
    int droppedBytes = 0; // since the last hand-over
    // std primitives rather than QMutex: ThreadSanitizer sees through them.
    std::atomic<bool> stopRequested { false };
    std::mutex stopLock;
    std::condition_variable stopSignal;
    std::mutex batchLock;
    QQueue<DownloadBatch> batches;
};

#endif
