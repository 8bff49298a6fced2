// SPDX-License-Identifier: MIT
#include "clicommands.h"
#include "clioptions.h"
#include "clistore.h"
#include "jobstore.h"
#include "recordcsv.h"
#include "recordjson.h"
#include "recordstore.h"
#include "suspectreading.h"

#include <QDateTime>
#include <QTextStream>

namespace {
// Written a chunk at a time, so that a store of any size prints in little memory.
constexpr int chunkSize = 1000;

// A date is its first moment in local time.
qint64 sinceMs(const QString &text, bool *ok)
{
    QDateTime moment = QDateTime::fromString(text, Qt::ISODate);
    if (!moment.isValid())
        moment = QDateTime(QDate::fromString(text, Qt::ISODate), QTime(0, 0));
    *ok = moment.isValid();
    return moment.toMSecsSinceEpoch();
}

// The records of a chunk exactly as dump prints a list of them, without
// what wraps the list, so that the two never differ in shape; the JSON adds
// each record's key and when it was received.
class ChunkWriter
{
public:
    // jobs reads each record's job and ID, on a connection of its own; with
    // allTexts, each record's text versions and those of its job and ID too.
    ChunkWriter(QTextStream &out, bool csv, JobStore &jobs, RecordStore &second, bool allTexts)
        : out(out)
        , csv(csv)
        , jobs(jobs)
        , second(second)
        , allTexts(allTexts)
    {
    }

    void add(const StoredRecord &row)
    {
        records << row.record;
        headers << row.headers;
        keys << row.key();
        receivedAt << row.receivedAtMs;
        if (records.size() >= chunkSize)
            flush();
    }

    void finish()
    {
        flush();
        if (!csv)
            out << (any ? "]}\n" : "{\"records\":[]}\n");
        else if (!any)
            out << recordListCsv({}, {}, QStringLiteral("\n"));
        out.flush();
    }

private:
    void flush()
    {
        if (records.isEmpty())
            return;
        QHash<QString, RecordCableId> found;
        jobs.recordCableIds(keys, &found);
        QVector<RecordCableId> ids;
        for (const QString &key : qAsConst(keys))
            ids << found.value(key);
        if (csv) {
            // As dump --csv.
            QString text = recordListCsv(records, headers, QStringLiteral("\n"), {}, ids);
            if (any)
                text.remove(0, text.indexOf(QLatin1Char('\n')) + 1); // the header line once
            out << text;
        } else {
            out << items(ids);
        }
        any = true;
        records.clear();
        headers.clear();
        keys.clear();
        receivedAt.clear();
    }

    QString items(const QVector<RecordCableId> &ids)
    {
        QStringList items;
        for (int i = 0; i < records.size(); ++i) {
            const QVector<SuspectReading> flags = ids.at(i).job.isEmpty()
                ? SuspectReading::negativeLosses(records.at(i))
                : suspectInJob(ids.at(i).job).value(keys.at(i));
            QString item = recordJson(records.at(i), &headers.at(i), &ids.at(i), &flags);
            item.replace(0, 1,
                QStringLiteral("{\"key\":%1,\"receivedAt\":%2,")
                    .arg(jsonText(keys.at(i)), jsonText(utcTimeText(receivedAt.at(i)))));
            if (allTexts) {
                item.chop(1); // "}"
                item += QStringLiteral(",\"textVersions\":[") + textVersions(keys.at(i))
                    + QStringLiteral("],\"jobVersions\":[") + jobVersions(keys.at(i))
                    + QStringLiteral("]}");
            }
            items << item;
        }
        return (any ? QStringLiteral(",") : QStringLiteral("{\"records\":["))
            + items.join(QLatin1Char(','));
    }

    // The same readings are looked for among all the records of a record's job.
    const QHash<QString, QVector<SuspectReading>> &suspectInJob(const QString &job)
    {
        const auto known = suspect.constFind(job);
        if (known != suspect.constEnd())
            return *known;
        JobRecords found;
        jobs.readRecords(job, &found);
        QVector<JobTest> tests = found.unplanned;
        for (const JobTrunk &trunk : qAsConst(found.trunks))
            tests += trunk.tests;
        QVector<TestRecord> group;
        for (const JobTest &test : qAsConst(tests))
            group << test.record;
        const QVector<QVector<SuspectReading>> flags = SuspectReading::ofGroup(group);
        QHash<QString, QVector<SuspectReading>> &byKey = suspect[job];
        for (int i = 0; i < tests.size(); ++i)
            byKey.insert(tests.at(i).key, flags.at(i));
        return byKey;
    }

