// SPDX-License-Identifier: MIT
// Writes the certification report and runs "&Generate All" on the same list
// of generated records, in one run, offscreen, and prints for each the wall
// time, the peak memory while it ran and the PDF's size. Not a test: the
// figures depend on the machine.
//   lumetra-report-bench [RECORDS] [FOLDER]   (default 1000; FOLDER keeps the PDFs)
#include "configrun.h"
#include "lumetraimages.h"
#include "mainwindow.h"
#include "recordgenerator.h"
#include "recordingdialoghost.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

namespace {
// Resident memory, current or peak, in MB, from the kernel's view of this process.
double residentMb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toDouble() / 1024;
    }
    return -1;
}

// Lets the peak start again from what is resident now.
void resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

struct Figures
{
    double seconds = 0;
    double peakMb = 0;
    qint64 bytes = 0;
};

Figures measure(QAction *action, RecordingDialogHost &dialogs, const QString &pdf)
{
    dialogs.fileAnswers << pdf;
    resetPeak();
    QElapsedTimer timer;
    timer.start();
    action->trigger();
    Figures figures;
    figures.seconds = timer.nsecsElapsed() / 1e9;
    figures.peakMb = residentMb("VmHWM:");
    figures.bytes
        = dialogs.calls.last().kind == QLatin1String("openUrl") ? QFileInfo(pdf).size() : -1;
    return figures;
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000;

    // PNG copies and settings go to a scratch folder.
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir work;
    const QDir kept(
        argc > 2 ? QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath() : work.path());
    kept.mkpath(QStringLiteral("."));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, work.path());
    qputenv("LUMETRA_DATABASE", work.filePath(QStringLiteral("records.sqlite")).toLocal8Bit());
    QDir::setCurrent(work.path());
    registerLumetraImages();

    RecordingDialogHost dialogs;
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
    out << "records:       " << count << "\nresident now: " << qRound(residentMb("VmRSS:"))
        << " MB\n";

    // The certification report first: the peak of Generate All is the higher one.
    const Figures report = measure(
        main.certificationAct, dialogs, kept.filePath(QStringLiteral("certification.pdf")));
    const Figures all
        = measure(main.generateAllAct, dialogs, kept.filePath(QStringLiteral("all.pdf")));
    if (report.bytes < 0 || all.bytes < 0) {
        out << "a PDF was not written\n";
        return 1;
    }
    out.setRealNumberNotation(QTextStream::FixedNotation);
    out.setRealNumberPrecision(2);
    for (const auto &[name, figures] :
        { std::pair<const char *, Figures> { "Certification report", report },
            std::pair<const char *, Figures> { "Generate All", all } }) {
        out << name << ": " << figures.seconds << " s, peak " << figures.peakMb << " MB, PDF "
            << figures.bytes / 1e6 << " MB (" << figures.bytes / count / 1024
            << " KB per record)\n";
    }
    return 0;
}
