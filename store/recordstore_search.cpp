// SPDX-License-Identifier: MIT
// The history's query, and the search index that serves it.
#include "recordstore.h"

#include "searchindex.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSqlQuery>
#include <QStorageInfo>
#include <mutex>

namespace {

QString likeOf(const QString &search)
{
    QString pattern = search;
    pattern.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    pattern.replace(QLatin1String("%"), QLatin1String("\\%"));
    pattern.replace(QLatin1String("_"), QLatin1String("\\_"));
    return QLatin1Char('%') + pattern + QLatin1Char('%');
}

QString qualified(const QString &columns, const QString &table)
{
    QStringList names = columns.split(QLatin1Char(','));
    for (QString &name : names)
        name = table + name.trimmed();
    return names.join(QStringLiteral(", "));
}

QString orderOf(bool newestFirst, const QString &table, int limit)
{
    const QString direction = newestFirst ? QStringLiteral(" DESC") : QString();
    return QStringLiteral(" ORDER BY %1received_at%2, %1batch_position%2").arg(table, direction)
        + (limit > 0 ? QStringLiteral(" LIMIT %1").arg(limit) : QString());
}

// The filter's job and time, on the records of table ("r." or nothing).
QStringList conditionsOf(
    const HistoryFilter &filter, const QString &table, bool storeHasJobs, QVariantList *values)
{
    QStringList conditions;
    if (!filter.job.isEmpty() && !storeHasJobs) {
        conditions << QStringLiteral("1 = 0");
    } else if (!filter.job.isEmpty()) {
        conditions << QStringLiteral("%1record_key IN (SELECT record_key FROM lumetra_record_jobs"
                                     " WHERE job_name = ?)")
                          .arg(table);
        values->append(filter.job);
    }
    if (filter.fromMs > 0) {
        conditions << table + QStringLiteral("received_at >= ?");
        values->append(filter.fromMs);
    }
    if (filter.untilMs > 0) {
        conditions << table + QStringLiteral("received_at < ?");
        values->append(filter.untilMs);
    }
    return conditions;
}

QString whereOf(const QStringList &conditions)
{
    return conditions.isEmpty()
        ? QString()
        : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
}

// SQLite: the index gives the matches in the history's order, the newest
// first when asked, so that the window's bound ends the search; LIKE
// confirms each.
QString indexedSql(const QString &columns, const HistoryFilter &filter, const QString &match,
    bool newestFirst, int limit, QVariantList *values)
{
    const QString like = likeOf(filter.search.trimmed().toLower());
    *values << match << like << like;
    QStringList conditions = { QStringLiteral("s.lumetra_search MATCH ?"),
        QStringLiteral("o.position = s.rowid"), QStringLiteral("r.rowid = o.record_id"),
        QStringLiteral("(r.search_text LIKE ? ESCAPE '\\' OR EXISTS (SELECT 1 FROM"
                       " lumetra_record_jobs j WHERE j.record_key = r.record_key AND"
                       " j.search_text LIKE ? ESCAPE '\\'))") };
    if (filter.fromMs > 0) {
        conditions << QStringLiteral("s.rowid >= ?");
        *values << SearchIndex::positionOf(filter.fromMs);
    }
    if (filter.untilMs > 0) {
        conditions << QStringLiteral("s.rowid < ?");
        *values << SearchIndex::positionOf(filter.untilMs);
    }
    conditions += conditionsOf(filter, QStringLiteral("r."), true, values);
    return QStringLiteral("SELECT ") + qualified(columns, QStringLiteral("r."))
        + QStringLiteral(" FROM lumetra_search s CROSS JOIN lumetra_search_order o CROSS JOIN"
                         " lumetra_records r")
        + whereOf(conditions) + QStringLiteral(" ORDER BY s.rowid")
        + (newestFirst ? QStringLiteral(" DESC") : QString())
        + (limit > 0 ? QStringLiteral(" LIMIT %1").arg(limit) : QString());
}

// The records a PostgreSQL search reads: all, those received from edge on,
// or those before it, then without the order of the time's index.
struct Window
{
    enum { All, From, Before } part = All;
    qint64 edge = 0;

