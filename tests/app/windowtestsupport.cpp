// SPDX-License-Identifier: MIT
#include "windowtestsupport.h"

#include "configrun.h"
#include "frameencoder.h"
#include "lumetraimages.h"
#include "mainctrlthread.h"
#include "metersimprocess.h"
#include "uilanguage.h"
#include "uitesthelpers.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QSettings>
#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

bool prepareWindowTests(const QTemporaryDir &settingsDir)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    // The records store too, never the user's.
    qputenv(
        "LUMETRA_DATABASE", settingsDir.filePath(QStringLiteral("records.sqlite")).toLocal8Bit());
    registerLumetraImages();
    useFixedTestFont();
    // English as the program speaks it, with its plural forms.
    UiLanguage::install(*qApp, { QStringLiteral("en") });
    return settingsDir.isValid();
}

ScreenProbe screenOf(QSize size)
{
    ScreenProbe probe;
    probe.windowsVersion = [] { return 10.0; };
    probe.primaryScreen = [size] { return QRect(QPoint(0, 0), size); };
    return probe;
}

QRect rectOf(QSize size)
{
    return QRect(QPoint(0, 0), size);
}

bool PseudoPort::open()
{
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0)
        return false;
    path = QString::fromLocal8Bit(name);
    fcntl(master, F_SETFL, O_NONBLOCK);
    return true;
}

bool PseudoPort::terminalSideClosed() const
{
    char byte = 0;
    return ::read(master, &byte, 1) == -1 && errno == EIO;
}

PseudoPort::~PseudoPort()
{
    if (slave >= 0)
        ::close(slave);
    if (master >= 0)
        ::close(master);
}

OfferedPorts::OfferedPorts(MainWindow &main, const QStringList &paths)
{
    qputenv("LUMETRA_PORTS", paths.join(QLatin1Char(':')).toLocal8Bit());
    main.ctrlThread->ttyClassDirectory = noKernelPorts.path().toStdString();
}

OfferedPorts::~OfferedPorts()
{
    qunsetenv("LUMETRA_PORTS");
}

TestWindow::TestWindow(const QStringList &ports)
    : main(nullptr, Qt::WindowFlags(), rectOf({ 800, 600 }), screenOf({ 800, 600 }), dialogs)
    , offered(main, ports)
{
}

ScriptedMeter::ScriptedMeter() = default;
ScriptedMeter::~ScriptedMeter() = default;

bool ScriptedMeter::start(const QVector<QByteArray> &exports, int pauseMs)
{
    QFile capture(dir.filePath(QStringLiteral("exports.bin")));
    if (!capture.open(QIODevice::WriteOnly))
        return false;
    // The trailers are in the exports. The port is held open long after the
    // last byte, so that it never hangs up under the window.
    QStringList arguments { "--raw", capture.fileName(), "--no-trailer", "--no-pacing",
        "--wait-open", "--linger", "600" };
    for (const QByteArray &bytes : exports) {
        if (capture.pos() > 0)
            arguments << "--pause-at" << QStringLiteral("%1:%2").arg(capture.pos()).arg(pauseMs);
        capture.write(bytes);
    }
    capture.close();
    sim = std::make_unique<MeterSimProcess>(arguments);
    return sim->start();
}

QString ScriptedMeter::path() const
{
    return sim ? sim->path() : QString();
}

QByteArray exportOf(const QVector<TestRecord> &records, int8_t major, int8_t minor)
{
    QByteArray bytes;
    for (const TestRecord &record : records)
        bytes += encodeFrame(record);
    return bytes + encodeVersionTrailer(major, minor);
}

QStringList entriesOf(const MainWindow &main)
{
    QStringList entries;
    const QListWidget *list = main.connectionPanel->List_Records;
    for (int row = 0; row < list->count(); ++row)
        entries << list->item(row)->text();
    if (main.records.size() != list->count() || main.recordHeaders.size() != list->count())
        entries << QStringLiteral("(collection out of step)");
    return entries;
}

QByteArray outputOf(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

void highlightPortList(MainWindow &main)
{
    emit main.connectionPanel->Combo_PortCom->highlighted(0);
}

bool pickPort(MainWindow &main, const QString &path)
{
    QComboBox *combo = main.connectionPanel->Combo_PortCom;
    if (combo->count() == 1)
        highlightPortList(main);
    const int index = combo->findText(path);
    if (index < 1)
        return false;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    return true;
}
