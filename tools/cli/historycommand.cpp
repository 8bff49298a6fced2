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
    ChunkWriter(QTextStream &out, bool csv)
        : out(out)
        , csv(csv)
    {
    }

    void add(const StoredRecord &row)
    {
        records << row.record;
        headers << row.headers;
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
            out << text;
        }
        any = true;
        records.clear();
        headers.clear();
    }

    QTextStream &out;
    const bool csv;
    bool any = false;
    QVector<TestRecord> records;
    QVector<ReportHeaderTexts> headers;
};
} // namespace

int historyCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const CliOptions options = CliOptions::parse(arguments,
        { QStringLiteral("--json"), QStringLiteral("--csv") },
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
    if (!usageError.isEmpty()) {
        err << "lumetra-cli history: " << usageError << " (see --help)\n";
        return 2;
    }

    RecordStore store(
        StoreLocation::configured(options.values.value(QStringLiteral("--database"))));
    const StoreLocation &where = store.location();
    if (!where.error.isEmpty()) {
        err << "lumetra-cli: " << where.error << '\n';
        return 2;
    }
    if (where.kind == StoreLocation::Kind::SQLite && !QFileInfo::exists(where.file)) {
        err << "lumetra-cli: " << where.displayName() << ": no records store there\n";
        return 2;
    }
    if (!store.open()) {
        err << "lumetra-cli: " << store.location().displayName() << ": " << store.errorString()
            << '\n';
        return 2;
    }
    ChunkWriter writer(out, options.flags.contains(QStringLiteral("--csv")));
    const bool read
        = store.forEachRecord(filter, [&](const StoredRecord &row) { writer.add(row); });
    writer.finish();
    if (!read) {
        err << "lumetra-cli: " << store.location().displayName() << ": " << store.errorString()
            << '\n';
        return 2;
    }
    return 0;
}
