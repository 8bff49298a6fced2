// SPDX-License-Identifier: MIT
#include "archiveprobe.h"
#include "clioptions.h"
#include "clistore.h"
#include "jobcommands.h"
#include "jobreport.h"
#include "jobstore.h"
#include "jobworkbook.h"
#include "lumetraimages.h"
#include "safefilename.h"
#include "uilanguage.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

// The job's records, and where its file goes: NAME.suffix here unless told.
bool readJob(const char *command, const CliOptions &options, const char *suffix,
    JobRecords *records, QString *outPath, QTextStream &err)
{
    if (!options.error.isEmpty() || options.positional.size() != 1) {
        jobUsage(command, options.error.isEmpty() ? "expects one job name" : options.error, err);
        return false;
    }
    const QString job = normalizedJobName(options.positional.first());
    *outPath = options.values.value(
        QStringLiteral("-o"), safeFileName(job) + QLatin1Char('.') + QLatin1String(suffix));
    if (isLumetraArchive(*outPath)) {
        jobFailure(command,
            QStringLiteral("%1: is a record archive (.mrf); it is not overwritten: choose "
                           "another output file")
                .arg(*outPath),
            err);
        return false;
    }
    RecordStore store(
        StoreLocation::configured(options.values.value(QStringLiteral("--database"))));
    if (!openStoreFor(store, RecordStore::Access::ReadOnly, err))
        return false;
    JobStore jobs(store);
    if (!jobs.readRecords(job, records)) {
        jobFailure(command, jobs.errorString(), err);
        return false;
    }
    // The customer's files are in the window's language; the messages stay English.
    UiLanguage::install(*QCoreApplication::instance());
    return true;
}

} // namespace

int jobReportCommand(const CliOptions &options, QTextStream &out, QTextStream &err)
{
    JobRecords records;
    QString path;
    if (!readJob("report", options, "pdf", &records, &path, err))
        return 2;
    registerLumetraImages();
    const JobReport report(records);
    QString why;
    if (report.write(path, {}, &why) != WriteOutcome::Written)
        return jobFailure(
            "report", QStringLiteral("%1: cannot write file: %2").arg(path, why), err);
    const int pages = report.pageCount();
    out << path << ": " << pages << (pages == 1 ? " page\n" : " pages\n");
    return 0;
}

int jobWorkbookCommand(const CliOptions &options, QTextStream &out, QTextStream &err)
{
    JobRecords records;
    QString path;
    if (!readJob("xlsx", options, "xlsx", &records, &path, err))
        return 2;
    const JobSummary summary = summarizeJob(records);
    QString why;
    QVector<JobWorkbook::CutText> cut;
    if (JobWorkbook(summary).write(path, {}, &why, &cut) != WriteOutcome::Written)
        return jobFailure("xlsx", QStringLiteral("%1: cannot write file: %2").arg(path, why), err);
    for (const JobWorkbook::CutText &text : qAsConst(cut))
        err << "lumetra-cli job xlsx: record " << text.recordNumber
            << (text.cableId.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(text.cableId))
            << ": its " << QString::fromLatin1(text.field).toLower()
            << " text was cut to the 32,767 characters a cell holds\n";
    out << path << ": " << summary.trunks.size() << " cable IDs, " << summary.unplanned.size()
        << " unplanned records\n";
    return 0;
}
