// SPDX-License-Identifier: MIT
#include "clioptions.h"
#include "clistore.h"
#include "jobcommands.h"
#include "jobstore.h"
#include "recordarchive.h"
#include "recordcsv.h"
#include "recordjson.h"
#include "recordtexts.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTextStream>

namespace {

// As the fiber table writes it.
QString marginNumber(const JobStatus::Test &test)
{
    return test.smallestMarginDb ? test.smallestMarginText.trimmed() : QString();
}

QString testJson(const JobStatus::Test &test)
{
    return QStringLiteral("\"recordKey\":%1,\"recordNumber\":%2,\"recordNumberText\":%3,"
                          "\"receivedAt\":%4,\"hostName\":%5,\"verdict\":%6,"
                          "\"smallestMarginDb\":%7,\"smallestMarginText\":%8,"
                          "\"smallestMarginFiber\":%9")
        .arg(jsonText(test.recordKey), QString::number(test.recordNumber),
            jsonText(recordNumberText(test.recordNumber)), jsonText(utcTimeText(test.receivedAtMs)),
            jsonText(test.hostName), jsonText(JobStatus::stateKey(test.verdict)),
            test.smallestMarginDb ? jsonFloat(*test.smallestMarginDb) : QStringLiteral("null"),
            jsonText(test.smallestMarginText),
            test.smallestMarginDb ? QString::number(test.smallestMarginFiber)
                                  : QStringLiteral("null"));
}

QString countsJson(const JobStatus::Counts &n)
{
    return QStringLiteral("{\"planned\":%1,\"tested\":%2,\"pass\":%3,\"fail\":%4,"
                          "\"noVerdict\":%5,\"untested\":%6,\"retested\":%7,"
                          "\"retestMarked\":%8,\"unplanned\":%9}")
        .arg(n.planned)
        .arg(n.tested)
        .arg(n.passed)
        .arg(n.failed)
        .arg(n.noVerdict)
        .arg(n.untested)
        .arg(n.retested)
        .arg(n.retestMarked)
        .arg(n.unplanned);
}

void printJson(const JobStatus &status, QTextStream &out)
{
    QStringList rows;
    for (const JobStatus::CableIdRow &row : status.ids) {
        QString item
            = QStringLiteral("{\"cableId\":%1,\"state\":%2,\"retestMarked\":%3,\"tests\":%4")
                  .arg(jsonText(row.cableId), jsonText(JobStatus::stateKey(row.state)),
                      row.retestMarked ? QStringLiteral("true") : QStringLiteral("false"))
                  .arg(row.tests());
        if (row.state != JobStatus::State::Untested)
            item += QLatin1Char(',') + testJson(row.latest);
        rows << item + QLatin1Char('}');
    }
    QStringList unplanned;
    for (const JobStatus::Test &test : status.unplanned)
        unplanned << QLatin1Char('{') + testJson(test) + QLatin1Char('}');
    out << "{\"job\":{" << jobFactsJsonFields(status.facts) << "},\"cableIds\":["
        << rows.join(QLatin1Char(',')) << "],\"unplanned\":[" << unplanned.join(QLatin1Char(','))
        << "],\"counts\":" << countsJson(status.counts()) << "}\n";
}

void printCsv(const JobStatus &status, QTextStream &out)
{
    out << "cable_id,state,record_number,received_at,smallest_margin_db,tests,record_key\n";
    const auto row
        = [&](const QString &id, const QString &state, const JobStatus::Test *test, int tests) {
              out << csvField(id) << ',' << csvField(state) << ','
                  << (test ? recordNumberText(test->recordNumber) : QString()) << ','
                  << (test ? utcTimeText(test->receivedAtMs) : QString()) << ','
                  << (test ? marginNumber(*test) : QString()) << ',' << tests << ','
                  << (test ? test->recordKey : QString()) << '\n';
          };
    for (const JobStatus::CableIdRow &id : status.ids)
        row(id.cableId, JobStatus::stateKey(id.state),
            id.state == JobStatus::State::Untested ? nullptr : &id.latest, id.tests());
    for (const JobStatus::Test &test : status.unplanned)
        row(QString(), QStringLiteral("unplanned"), &test, 1);
    const JobStatus::Counts n = status.counts();
    out << "\ncount,value\nplanned," << n.planned << "\ntested," << n.tested << "\nPASS,"
        << n.passed << "\nFAIL," << n.failed << "\nno verdict," << n.noVerdict << "\nuntested,"
        << n.untested << "\nretested," << n.retested << "\nretest marked," << n.retestMarked
        << "\nunplanned," << n.unplanned << '\n';
}

void printText(const JobStatus &status, QTextStream &out)
{
    int width = 8;
    for (const JobStatus::CableIdRow &row : status.ids)
        width = qMax(width, row.cableId.size());
    out << "job " << status.facts.name << '\n'
        << QStringLiteral("%1  %2  %3  %4  %5  %6\n")
               .arg(QStringLiteral("cable ID"), -width)
               .arg(QStringLiteral("state"), -13)
               .arg(QStringLiteral("record"), -6)
               .arg(QStringLiteral("received"), -16)
               .arg(QStringLiteral("margin"), 6)
               .arg(QStringLiteral("tests"));
    const auto line
        = [&](const QString &id, const QString &state, const JobStatus::Test *test, int tests) {
              out << QStringLiteral("%1  %2  %3  %4  %5  %6\n")
                         .arg(id, -width)
                         .arg(state, -13)
                         .arg(test ? recordNumberText(test->recordNumber) : QString(), -6)
                         .arg(test ? QDateTime::fromMSecsSinceEpoch(test->receivedAtMs)
                                         .toString(QStringLiteral("yyyy-MM-dd hh:mm"))
                                   : QString(),
                             -16)
                         .arg(test ? test->smallestMarginText : QString(), 6)
                         .arg(tests);
          };
    for (const JobStatus::CableIdRow &row : status.ids)
        line(row.cableId,
            JobStatus::stateKey(row.state)
                + (row.retestMarked ? QStringLiteral(", retest") : QString()),
            row.state == JobStatus::State::Untested ? nullptr : &row.latest, row.tests());
    for (const JobStatus::Test &test : status.unplanned)
        line(QString(), QStringLiteral("unplanned"), &test, 1);
    out << status.countsText() << '\n';
}

} // namespace

