// SPDX-License-Identifier: MIT
#include "soak.h"

#include "exportplan.h"
#include "pacer.h"
#include "recordjson.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// A whole export's batch comes about 1.6 s after its last byte.
constexpr qint64 batchDeadlineMs = 15000;
// A damaged export is settled once nothing more came for this long.
constexpr qint64 settleMs = 3000;
constexpr int readerWaitMs = 20000;
// The receiver's memory is first taken once the largest export is through.
constexpr int warmUpExports = 3;

QJsonArray expectedJson(const QVector<TestRecord> &records)
{
    return QJsonDocument::fromJson((recordListJson(records) + QLatin1Char('}')).toUtf8())
        .object()
        .value(QLatin1String("records"))
        .toArray();
}

QString describe(const ExportFault &fault)
{
    QString text = fault.name();
    if (fault.offset >= 0)
        text += QStringLiteral(" at %1").arg(fault.offset);
    if (fault.milliseconds > 0)
        text += QStringLiteral(" for %1 ms").arg(fault.milliseconds);
    if (fault.burst.packetBytes > 0)
        text += QStringLiteral(", bursts %1:%2")
                    .arg(fault.burst.packetBytes)
                    .arg(fault.burst.intervalMs);
    return text;
}

} // namespace

Soak::Soak(const Options &options)
    : options(options)
    , faults(options.seed)
    , generator(options.seed)
{
    report.seed = options.seed;
}

Soak::~Soak() = default;

bool Soak::setUp(QString *error)
{
    if (!dir.isValid()) {
        *error = QStringLiteral("cannot make a temporary folder");
        return false;
    }
    const QString link = dir.filePath(QStringLiteral("ttyMeter"));
    if (!sink.openPty(error, link))
        return false;
    receiver = std::make_unique<ReceiverProcess>(options.receiverProgram, link);
    if (!receiver->start(error))
        return false;
    if (!waitForReader(readerWaitMs)) {
        *error = QStringLiteral("the receiver did not open the port: %1")
                     .arg(receiver->lastErrorLines().join(QLatin1String(" | ")));
        return false;
    }
    return true;
}

bool Soak::waitForReader(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!sink.hasReader()) {
        if (timer.elapsed() > milliseconds || !receiver->isRunning())
            return false;
        receiver->pump(20);
    }
    return true;
}

bool Soak::send(const ExportStream &stream, const Pacer::Burst &burst, QString *error)
{
    // The receiver's output is taken in between writes: a full pipe would hold
    // up its batches (never its port, which its download thread reads).
    return Pacer(MeterBytesPerSecond, burst).send(stream, [&](const char *data, int length) {
        receiver->pump(0);
        return sink.write(data, length, error);
    });
}

bool Soak::plugBackIn(const ExportFault &fault, QString *error)
{
    sink.unplug();
    QElapsedTimer away;
    away.start();
    while (away.elapsed() < fault.milliseconds)
        receiver->pump(int(qMin<qint64>(50, fault.milliseconds - away.elapsed())));
    if (!sink.replug(error))
        return false;
    if (!waitForReader(readerWaitMs)) {
        *error = QStringLiteral("the receiver did not open the port again: %1")
                     .arg(receiver->lastErrorLines().join(QLatin1String(" | ")));
        return false;
    }
    return true;
}

QVector<ReceivedBatch> Soak::collect(const ExportFault &fault, qint64 lastByteMs)
{
    QVector<ReceivedBatch> batches;
    for (;;) {
        receiver->pump(50);
        while (receiver->hasBatch())
            batches.append(receiver->takeBatch());
        const qint64 now = receiver->nowMs();
        if (!receiver->isRunning() || now > lastByteMs + batchDeadlineMs)
            return batches;
        if (fault.keepsEveryRecord() && !batches.isEmpty())
            return batches;
        const qint64 quietSince = batches.isEmpty() ? lastByteMs : batches.last().arrivalMs;
        if (!fault.keepsEveryRecord() && now > qMax(lastByteMs, quietSince) + settleMs)
            return batches;
    }
}

