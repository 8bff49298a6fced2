// SPDX-License-Identifier: MIT
#include "jobstatusmodel.h"

#include "recordtexts.h"
#include "verdict.h"

#include <QBrush>
#include <QDateTime>

namespace {
Verdict verdictOf(JobStatus::State state)
{
    return state == JobStatus::State::Pass ? Verdict::Pass
        : state == JobStatus::State::Fail  ? Verdict::Fail
                                           : Verdict::None;
}

QString timeText(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("yyyy-MM-dd hh:mm"));
}
} // namespace

JobStatusModel::JobStatusModel(Rows rows, QObject *parent)
    : QAbstractTableModel(parent)
    , rows(rows)
{
}

void JobStatusModel::show(const JobStatus &status)
{
    beginResetModel();
    shown = status;
    endResetModel();
}

const JobStatus::Test *JobStatusModel::testAt(int row) const
{
    if (rows == Rows::Unplanned)
        return row >= 0 && row < shown.unplanned.size() ? &shown.unplanned.at(row) : nullptr;
    if (row < 0 || row >= shown.ids.size() || shown.ids.at(row).state == JobStatus::State::Untested)
        return nullptr;
    return &shown.ids.at(row).latest;
}

QString JobStatusModel::cableIdAt(int row) const
{
    return rows == Rows::CableIds && row >= 0 && row < shown.ids.size() ? shown.ids.at(row).cableId
                                                                        : QString();
}

int JobStatusModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return rows == Rows::CableIds ? shown.ids.size() : shown.unplanned.size();
}

int JobStatusModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return rows == Rows::CableIds ? int(IdColumns) : int(UnplannedColumns);
}

QVariant JobStatusModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const QStringList titles = rows == Rows::CableIds
        ? QStringList { tr("Cable ID"), tr("State"), tr("Record"), tr("Tested"),
              tr("Smallest Margin"), tr("Tests") }
        : QStringList { tr("Record"), tr("Received"), tr("Verdict"), tr("Smallest Margin") };
    return titles.value(section);
}

// "FAIL, retest marked": the state, and what else is to know of the ID.
QString JobStatusModel::stateText(const JobStatus::CableIdRow &row)
{
    QStringList parts { JobStatus::stateText(row.state) };
    if (!row.earlier.isEmpty())
        parts << tr("retested");
    if (row.retestMarked)
        parts << tr("retest marked");
    return parts.join(QStringLiteral(", "));
}

QVariant JobStatusModel::testData(const JobStatus::Test &test, int column, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (column) {
    case 0:
        return recordNumberText(test.recordNumber);
    case 1:
        return timeText(test.receivedAtMs);
    case 2:
        return JobStatus::stateText(test.verdict);
    default:
        return test.smallestMarginText;
    }
}

QVariant JobStatusModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    if (role == Qt::TextAlignmentRole) {
        // Numbers line up on their last digit.
        const bool number = rows == Rows::CableIds
            ? index.column() == Record || index.column() == Margin || index.column() == Tests
            : index.column() == UnplannedRecord || index.column() == UnplannedMargin;
        return QVariant(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (rows == Rows::Unplanned) {
        const JobStatus::Test &test = shown.unplanned.at(index.row());
        if (role == Qt::ForegroundRole && index.column() == UnplannedVerdict) {
            const std::optional<Qt::GlobalColor> color = verdictColor(verdictOf(test.verdict));
            return color ? QVariant(QBrush(*color)) : QVariant();
        }
        return testData(test, index.column(), role);
    }
    const JobStatus::CableIdRow &row = shown.ids.at(index.row());
    if (role == Qt::ForegroundRole && index.column() == State) {
        const std::optional<Qt::GlobalColor> color = verdictColor(verdictOf(row.state));
        return color ? QVariant(QBrush(*color)) : QVariant();
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    const bool tested = row.state != JobStatus::State::Untested;
    switch (index.column()) {
    case CableId:
        return row.cableId;
    case State:
        return stateText(row);
    case Record:
        return tested ? testData(row.latest, 0, role) : QVariant();
    case Tested:
        return tested ? testData(row.latest, 1, role) : QVariant();
    case Margin:
        return tested ? testData(row.latest, 3, role) : QVariant();
    case Tests:
        return row.tests();
    default:
        return QVariant();
    }
}
