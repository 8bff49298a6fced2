// SPDX-License-Identifier: MIT
// Runs "&Generate All" on a list of generated records, offscreen, and prints
// the wall time, the peak memory and the PDF's size. Not a test: the figures
// depend on the machine. For the peak as the system sees it:
//   /usr/bin/time -v lumetra-report-bench 1000 [KEEP.pdf]
#include "configrun.h"
#include "lumetraimages.h"
#include "mainwindow.h"
#include "recordgenerator.h"
#include "recordingdialoghost.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListWidget>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <sys/resource.h>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 200;

    // PNG copies and settings go to a scratch folder.
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir work;
    const QString pdf = argc > 2 ? QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath()
                                 : work.filePath(QStringLiteral("all.pdf"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, work.path());
    qputenv("LUMETRA_DATABASE", work.filePath(QStringLiteral("records.sqlite")).toLocal8Bit());
    QDir::setCurrent(work.path());
    registerLumetraImages();

    RecordingDialogHost dialogs;
    dialogs.fileAnswers << pdf;
    const QRect screen(0, 0, 800, 600);
    ScreenProbe probe;
    probe.primaryScreen = [screen] { return screen; };
    MainWindow main(nullptr, Qt::WindowFlags(), screen, probe, dialogs);
    main.show();

    main.loadedRecords = RecordGenerator(2026).generate(count);
    for (const TestRecord &record : qAsConst(main.loadedRecords)) {
        main.loadedHeaders.append({ QStringLiteral("Fibre Works Ltd"),
            QStringLiteral("A. Operator"), QStringLiteral("MPO-12 meter"),
            QStringLiteral("12-06-2026"), QStringLiteral("SN%1").arg(record.recordNumber),
            QStringLiteral("12-06-2026  14:05:09"), QStringLiteral("<p>Trunk A, cassette 3</p>") });
    }
    QMetaObject::invokeMethod(&main, "on_file_open");
    if (main.connectionPanel->List_Records->count() != count) {
        out << "the records were not listed\n";
        return 1;
    }

    QElapsedTimer timer;
    timer.start();
    main.generateAllAct->trigger();
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (dialogs.calls.isEmpty() || dialogs.calls.last().kind != QLatin1String("openUrl")) {
        out << "no PDF was written\n";
        return 1;
    }
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const qint64 size = QFileInfo(pdf).size();
    out << "records:      " << count << '\n'
        << "Generate All: " << seconds << " s (" << qRound(1000 * seconds / count)
        << " ms per record)\n"
        << "peak memory:  " << usage.ru_maxrss / 1024 << " MB\n"
        << "PDF size:     " << size << " bytes (" << size / count / 1024 << " KB per record)\n";
    return 0;
}
