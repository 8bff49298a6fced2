// SPDX-License-Identifier: MIT
#include "cableidlist.h"
#include "clicommands.h"
#include "clioptions.h"
#include "clistore.h"
#include "downloadsession.h"
#include "jobstore.h"
#include "mainctrlthread.h"
#include "recordarchive.h"
#include "recordjson.h"
#include "recordtexts.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTextStream>
#include <QTimer>
#include <memory>
#include <optional>

namespace {

constexpr int reopenCheckMs = 500;

// A port is named as the port list shows it (a device path on Linux, the
// number on Windows), as "COMn", or as a device path not listed yet.
int findPort(MainCtrlThread &device, const QString &name)
{
    if (name.contains(QLatin1Char('/'))) {
        const QByteArray listed = qgetenv("LUMETRA_PORTS");
        if (!listed.split(':').contains(name.toLocal8Bit()))
            qputenv("LUMETRA_PORTS",
                listed.isEmpty() ? name.toLocal8Bit() : listed + ':' + name.toLocal8Bit());
    }
    if (device.listPorts() != 0)
        return -1;
    const int listed = device.portIndexOf(name.toStdString());
    if (listed >= 0)
        return listed;
    QString number = name;
    if (number.startsWith(QLatin1String("COM"), Qt::CaseInsensitive))
        number = number.mid(3);
    for (int i = 0; i < device.portCount; ++i) {
        if (QString::number(device.portNumbers[i]) == number)
            return i;
    }
    return -1;
}

QString batchSummary(int index, const DownloadBatch &batch)
{
    QStringList numbers;
    for (const TestRecord &record : batch.records)
        numbers << recordNumberText(record.recordNumber);
    const QString version = batch.hasVersion
        ? QStringLiteral("meter %1.%2").arg(batch.meterVersionMajor).arg(batch.meterVersionMinor)
        : QStringLiteral("no meter version");
    const QString dropped = batch.droppedBytes > 0
        ? QStringLiteral(", %1 bytes of an unfinished frame dropped").arg(batch.droppedBytes)
        : QString();
    return QStringLiteral("batch %1: %2 records (%3), %4, %5%6\n")
        .arg(index)
        .arg(batch.records.size())
        .arg(numbers.join(QLatin1Char(' ')), version,
            batch.verdict == 0 ? QStringLiteral("supported")
                               : QStringLiteral("not supported: data may be corrupted"),
            dropped);
}

// The job to receive into and the ID to count from are in the store; false
// after a line on err that says why not.
bool jobIsThere(
    const StoreLocation &where, const QString &job, const QString &from, QTextStream &err)
{
    RecordStore store(where);
    if (!openStoreFor(store, RecordStore::Access::ReadOnly, err))
        return false;
    JobStore jobs(store);
    JobFacts facts;
    QStringList ids;
    if (!jobs.job(job, &facts) || !jobs.cableIds(job, &ids)) {
        err << "lumetra-cli receive: " << jobs.errorString() << '\n';
        return false;
    }
    if (!from.isNull() && !ids.contains(from)) {
        err << "lumetra-cli receive: job " << job << " has no cable ID " << from << '\n';
        return false;
    }
    return true;
}

// What the store gave each record received into the job.
QString placeOf(const RecordOutcome &outcome, const QString &number)
{
    const RecordAssignment &given = outcome.assignment;
    if (outcome.state == RecordOutcome::State::SetAside)
        return QStringLiteral("record %1: set aside, no cable ID").arg(number);
    if (!given.arrived)
        return given.cableId.isNull()
            ? QStringLiteral("record %1: kept in job %2 without a cable ID").arg(number, given.job)
            : QStringLiteral("record %1: kept cable ID %2 of job %3")
                  .arg(number, given.cableId, given.job);
    if (given.cableId.isNull())
        return QStringLiteral("record %1: unplanned, job %2 has no cable ID free")
            .arg(number, given.job);
    return QStringLiteral("record %1: cable ID %2%3")
        .arg(number, given.cableId, given.tookRetest ? QStringLiteral(", a retest") : QString());
}

} // namespace

int receiveCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const CliOptions options
        = CliOptions::parse(arguments, { QStringLiteral("--json"), QStringLiteral("--reopen") },
            { QStringLiteral("--batches"), QStringLiteral("--timeout"), QStringLiteral("-o"),
                QStringLiteral("--database"), QStringLiteral("--job"), QStringLiteral("--from") });
    bool batchesOk = true, timeoutOk = true;
    const int wantedBatches
        = options.values.value(QStringLiteral("--batches"), QStringLiteral("0")).toInt(&batchesOk);
    const double timeoutSeconds
        = options.values.value(QStringLiteral("--timeout"), QStringLiteral("0"))
              .toDouble(&timeoutOk);
    QString usageError = options.error;
    if (usageError.isEmpty() && options.positional.size() != 1)
        usageError = QStringLiteral("expects one serial port");
    if (usageError.isEmpty() && (!batchesOk || wantedBatches < 0))
        usageError = QStringLiteral("--batches takes a whole number");
    if (usageError.isEmpty() && (!timeoutOk || timeoutSeconds < 0))
        usageError = QStringLiteral("--timeout takes a number of seconds");
    const QString job = normalizedJobName(options.values.value(QStringLiteral("--job")));
    const bool intoJob = options.values.contains(QStringLiteral("--job"));
    if (usageError.isEmpty() && intoJob && job.isEmpty())
        usageError = QStringLiteral("--job takes a job's name");
    if (usageError.isEmpty() && options.values.contains(QStringLiteral("--from")) && !intoJob)
        usageError = QStringLiteral("--from takes an ID of the job --job names");
    if (!usageError.isEmpty()) {
        err << "lumetra-cli receive: " << usageError << " (see --help)\n";
        return 2;
    }

    const QString port = options.positional.first();
    const QString archivePath = options.values.value(QStringLiteral("-o"));
    RecordArchive::ReadResult archive;
    if (!archivePath.isEmpty() && QFileInfo::exists(archivePath)) {
        archive = RecordArchive::load(archivePath);
        if (archive.status != RecordArchive::ReadStatus::Ok) {
            err << "lumetra-cli: " << archivePath << ": cannot append, not a valid archive\n";
            return 2;
        }
    }

    // Kept as they arrive, right after they are printed, as the window keeps them.
    DownloadSession session(DownloadSession::Use::CommandLine);
    if (options.values.contains(QStringLiteral("--database")) || intoJob) {
        const StoreLocation store
            = StoreLocation::configured(options.values.value(QStringLiteral("--database")));
        if (!store.error.isEmpty()) {
            err << "lumetra-cli: --database: " << store.error << '\n';
            return 2;
        }
        const QString from = options.values.contains(QStringLiteral("--from"))
            ? CableIdList::normalized(options.values.value(QStringLiteral("--from")))
            : QString();
        if (intoJob && !jobIsThere(store, job, from, err))
            return 2;
        QObject::connect(&session, &DownloadSession::keepingChanged,
            [&err, store](bool keeping, const QString &problem) {
                if (keeping)
                    err << "lumetra-cli: records are kept again in " << store.displayName() << '\n';
                else
                    err << "lumetra-cli: records are not being kept: " << problem << '\n';
                err.flush();
            });
        const auto line = std::make_shared<UpgradeLine>(err, store.displayName());
        QObject::connect(&session, &DownloadSession::upgrading, &session,
            [line](qint64 done, qint64 total) { line->step(done, total); });
        QObject::connect(
            &session, &DownloadSession::upgradeEnded, &session, [line] { line->end(); });
        session.keepIn(store);
        if (intoJob)
            session.setActiveJob(job, from);
    }
    // Each record received into the job, as the store gives it its ID.
    QHash<QString, QString> numberOfKey;
    QObject::connect(&session, &DownloadSession::arrivalsPlaced,
        [&err, &numberOfKey](const QVector<RecordOutcome> &records) {
            for (const RecordOutcome &record : records)
                err << "lumetra-cli: " << placeOf(record, numberOfKey.value(record.key)) << '\n';
            err.flush();
        });
    QObject::connect(&session, &DownloadSession::jobMissing, [&err](const QString &missing) {
        err << "lumetra-cli: there is no job named " << missing
            << " in the records store: records are kept without a cable ID\n";
        err.flush();
    });

    MainCtrlThread thread;
    thread.portTrace = stderr; // standard output carries the batches
    const int index = findPort(thread, port);
    if (index < 0) {
        err << "lumetra-cli: " << port << ": no such serial port\n";
        return 2;
    }
    thread.selectedPortIndex = index;
    if (thread.openSelectedPort() != 0) {
        err << "lumetra-cli: " << port << ": cannot open the serial port\n";
        return 2;
    }

    int received = 0;
    int status = 0;
    QEventLoop loop;
    QObject::connect(
        &thread.debugCommunication, &DebugCommunication::NewFileGenerated, &loop, [&](uint) {
            const DownloadBatch batch = thread.takeBatch();
            ++received;
            if (options.flags.contains(QStringLiteral("--json")))
                out << recordListJson(batch.records)
                    << versionJsonFields(
                           batch.hasVersion, batch.meterVersionMajor, batch.meterVersionMinor)
                    << ",\"droppedBytes\":" << batch.droppedBytes << "}\n";
            else
                out << batchSummary(received, batch);
            out.flush();
            // Printed first; the store is written in the background.
            for (const TestRecord &record : batch.records)
                numberOfKey.insert(
                    StoredRecord::keyOf(record), recordNumberText(record.recordNumber));
            session.keepArrived(batch, port, std::nullopt);
            if (!archivePath.isEmpty()) {
                archive.records += batch.records;
                archive.headers.resize(archive.records.size());
                QString why;
                if (!RecordArchive::save(archivePath, archive.records, archive.headers, &why)) {
                    err << "lumetra-cli: " << archivePath << ": cannot write archive: " << why
                        << '\n';
                    status = 2;
                    loop.quit();
                } else {
                    session.keepSaved(batch.records, archivePath);
                }
            }
            if (wantedBatches > 0 && received >= wantedBatches)
                loop.quit();
        });
    if (timeoutSeconds > 0)
        QTimer::singleShot(qRound64(timeoutSeconds * 1000), &loop, &QEventLoop::quit);

    // Reads that fail mean the port went away (an adapter pulled out): open
    // it again by its name until it is back, as a user picks it again in the
    // window.
    QTimer reopen;
    unsigned failuresSeen = thread.failedReads;
    QObject::connect(&reopen, &QTimer::timeout, &loop, [&] {
        if (thread.failedReads == failuresSeen)
            return;
        failuresSeen = thread.failedReads;
        thread.closePort();
        const int index = findPort(thread, port);
        if (index < 0)
            return;
        thread.selectedPortIndex = index;
        if (thread.openSelectedPort() == 0) {
            err << "lumetra-cli: " << port << ": opened again\n";
            err.flush();
        }
    });
    if (options.flags.contains(QStringLiteral("--reopen")))
        reopen.start(reopenCheckMs);

    thread.waitingForPort = 0;
    thread.start();
    loop.exec();
    thread.stop();
    thread.stopAndWait(3000);
    // Each try is bounded: a server that stops answering holds the end up a few seconds at most.
    session.waitForStore();
    return status;
}