QString Soak::check(const QVector<TestRecord> &records, const ExportFault &fault,
    const QVector<ReceivedBatch> &batches)
{
    const QJsonArray expected = expectedJson(records);
    QJsonArray received;
    for (const ReceivedBatch &batch : batches) {
        for (const QJsonValue &record : batch.records)
            received.append(record);
    }
    int intact = 0;
    while (intact < qMin(expected.size(), received.size())
        && received.at(intact) == expected.at(intact))
        ++intact;
    report.recordsReceived += received.size();
    const int count = records.size();
    // The bytes a damaged export leaves after its last whole frame are dropped
    // once the line is quiet and counted in the next batch, which may be the
    // next export's.
    const bool mayCountDroppedBytes = previousExportDamaged;
    previousExportDamaged = !fault.keepsEveryRecord();

    if (fault.keepsEveryRecord()) {
        report.recordsLostWhereNoneMay += count - intact;
        if (intact < count || received.size() != count)
            return QStringLiteral("%1 of %2 records arrived intact, %3 in all")
                .arg(intact)
                .arg(count)
                .arg(received.size());
        if (batches.size() != 1)
            return QStringLiteral("the records came in %1 batches").arg(batches.size());
        const ReceivedBatch &batch = batches.first();
        if ((batch.droppedBytes != 0 && !mayCountDroppedBytes) || !batch.hasVersion
            || batch.meterVersionMajor != 2 || batch.meterVersionMinor != 1)
            return QStringLiteral("batch with %1 dropped bytes and version %2.%3")
                .arg(batch.droppedBytes)
                .arg(batch.meterVersionMajor)
                .arg(batch.meterVersionMinor);
        return QString();
    }
    ++report.damagingExports;
    const int kept = qMin(fault.firstTouchedRecord(), count);
    report.recordsTouched += count - kept;
    if (intact < kept) {
        report.recordsLostBeforeFault += kept - intact;
        return QStringLiteral("%1 of the %2 records before the fault arrived intact")
            .arg(intact)
            .arg(kept);
    }
    return QString();
}

void Soak::sampleMemory(int exportIndex)
{
    report.endPeakKb = receiver->peakResidentKb();
    report.endResidentKb = receiver->residentKb();
    if (exportIndex == warmUpExports) {
        report.startPeakKb = report.endPeakKb;
        report.startResidentKb = report.endResidentKb;
    }
}

SoakReport Soak::run(QTextStream &progress)
{
    QElapsedTimer elapsed;
    elapsed.start();
    QString error;
    if (!setUp(&error)) {
        report.failures << error;
        return report;
    }
    while (elapsed.elapsed() < qint64(options.seconds * 1000)) {
        const int index = ++report.exports;
        const int count
            = index == 1 ? options.mostRecords : faults.recordCount(options.mostRecords);
        const ExportFault fault = index == 1 ? ExportFault() : faults.next(count);
        const QVector<TestRecord> records = generator.generate(count);

        ExportPlan plan;
        plan.payload = ExportPlan::framesOf(records);
        switch (fault.kind) {
        case ExportFault::Kind::DropByte:
            plan.drops << fault.offset;
            break;
        case ExportFault::Kind::InsertByte:
            plan.insertions << ByteInsertion { fault.offset, uint8_t(fault.offset * 37) };
            break;
        case ExportFault::Kind::ShortPause:
        case ExportFault::Kind::LongPause:
            plan.pauses << StreamHold { fault.offset, fault.milliseconds };
            break;
        case ExportFault::Kind::Unplug:
            plan.unplugAt = fault.offset;
            break;
        case ExportFault::Kind::None:
            break;
        }
        const ExportStream stream = plan.build();
        const bool unplugging = stream.cut >= 0;
        bool sent = send(unplugging ? stream.upTo(stream.cut) : stream, fault.burst, &error);
        const qint64 lastByteMs = receiver->nowMs();
        sent = sent && (!unplugging || plugBackIn(fault, &error));

        report.recordsSent += count;
        ++report.exportsByFault[fault.name()];
        report.burstExports += fault.burst.packetBytes > 0 ? 1 : 0;
        const QVector<ReceivedBatch> batches
            = sent ? collect(fault, lastByteMs) : QVector<ReceivedBatch>();
        const QString problem = sent ? check(records, fault, batches) : error;
        progress << "export " << index << ": " << count << " records, " << describe(fault) << ": "
                 << batches.size() << (batches.size() == 1 ? " batch" : " batches")
                 << (problem.isEmpty() ? QString() : QStringLiteral(", FAILED: ") + problem)
                 << '\n';
        progress.flush();
        if (!problem.isEmpty())
            report.failures << QStringLiteral("export %1 (%2 records, %3): %4")
                                   .arg(index)
                                   .arg(count)
                                   .arg(describe(fault), problem);
        if (!sent || !receiver->isRunning())
            break;
        sampleMemory(index);
    }

    report.seconds = elapsed.elapsed() / 1000.0;
    report.reopens = receiver->reopenCount();
    report.receiverState = receiver->exitText();
    if (!receiver->isRunning())
        report.failures << QStringLiteral("the receiver %1: %2")
                               .arg(report.receiverState,
                                   receiver->lastErrorLines().join(QLatin1String(" | ")));
    if (receiver->malformedLineSeen())
        report.failures << QStringLiteral("the receiver printed a line that is not a batch");
    if (report.startPeakKb > 0 && report.endPeakKb - report.startPeakKb > options.memoryGrowthKb)
        report.failures << QStringLiteral("the receiver's peak memory grew from %1 kB to %2 kB")
                               .arg(report.startPeakKb)
                               .arg(report.endPeakKb);
    return report;
}