    QString condition(QVariantList *values) const
    {
        if (part == All)
            return QString();
        values->append(edge);
        return part == From ? QStringLiteral(" AND r.received_at >= ?")
                            : QStringLiteral(" AND r.received_at < ?");
    }
    QString order(int limit) const
    {
        // + 0: not by the index, so that its planner reads the matches alone.
        const QString shifted = part == Before ? QStringLiteral(" + 0") : QString();
        return QStringLiteral(" ORDER BY r.received_at%1 DESC, r.batch_position DESC LIMIT %2")
            .arg(shifted)
            .arg(limit);
    }
};

// PostgreSQL: the records' texts and the cable IDs apart, so that each may
// use its index, or, for a text that many records have, the newest records
// first: its planner chooses.
QString postgresSql(const QString &columns, const HistoryFilter &filter, bool newestFirst,
    int limit, QVariantList *values, const Window &window = {})
{
    const QString like = likeOf(filter.search.trimmed().toLower());
    if (!newestFirst || limit <= 0) {
        *values << like << like;
        QStringList conditions
            = { QStringLiteral("r.record_key IN (SELECT record_key FROM lumetra_records WHERE"
                               " search_text LIKE ? ESCAPE '\\' UNION SELECT record_key FROM"
                               " lumetra_record_jobs WHERE search_text LIKE ? ESCAPE '\\')") };
        conditions += conditionsOf(filter, QStringLiteral("r."), true, values);
        return QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM lumetra_records r")
            + whereOf(conditions) + orderOf(newestFirst, QStringLiteral("r."), limit);
    }
    // The newest of each within the bound hold the newest of both.
    QStringList byText = { QStringLiteral("r.search_text LIKE ? ESCAPE '\\'") };
    *values << like;
    byText += conditionsOf(filter, QStringLiteral("r."), true, values);
    const QString byTextWindow = window.condition(values);
    QStringList byId = { QStringLiteral("j.search_text LIKE ? ESCAPE '\\'") };
    *values << like;
    byId += conditionsOf(filter, QStringLiteral("r."), true, values);
    const QString byIdWindow = window.condition(values);
    return QStringLiteral("SELECT ") + columns
        + QStringLiteral(" FROM lumetra_records WHERE record_key IN (SELECT record_key FROM"
                         " (SELECT r.record_key FROM lumetra_records r")
        + whereOf(byText) + byTextWindow + window.order(limit)
        + QStringLiteral(") AS by_text UNION SELECT record_key FROM (SELECT r.record_key FROM"
                         " lumetra_record_jobs j JOIN lumetra_records r ON r.record_key ="
                         " j.record_key")
        + whereOf(byId) + byIdWindow + window.order(limit) + QStringLiteral(") AS by_id)")
        + orderOf(true, QString(), limit);
}

// Every row looked at, the newest first when asked: what a store without the
// index does, and what a text of one or two characters needs.
QString scanSql(const QString &columns, const HistoryFilter &filter, bool newestFirst, int limit,
    QVariantList *values, bool storeHasJobs)
{
    QStringList conditions;
    const QString search = filter.search.trimmed().toLower();
    if (!search.isEmpty()) {
        const QString like = likeOf(search);
        values->append(like);
        if (storeHasJobs) {
            conditions << QStringLiteral(
                "(search_text LIKE ? ESCAPE '\\' OR record_key IN (SELECT record_key FROM"
                " lumetra_record_jobs WHERE search_text LIKE ? ESCAPE '\\'))");
            values->append(like);
        } else {
            conditions << QStringLiteral("search_text LIKE ? ESCAPE '\\'");
        }
    }
    conditions += conditionsOf(filter, QString(), storeHasJobs, values);
    return QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM lumetra_records")
        + whereOf(conditions) + orderOf(newestFirst, QString(), limit);
}

} // namespace

QString RecordStore::historySql(const QString &columns, const HistoryFilter &filter,
    bool newestFirst, int limit, QVariantList *values)
{
    const bool storeHasJobs = versionNow >= 3;
    const QString search = filter.search.trimmed().toLower();
    const QString match = indexed && where.kind == StoreLocation::Kind::SQLite
        ? SearchIndex::matchOf(search)
        : QString();
    if (!match.isEmpty() && SearchIndex::caughtUp(database()))
        return indexedSql(columns, filter, match, newestFirst, limit, values);
    if (!search.isEmpty() && storeHasJobs && where.kind == StoreLocation::Kind::PostgreSQL)
        return postgresSql(columns, filter, newestFirst, limit, values);
    return scanSql(columns, filter, newestFirst, limit, values, storeHasJobs);
}

