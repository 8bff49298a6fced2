// SPDX-License-Identifier: MIT
#include "recordhistorymodel.h"

#include "jobstore.h"
#include "recordstore.h"
#include "recordtexts.h"
#include "storethread.h"

#include <QBrush>
#include <QCoreApplication>
#include <QDateTime>
#include <algorithm>

RecordHistoryModel::RecordHistoryModel(const StoreLocation &location, QObject *parent)
    : QAbstractTableModel(parent)
    , thread(std::make_unique<StoreThread>(location))
{
}

RecordHistoryModel::~RecordHistoryModel() = default;

void RecordHistoryModel::release()
{
    released = true;
    setParent(QCoreApplication::instance());
    thread->cancel();
    if (!reading)
        deleteLater();
}

void RecordHistoryModel::show(const HistoryFilter &filter)
{
    wanted = filter;
    refresh();
}

void RecordHistoryModel::refresh()
{
    // One read at a time; typing faster than the store answers reads the last filter once.
    if (reading) {
        readAgain = true;
        return;
    }
    read();
}

void RecordHistoryModel::read()
{
    reading = true;
    partShown = false;
    emit readingChanged(true);
    const HistoryFilter filter = wanted;
    thread->post([this, filter](RecordStore &store, const StoreThread::Answer &answer) {
        if (!store.isOpen())
            store.open(RecordStore::Access::ReadOnly);
        QVector<HistoryRow> read;
        Jobs jobs;
        bool done = store.isOpen()
            && (store.foundVersion() == 0 || store.readHistory(filter, firstRows, &read));
        QString problem = done ? QString() : store.errorString();
        if (done && !readJobs(store, read, &jobs, &problem))
            done = false;
        const bool complete = !done || read.size() < firstRows;
        if (!complete) {
            answer([this, read, jobs] { take(read, jobs, QString(), false); });
            read.clear();
            jobs = Jobs();
            done = store.readHistory(filter, rowLimit, &read);
            problem = done ? QString() : store.errorString();
            if (done && !readJobs(store, read, &jobs, &problem))
                done = false;
        }
        if (!done)
            store.close();
        answer([this, read, jobs, problem] { take(read, jobs, problem, true); });
    });
}

// The store's thread only: the job and cable ID of each row, and the store's jobs.
bool RecordHistoryModel::readJobs(
    RecordStore &store, const QVector<HistoryRow> &read, Jobs *jobs, QString *problem)
{
    JobStore board(store);
    if (!board.hasJobs())
        return true;
    QStringList keys;
    for (const HistoryRow &row : read)
        keys << row.key;
    if (!board.recordCableIds(keys, &jobs->ids) || !board.jobNames(&jobs->names)) {
        *problem = board.errorString();
        return false;
    }
    return true;
}

void RecordHistoryModel::take(const QVector<HistoryRow> &found, const Jobs &foundJobs,
    const QString &problem, bool complete)
{
    if (released) {
        if (complete)
            deleteLater();
        return;
    }
    if (readAgain) {
        if (complete) {
            readAgain = false;
            read();
        }
        return;
    }
    why = problem;
    const bool first = !partShown;
    // The rest of a read whose first rows are shown: those stay as they are.
    if (problem.isEmpty() && partShown && found.size() > rows.size()
        && std::equal(rows.begin(), rows.end(), found.begin(),
            [](const HistoryRow &a, const HistoryRow &b) { return a.key == b.key; })) {
        beginInsertRows(QModelIndex(), rows.size(), found.size() - 1);
        rows = found;
        jobs = foundJobs;
        endInsertRows();
    } else if (problem.isEmpty()) {
        beginResetModel();
        rows = found;
        jobs = foundJobs;
        endResetModel();
    }
    partShown = !complete;
    if (first)
        emit firstRowsShown();
    if (!complete)
        return;
    reading = false;
    emit readingChanged(false);
}

QString RecordHistoryModel::keyAt(int row) const
{
    return row >= 0 && row < rows.size() ? rows.at(row).key : QString();
}

int RecordHistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows.size();
}

int RecordHistoryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RecordHistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const QStringList titles = { tr("Key"), tr("Received"), tr("Record"), tr("Cable ID"),
        tr("Company"), tr("Operator"), tr("Serial Number"), tr("Wavelength"), tr("Verdict") };
    return titles.value(section);
}

QVariant RecordHistoryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size())
        return QVariant();
    const HistoryRow &row = rows.at(index.row());
    if (role == Qt::ForegroundRole && index.column() == Verdict) {
        // The colours of the report's verdict cells.
        const std::optional<Qt::GlobalColor> color = verdictColor(row.verdict);
        return color ? QVariant(QBrush(*color)) : QVariant();
    }
    const bool typed = index.column() == Company || index.column() == Operator
        || index.column() == SerialNumber || index.column() == CableId;
    if (role != Qt::DisplayRole && !(role == Qt::ToolTipRole && typed))
        return QVariant();
    switch (index.column()) {
    case Key:
        return row.key;
    case Received:
        return QDateTime::fromMSecsSinceEpoch(row.receivedAtMs)
            .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    case RecordNumber:
        return recordNumberText(uint16_t(row.recordNumber));
    case CableId:
        return jobs.ids.value(row.key).cableId;
    case Company:
        return row.companyName;
    case Operator:
        return row.operatorName;
    case SerialNumber:
        return row.serialNumber;
    case Wavelength:
        return row.wavelengthNm;
    case Verdict:
        return verdictText(row.verdict);
    default:
        return QVariant();
    }
}
