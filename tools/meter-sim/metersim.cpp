// SPDX-License-Identifier: MIT
#include "metersim.h"

#include "outputsink.h"
#include "recordarchive.h"
#include "recordgenerator.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

void sleepSeconds(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

// True when Enter was pressed, false at the end of input.
bool waitForEnter()
{
    for (;;) {
        const int c = std::getchar();
        if (c == EOF)
            return false;
        if (c == '\n')
            return true;
    }
}

} // namespace

MeterSim::MeterSim(const SimOptions &options)
    : options(options)
{
}

bool MeterSim::preparePlan(QString *error)
{
    const QString &path = options.sourcePath;
    switch (options.source) {
    case SimOptions::Source::Generated:
        plan.payload
            = ExportPlan::framesOf(RecordGenerator(options.seed).generate(options.recordCount));
        break;
    case SimOptions::Source::Archive: {
        const RecordArchive::ReadResult archive = RecordArchive::load(path);
        switch (archive.status) {
        case RecordArchive::ReadStatus::Ok:
            plan.payload = ExportPlan::framesOf(archive.records);
            break;
        case RecordArchive::ReadStatus::CannotOpen:
            *error = QStringLiteral("%1: cannot read file: %2").arg(path, archive.errorString);
            return false;
        case RecordArchive::ReadStatus::NotAnArchive:
            *error = QStringLiteral("%1: not a record archive").arg(path);
            return false;
        case RecordArchive::ReadStatus::Corrupt:
        case RecordArchive::ReadStatus::Cancelled: // read without progress: never
            *error = QStringLiteral("%1: damaged archive: %2").arg(path, archive.errorString);
            return false;
        }
        break;
    }
    case SimOptions::Source::Raw: {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("%1: cannot read file: %2").arg(path, file.errorString());
            return false;
        }
        plan.payload = file.readAll();
        break;
    }
    }
    plan.withTrailer = options.withTrailer;
    plan.versionMajor = options.versionMajor;
    plan.versionMinor = options.versionMinor;
    plan.frameGapMs = options.frameGapMs;
    plan.drops = options.drops;
    plan.insertions = options.insertions;
    plan.pauses = options.pauses;
    plan.unplugAt = options.unplug.offset;
    *error = plan.checkOffsets();
    return error->isEmpty();
}

bool MeterSim::openSink(OutputSink &sink, QString *error) const
{
    switch (options.sink) {
    case SimOptions::Sink::Pty:
        return sink.openPty(error, options.linkPath);
    case SimOptions::Sink::Device:
        return sink.openDevice(options.sinkPath, error);
    case SimOptions::Sink::File:
        return sink.openFile(options.sinkPath, error);
    }
    return false;
}

bool MeterSim::nextExportWanted(int sent) const
{
    if (options.repeat > 0 && sent >= options.repeat)
        return false;
    if (options.onEnter)
        return waitForEnter();
    if (sent > 0)
        sleepSeconds(options.everySeconds);
    return true;
}

bool MeterSim::plugBackIn(OutputSink &sink, QTextStream &out, QTextStream &err) const
{
    sink.unplug();
    err << "lumetra-meter-sim: unplugged, back in " << options.unplug.milliseconds << " ms"
        << Qt::endl;
    sleepSeconds(options.unplug.milliseconds / 1000.0);
    QString error;
    if (!sink.replug(&error)) {
        err << "lumetra-meter-sim: " << error << Qt::endl;
        return false;
    }
    out << sink.ptyPath() << Qt::endl;
    if (options.waitOpen)
        sink.waitForReader();
    return true;
}

int MeterSim::run(QTextStream &out, QTextStream &err)
{
    QString error;
    OutputSink sink;
    if (!preparePlan(&error) || !openSink(sink, &error)) {
        err << "lumetra-meter-sim: " << error << Qt::endl;
        return 2;
    }
    if (sink.isPty()) {
        out << sink.ptyPath() << Qt::endl;
        if (options.waitOpen) {
            err << "lumetra-meter-sim: waiting for a reader to open " << sink.ptyPath() << Qt::endl;
            sink.waitForReader();
        }
    }
    if (options.onEnter)
        err << "lumetra-meter-sim: press Enter to export, Ctrl-D to stop" << Qt::endl;

    const ExportStream stream = plan.build();
    const Pacer pacer(options.bytesPerSecond, options.burst);
    const auto write
        = [&](const char *data, int length) { return sink.write(data, length, &error); };
    QElapsedTimer clock;
    clock.start();
    int exports = 0;
    qint64 sent = 0;
    while (nextExportWanted(exports)) {
        // Only the first export is cut, so the next shows whether the
        // receiver took up the port again.
        const bool unplugging = exports == 0 && stream.cut >= 0;
        const ExportStream sending = unplugging ? stream.upTo(stream.cut) : stream;
        if (!pacer.send(sending, write)) {
            err << "lumetra-meter-sim: " << error << Qt::endl;
            return 2;
        }
        sink.drain();
        sent += sending.bytes.size();
        ++exports;
        if (unplugging && !plugBackIn(sink, out, err))
            return 2;
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    err << "lumetra-meter-sim: sent " << sent << " bytes in " << exports
        << (exports == 1 ? " export, " : " exports, ") << QString::number(seconds, 'f', 3) << " s"
        << Qt::endl;
    if (sink.isPty())
        sleepSeconds(options.lingerSeconds);
    return 0;
}
