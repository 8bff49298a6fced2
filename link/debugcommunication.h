// SPDX-License-Identifier: MIT
#ifndef LUMETRA_DEBUGCOMMUNICATION_H
#define LUMETRA_DEBUGCOMMUNICATION_H

#include <QObject>

// The download thread's signal carrier. It lives in the thread that created the
// thread object (the main thread), so every connection to a window is queued.
class DebugCommunication : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void NewFileGenerated(uint verdict); // one per finished batch; 0 supported meter, 1 not
    // Every poll while records are being collected, with how many have come so far.
    void StartDownload(int receivedRecords);
    void PortCOMInitialisation(int port);
    void ExitWithFailure(int code);

public slots:
    void PortCOMInit(int port) { emit PortCOMInitialisation(port); }
};

#endif