int jobStatusCommand(const CliOptions &options, QTextStream &out, QTextStream &err)
{
    if (!options.error.isEmpty() || options.positional.size() != 1)
        return jobUsage(
            "status", options.error.isEmpty() ? "expects one job name" : options.error, err);
    const bool json = options.flags.contains(QStringLiteral("--json"));
    const bool csv = options.flags.contains(QStringLiteral("--csv"));
    if (json && csv)
        return jobUsage("status", "takes --json or --csv, not both", err);
    RecordStore store(
        StoreLocation::configured(options.values.value(QStringLiteral("--database"))));
    if (!openStoreFor(store, RecordStore::Access::ReadOnly, err))
        return 2;
    JobStore jobs(store);
    JobStatus status;
    if (!jobs.readStatus(normalizedJobName(options.positional.first()), &status))
        return jobFailure("status", jobs.errorString(), err);
    if (json)
        printJson(status, out);
    else if (csv)
        printCsv(status, out);
    else
        printText(status, out);
    return 0;
}

int jobExportCommand(const CliOptions &options, QTextStream &out, QTextStream &err)
{
    const QString path = options.values.value(QStringLiteral("-o"));
    if (!options.error.isEmpty() || options.positional.size() != 1 || path.isEmpty())
        return jobUsage("export",
            options.error.isEmpty() ? "expects one job name and -o OUT.mrf" : options.error, err);
    if (QFileInfo::exists(path))
        return jobFailure("export",
            QStringLiteral("%1: the file exists; it is not overwritten: choose another").arg(path),
            err);
    RecordStore store(
        StoreLocation::configured(options.values.value(QStringLiteral("--database"))));
    if (!openStoreFor(store, RecordStore::Access::ReadOnly, err))
        return 2;
    JobStore jobs(store);
    QVector<StoredRecord> rows;
    ArchiveJob archive;
    if (!jobs.exportJob(normalizedJobName(options.positional.first()), &rows, &archive))
        return jobFailure("export", jobs.errorString(), err);
    QVector<TestRecord> records;
    QVector<ReportHeaderTexts> headers;
    for (const StoredRecord &row : qAsConst(rows)) {
        records << row.record;
        headers << row.headers;
    }
    QString why;
    if (!RecordArchive::save(path, records, headers, &why, &archive))
        return jobFailure(
            "export", QStringLiteral("%1: cannot write archive: %2").arg(path, why), err);
    out << QStringLiteral("wrote %1 records of job %2 to %3\n")
               .arg(records.size())
               .arg(archive.facts.name, path);
    return 0;
}