    QString jobVersions(const QString &key)
    {
        QVector<JobStore::Version> found;
        jobs.versions(key, &found);
        QStringList list;
        for (const JobStore::Version &version : qAsConst(found))
            list << QStringLiteral("{\"version\":%1,\"madeAt\":%2,\"hostName\":%3,"
                                   "\"job\":%4,\"cableId\":%5}")
                        .arg(QString::number(version.version),
                            jsonText(utcTimeText(version.madeAtMs)), jsonText(version.hostName),
                            jsonText(version.job), jsonText(version.cableId));
        return list.join(QLatin1Char(','));
    }

    QString textVersions(const QString &key)
    {
        QVector<TextVersion> found;
        second.readTextVersions(key, &found);
        QStringList list;
        for (const TextVersion &version : qAsConst(found))
            list << QStringLiteral("{\"version\":%1,\"madeAt\":%2,\"hostName\":%3,"
                                   "\"headers\":%4}")
                        .arg(QString::number(version.version),
                            jsonText(utcTimeText(version.madeAtMs)), jsonText(version.hostName),
                            headersJson(version.headers));
        return list.join(QLatin1Char(','));
    }

    QTextStream &out;
    const bool csv;
    JobStore &jobs;
    RecordStore &second;
    const bool allTexts;
    bool any = false;
    QVector<TestRecord> records;
    QVector<ReportHeaderTexts> headers;
    QStringList keys;
    QVector<qint64> receivedAt;
    QHash<QString, QHash<QString, QVector<SuspectReading>>> suspect; // by job, then record key
};
} // namespace

int historyCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const CliOptions options = CliOptions::parse(arguments,
        { QStringLiteral("--json"), QStringLiteral("--csv"), QStringLiteral("--all-texts") },
        { QStringLiteral("--database"), QStringLiteral("--search"), QStringLiteral("--since"),
            QStringLiteral("--job") });
    HistoryFilter filter;
    filter.search = options.values.value(QStringLiteral("--search"));
    filter.job = normalizedJobName(options.values.value(QStringLiteral("--job")));
    QString usageError = options.error;
    if (usageError.isEmpty() && !options.positional.isEmpty())
        usageError = QStringLiteral("takes no file; name the store with --database");
    if (usageError.isEmpty() && options.values.contains(QStringLiteral("--since"))) {
        bool ok = false;
        filter.fromMs = sinceMs(options.values.value(QStringLiteral("--since")), &ok);
        if (!ok)
            usageError = QStringLiteral("--since takes a date, yyyy-mm-dd");
    }
    const bool allTexts = options.flags.contains(QStringLiteral("--all-texts"));
    if (usageError.isEmpty() && allTexts && options.flags.contains(QStringLiteral("--csv")))
        usageError = QStringLiteral("--all-texts lists text versions in JSON only");
    if (!usageError.isEmpty()) {
        err << "lumetra-cli history: " << usageError << " (see --help)\n";
        return 2;
    }

    RecordStore store(
        StoreLocation::configured(options.values.value(QStringLiteral("--database"))));
    const QString storeName = store.location().displayName();
    // Only reading: the store is left exactly as it was found, of whatever
    // version this Lumetra can read.
    if (!openStoreFor(store, RecordStore::Access::ReadOnly, err))
        return 2;
    // A second connection: the first is busy reading the records.
    RecordStore second(store.location());
    if (!openStoreFor(second, RecordStore::Access::ReadOnly, err))
        return 2;
    JobStore jobs(second);
    JobFacts job;
    if (!filter.job.isEmpty() && !jobs.job(filter.job, &job)) {
        err << "lumetra-cli history: " << jobs.errorString() << '\n';
        return 2;
    }
    ChunkWriter writer(
        out, options.flags.contains(QStringLiteral("--csv")), jobs, second, allTexts);
    qint64 listed = 0;
    const bool read
        = store.foundVersion() == 0 || store.forEachRecord(filter, [&](const StoredRecord &row) {
              writer.add(row);
              ++listed;
          });
    writer.finish();
    if (!read) {
        err << "lumetra-cli: " << storeName << ": " << store.errorString() << '\n';
        return 2;
    }
    if (const int damaged = store.undecodableRows())
        err << "lumetra-cli: " << storeName << ": "
            << (damaged == 1 ? QStringLiteral("1 stored record could not be read: its data is "
                                              "damaged")
                             : QStringLiteral("%1 stored records could not be read: their data "
                                              "is damaged")
                                   .arg(damaged))
            << '\n';
    else if (listed == 0 && (store.foundVersion() == 0 || store.isEmpty()))
        err << "lumetra-cli: " << storeName << ": the records store holds no records\n";
    return 0;
}
