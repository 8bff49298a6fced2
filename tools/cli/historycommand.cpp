// SPDX-License-Identifier: MIT
#include "clicommands.h"
#include "clioptions.h"
#include "recordcsv.h"
#include "recordjson.h"
#include "recordstore.h"

#include <QDateTime>
#include <QFileInfo>
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
// what wraps the list, so that the two never differ in shape.
class ChunkWriter
{
public:
    // versions, when given, adds each record's text versions to the JSON.
    ChunkWriter(QTextStream &out, bool csv, RecordStore *versions = nullptr)
        : out(out)
        , csv(csv)
        , versions(versions)
    {
    }

    void add(const StoredRecord &row)
    {
        records << row.record;
        headers << row.headers;
        if (versions)
            keys << row.key();
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
        if (csv) {
            QString text = recordListCsv(records, headers, QStringLiteral("\n")); // as dump --csv
            if (any)
                text.remove(0, text.indexOf(QLatin1Char('\n')) + 1); // the header line once
            out << text;
        } else {
            QString text = recordListJson(records, &headers);
            text.chop(1); // "]"
            if (any)
                text.replace(0, text.indexOf(QLatin1Char('[')) + 1, QStringLiteral(","));
            out << (versions ? withVersions() : text);
        }
        any = true;
        records.clear();
        headers.clear();
        keys.clear();
    }

    QString withVersions()
    {
        QStringList items;
        for (int i = 0; i < records.size(); ++i) {
            QVector<TextVersion> found;
            versions->readTextVersions(keys.at(i), &found);
            QStringList list;
            for (const TextVersion &version : qAsConst(found))
                list << QStringLiteral("{\"version\":%1,\"madeAt\":%2,\"hostName\":%3,"
                                       "\"headers\":%4}")
                            .arg(version.version)
                            .arg(jsonText(QDateTime::fromMSecsSinceEpoch(version.madeAtMs, Qt::UTC)
                                              .toString(Qt::ISODateWithMs)),
                                jsonText(version.hostName), headersJson(version.headers));
            QString item = recordJson(records.at(i), &headers.at(i));
            item.chop(1); // "}"
            items << item + QStringLiteral(",\"textVersions\":[") + list.join(QLatin1Char(','))
                    + QStringLiteral("]}");
        }
        return (any ? QStringLiteral(",") : QStringLiteral("{\"records\":["))
            + items.join(QLatin1Char(','));
    }

    QTextStream &out;
    const bool csv;
    RecordStore *const versions;
    QStringList keys;
    bool any = false;
    QVector<TestRecord> records;
    QVector<ReportHeaderTexts> headers;
};
} // namespace

int historyCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const CliOptions options = CliOptions::parse(arguments,
        { QStringLiteral("--json"), QStringLiteral("--csv"), QStringLiteral("--all-texts") },
        { QStringLiteral("--database"), QStringLiteral("--search"), QStringLiteral("--since") });
    HistoryFilter filter;
    filter.search = options.values.value(QStringLiteral("--search"));
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
    const StoreLocation &where = store.location();
    if (!where.error.isEmpty()) {
        err << "lumetra-cli: " << where.error << '\n';
        return 2;
    }
    if (where.kind == StoreLocation::Kind::SQLite && !QFileInfo::exists(where.file)) {
        err << "lumetra-cli: " << storeName << ": no records store there\n";
        return 2;
    }
    // Only reading: the store is left exactly as it was found, of whatever
    // version this Lumetra can read.
    if (!store.open(RecordStore::Access::ReadOnly)) {
        err << "lumetra-cli: " << storeName << ": " << store.errorString() << '\n';
        return 2;
    }
    // A second connection: the first is busy reading the records.
    RecordStore versions(store.location());
    if (allTexts && !versions.open(RecordStore::Access::ReadOnly)) {
        err << "lumetra-cli: " << storeName << ": " << versions.errorString() << '\n';
        return 2;
    }
    ChunkWriter writer(
        out, options.flags.contains(QStringLiteral("--csv")), allTexts ? &versions : nullptr);
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