// PostgreSQL, the newest first: its planner takes a text for spread evenly
// over the years, and one that many records of a month have (a trunk's
// serial numbers) for as common in the newest: reading back to that month
// takes a second in a million records. So the newest records first, as many
// as ten times the bound, where a common text is found at once; then the
// older ones through the index, which reads their matches alone.
bool RecordStore::readNewestInSteps(
    const QString &columns, const HistoryFilter &filter, int limit, QVector<HistoryRow> *rows)
{
    HistoryFilter dates = filter;
    dates.search.clear();
    dates.job.clear();
    QVariantList values;
    const QStringList conditions = conditionsOf(dates, QString(), true, &values);
    QSqlQuery edge(database());
    edge.prepare(QStringLiteral("SELECT received_at FROM lumetra_records") + whereOf(conditions)
        + QStringLiteral(" ORDER BY received_at DESC, batch_position DESC LIMIT 1 OFFSET %1")
              .arg(10 * limit - 1));
    for (const QVariant &value : qAsConst(values))
        edge.addBindValue(value);
    if (!edge.exec())
        return failed(edge);
    Window window;
    if (edge.next())
        window = { Window::From, edge.value(0).toLongLong() };
    edge.finish();
    values.clear();
    if (!readHistoryRows(postgresSql(columns, filter, true, limit, &values, window), values, rows))
        return false;
    if (window.part == Window::All || rows->size() >= limit)
        return true;
    values.clear();
    window.part = Window::Before;
    return readHistoryRows(
        postgresSql(columns, filter, true, limit - rows->size(), &values, window), values, rows);
}

bool RecordStore::catchUpSearchIndex(QString *why)
{
    return !indexed || where.kind != StoreLocation::Kind::SQLite
        || SearchIndex::catchUp(database(), why);
}

void RecordStore::setUpgradeProgress(UpgradeProgress progress, const std::atomic<bool> *cancel)
{
    upgradeProgress = std::move(progress);
    upgradeCancel = cancel;
}

// Before a transaction that builds the index: an SQLite store's disk must
// hold it, and its copy in the write-ahead log.
bool RecordStore::roomForIndex()
{
    if (where.kind != StoreLocation::Kind::SQLite)
        return true; // a server's disk is its administrator's
    const qint64 needed = SearchIndex::roomNeeded(database());
    const qint64 free = QStorageInfo(QFileInfo(where.file).absolutePath()).bytesAvailable();
    if (free < 0 || free >= needed)
        return true;
    const auto mb = [](qint64 bytes) { return QString::number((bytes + 999999) / 1000000); };
    return fail(QStringLiteral("there is not enough free space to upgrade the records store and "
                               "build its search index: it needs about %1 MB, and %2 MB are free "
                               "on its disk (%3); it is left as it is")
                    .arg(mb(needed), mb(free),
                        QDir::toNativeSeparators(QFileInfo(where.file).absolutePath())));
}

// In the open transaction, told to the upgrade's progress unless quietly
// (a new store's index is empty). *stopped: by the progress, the cancel or
// the program's end.
bool RecordStore::buildIndex(bool *stopped, bool quietly)
{
    *stopped = false;
    const SearchIndex::Progress progress = [this, stopped, quietly](qint64 done, qint64 total) {
        *stopped = (interrupted && interrupted->load()) || (upgradeCancel && upgradeCancel->load())
            || (!quietly && upgradeProgress && !upgradeProgress(done, total));
        return !*stopped;
    };
    bool made = false;
    QString why;
    if (!SearchIndex::build(database(), where.kind, progress, upgradeCancel, &made, &why)) {
        *stopped = *stopped || (upgradeCancel && upgradeCancel->load());
        return fail(why);
    }
    indexed = made;
    if (!made)
        sayNotIndexed(why);
    return true;
}

// A store of this version without the index, made where it could have none:
// it may have one now. Without it, the store works as before.
void RecordStore::addIndex()
{
    bool stopped = false;
    if (roomForIndex() && transact([this, &stopped] { return buildIndex(&stopped); }))
        return;
    sayNotIndexed(stopped ? QStringLiteral("building it was cancelled") : error);
    state = Status::Open;
    error.clear();
}

void RecordStore::sayNotIndexed(const QString &why) const
{
    static std::mutex lock;
    static QSet<QString> told;
    const std::lock_guard<std::mutex> locker(lock);
    if (told.contains(where.identity()))
        return;
    told.insert(where.identity());
    qWarning().noquote() << QStringLiteral("%1: the search of the records store is not indexed "
                                           "(%2): it reads every record, as before")
                                .arg(where.displayName(), why);
}
