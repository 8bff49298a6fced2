// SPDX-License-Identifier: MIT
#ifndef LUMETRA_TEST_WINDOWTESTSUPPORT_H
#define LUMETRA_TEST_WINDOWTESTSUPPORT_H

#include "mainwindow.h"
#include "recordingdialoghost.h"
#include "screenprobe.h"
#include "testrecord.h"

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>
#include <cstdint>
#include <memory>

class MeterSimProcess;

// Settings and the records store kept in settingsDir, the images registered,
// the same font everywhere; false when settingsDir could not be made.
bool prepareWindowTests(const QTemporaryDir &settingsDir);

ScreenProbe screenOf(QSize size);
QRect rectOf(QSize size);

// A pseudo-terminal the serial layer can open as a port; the test holds the
// terminal side open until it closes it.
struct PseudoPort
{
    int master = -1;
    int slave = -1;
    QString path;

    bool open();
    // True once every descriptor of the terminal side is closed.
    bool terminalSideClosed() const;
    ~PseudoPort();
};

// Offers paths as the only serial ports of main's download thread.
class OfferedPorts
{
public:
    OfferedPorts(MainWindow &main, const QStringList &paths);
    ~OfferedPorts();

private:
    QTemporaryDir noKernelPorts;
};

// A main window on an 800 x 600 screen whose boxes are recorded, with paths
// offered as its only serial ports.
struct TestWindow
{
    explicit TestWindow(const QStringList &ports = {});

    RecordingDialogHost dialogs;
    MainWindow main;
    OfferedPorts offered;
};

// The meter emulator on its own pseudo-terminal, sending the exports one
// after another with a pause between them long enough to make each one a
// batch of its own. It sends once the port has been opened.
class ScriptedMeter
{
public:
    ScriptedMeter();
    ~ScriptedMeter();
    bool start(const QVector<QByteArray> &exports, int pauseMs);
    QString path() const;

private:
    QTemporaryDir dir;
    std::unique_ptr<MeterSimProcess> sim;
};

// What the meter sends for one export: a frame per record, then the trailer.
QByteArray exportOf(const QVector<TestRecord> &records, int8_t major, int8_t minor);

// The texts of the record list, and a last entry that says so when the
// collection is not in step with the list.
QStringList entriesOf(const MainWindow &main);

// Runs program to its end: its standard output, or nothing when it failed.
QByteArray outputOf(const QString &program, const QStringList &arguments);

// What a user does in the panel: open the drop-down list, which lists the
// ports behind the hint box, then pick the entry that reads path.
void highlightPortList(MainWindow &main);
bool pickPort(MainWindow &main, const QString &path);

#endif
