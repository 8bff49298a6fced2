// SPDX-License-Identifier: MIT
#include "displayscaling.h"
#include "filesfolder.h"
#include "lumetraimages.h"
#include "lumetraversion.h"
#include "mainwindow.h"
#include "screeninfo.h"
#include "singleinstance.h"
#include "startoptions.h"
#include "uilanguage.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QProcessEnvironment>
#include <QRect>
#include <QTimer>
#include <QVector>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

const char usage[] = R"(Usage: lumetra [--desktop] [QT-OPTION...] [FILE.mrf...]
  or:  lumetra --help | --version

Receives the records that the MPO optical power meter exports over its serial
cable (109375 baud, 8N1), lists them, shows each as a test report with a
PASS/FAIL verdict per fiber and editable header texts, keeps them in .mrf
archives and prints A4 PDF reports. Each FILE.mrf is listed at the start, as
File > Open lists it.

One window runs per user: a second start hands its files to the running
window, which lists them and comes to the front, and ends. Starts given other
LUMETRA_PORTS or LUMETRA_DATABASE run on their own.

Options:
      --desktop  Started from the desktop (menu entry, shortcut, file type):
                 keep the files in Documents/Lumetra.
  -h, --help     Print this text and exit.
      --version  Print the version and exit.
Qt's own options, such as -platform NAME or -style NAME, are accepted too.

Environment:
  LANGUAGE, LANG The language of the window and of the certification report:
                 the first of German, French, Spanish, Simplified Chinese and
                 English that LANGUAGE (a list such as de:en), else LANG, names;
                 English when none does.
  LUMETRA_PORTS  Paths, separated by colons, that the port list offers after
                 the serial ports the system knows (for example the meter
                 emulator's pseudo-terminal).
  LUMETRA_DATABASE
                 The records store, instead of the default one and of the
                 setting store/database: an SQLite file, or a PostgreSQL
                 database as postgresql://user@host:port/dbname, its
                 password in ~/.pgpass or PGPASSWORD, never in the address.

Files:
  ./records, ./reports, ./data
                 Archives, PDF reports and report pictures, in the folder
                 Lumetra is started in; created when missing. With --desktop,
                 or when that folder is the program's own, a system folder or
                 one Lumetra cannot write in: in Documents/Lumetra instead.
  ~/.config/Tavolin/Lumetra.conf
                 The header texts Lumetra remembers.
  ~/.local/share/Tavolin/Lumetra/records.sqlite
                 The records store: every record received or opened, with its
                 header texts, for the history and for recovery after a crash.
)";

// Answered before the application object exists: these need no display.
bool answeredCommandLine(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("lumetra %s\n", lumetraVersion);
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(usage, stdout);
            return true;
        }
    }
    return false;
}

// A relative records store would move with the working folder.
void anchorDatabase()
{
    const QString database = qEnvironmentVariable("LUMETRA_DATABASE");
    if (!database.isEmpty() && !database.contains(QLatin1String("://"))
        && QDir::isRelativePath(database))
        qputenv("LUMETRA_DATABASE", QDir::current().absoluteFilePath(database).toLocal8Bit());
}

} // namespace

int main(int argc, char *argv[])
{
    if (answeredCommandLine(argc, argv))
        return 0;
    registerLumetraImages();
    // The records store's folder is named after these, for lumetra-cli too.
    QCoreApplication::setOrganizationName(QStringLiteral("Tavolin"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumetra"));
    DisplayScaling scaling(MainWindow::designSize());

    std::unique_ptr<QApplication> app;
    if (screenMeasurementNeedsApplication)
        app = std::make_unique<QApplication>(argc, argv);

    const QVector<QRect> monitors = enumerateMonitors();
    qDebug() << "You have " << static_cast<unsigned>(monitors.size()) << " monitors connected.";
    const QRect referenceScreen = measurePrimaryScreen();
    qDebug() << referenceScreen;

    if (!app)
        app = std::make_unique<QApplication>(argc, argv);
    scaling.applicationMade();
    UiLanguage::install(*app);

    const StartOptions start = StartOptions::parse(app->arguments(), QDir::currentPath());
    for (const QString &option : start.unknown)
        qWarning().noquote() << "Ignoring the unknown option" << option;
    anchorDatabase();
    auto instance = std::make_unique<SingleInstance>(
        SingleInstance::nameFor(QProcessEnvironment::systemEnvironment()));
    if (!instance->claim())
        return instance->handOver(start.files) ? 0 : 1;
    FilesFolder::enter(start.fromDesktop);

    auto window = std::make_unique<MainWindow>(nullptr, Qt::WindowFlags(), referenceScreen);
    QObject::connect(instance.get(), &SingleInstance::startRequested, window.get(),
        [&window](const QStringList &files) {
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
            window->raise();
            window->activateWindow();
            window->openArchives(files);
        });
    scaling.place(*window);
    window->show();
    // Once the window is up, so that a message about a file has it behind.
    QTimer::singleShot(0, window.get(), [&window, &start] { window->openArchives(start.files); });
    const int result = app->exec();
    window.reset();
    instance.reset(); // the name goes before the application object does
    app.reset();
    return result;
}
