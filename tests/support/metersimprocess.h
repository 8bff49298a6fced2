// SPDX-License-Identifier: MIT
#ifndef LUMETRA_TEST_METERSIMPROCESS_H
#define LUMETRA_TEST_METERSIMPROCESS_H

#include "testrecord.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVector>

// The meter emulator on a pseudo-terminal of its own, for tests that need a
// real serial byte stream.
class MeterSimProcess
{
public:
    explicit MeterSimProcess(const QStringList &arguments);
    ~MeterSimProcess();

    // Starts the emulator and waits for the pty path on its first line.
    bool start();
    QString path() const { return ptyPath; }
    void kill();
    QByteArray standardError();

    // The bytes of one export of an emulator run with these arguments, and the
    // records decoded from them.
    static QByteArray streamFor(const QStringList &arguments);
    static QVector<TestRecord> recordsFor(const QStringList &arguments);

private:
    QStringList arguments;
    QProcess process;
    QString ptyPath;
};

#endif
