// SPDX-License-Identifier: MIT
#include "mainctrlthread.h"

#include "systemfiletime.h"
#include "versionverdict.h"

#include <chrono>
#include <iostream>

MainCtrlThread::MainCtrlThread(QObject *parent)
    : QThread(parent)
{
}

MainCtrlThread::~MainCtrlThread()
{
    requestStop();
    wait();
    closePort();
}

void MainCtrlThread::stop()
{
    closePort();
}

void MainCtrlThread::requestStop()
{
    std::lock_guard<std::mutex> locker(stopLock);
    stopRequested = true;
    stopSignal.notify_all();
}

bool MainCtrlThread::stopAndWait(unsigned long milliseconds)
{
    requestStop();
    return wait(milliseconds);
}

DownloadBatch MainCtrlThread::takeBatch()
{
    std::lock_guard<std::mutex> locker(batchLock);
    return batches.isEmpty() ? DownloadBatch() : batches.dequeue();
}

int MainCtrlThread::queuedBatchCount()
{
    std::lock_guard<std::mutex> locker(batchLock);
    return batches.size();
}

bool MainCtrlThread::pause(int milliseconds)
{
    std::unique_lock<std::mutex> locker(stopLock);
    stopSignal.wait_for(
        locker, std::chrono::milliseconds(milliseconds), [this] { return stopRequested.load(); });
    return !stopRequested;
}

int MainCtrlThread::readFrames()
{
    return decoder.readFrames(
        [this](unsigned char *buffer, int length) { return readCurrentPort(buffer, length); });
}

void MainCtrlThread::handOver()
{
    DownloadBatch batch;
    batch.hasVersion = decoder.hasVersion();
    batch.meterVersionMajor = decoder.meterVersionMajor();
    batch.meterVersionMinor = decoder.meterVersionMinor();
    batch.verdict = versionVerdict(batch.meterVersionMajor, batch.meterVersionMinor);
    batch.records = decoder.takeReceivedRecords();
    batch.droppedBytes = droppedBytes;
    droppedBytes = 0;
    const unsigned verdict = batch.verdict;
    {
        std::lock_guard<std::mutex> locker(batchLock);
        batches.enqueue(std::move(batch));
    }
    emit debugCommunication.NewFileGenerated(verdict);
}

void MainCtrlThread::checkReceived()
{
    const uint64_t now = currentFileTime().ticks();
    if (decoder.pendingCount() > 0 && now > decoder.lastByteTime().ticks() + batchQuietTicks) {
        const int dropped = decoder.dropPartialFrame();
        if (dropped > 0) {
            droppedBytes += dropped;
            std::cerr << "Dropped " << dropped
                      << " bytes of an unfinished frame: the line went quiet." << std::endl;
        }
    }
    if (decoder.receivedRecords().isEmpty())
        return;
    emit debugCommunication.StartDownload(decoder.receivedRecords().size());
    const uint64_t lastArrival = decoder.receivedRecords().constLast().arrivalTime.ticks();
    if (now > lastArrival + batchQuietTicks)
        handOver();
}

void MainCtrlThread::run()
{
    using Clock = std::chrono::steady_clock;
    decoder.reset();
    while (waitingForPort.load() != 0) {
        if (!pause(portWaitMs))
            return;
    }
    decoder.reset();

    while (!stopRequested) {
        // The first records of a transmission are announced at once.
        Clock::time_point nextCheck = Clock::now();
        while (readFrames() > 0 && !stopRequested) {
            if (Clock::now() < nextCheck)
                continue;
            checkReceived();
            if (!decoder.receivedRecords().isEmpty())
                nextCheck = Clock::now() + std::chrono::milliseconds(busyCheckMs);
        }
        if (!pause(pollIntervalMs))
            return;
        checkReceived();
    }
}
