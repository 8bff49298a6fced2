// SPDX-License-Identifier: MIT
#ifndef LUMETRA_JOBSTATUSMODEL_H
#define LUMETRA_JOBSTATUSMODEL_H

#include "jobstatus.h"

#include <QAbstractTableModel>

// A job's status as the Jobs window lists it: its cable IDs in order, each
// with its state, record number, when tested, smallest margin and tests; or
// its unplanned records.
class JobStatusModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum class Rows { CableIds, Unplanned };
    enum IdColumn { CableId, State, Record, Tested, Margin, Tests, IdColumns };
    enum UnplannedColumn {
        UnplannedRecord,
        UnplannedReceived,
        UnplannedVerdict,
        UnplannedMargin,
        UnplannedColumns
    };

    explicit JobStatusModel(Rows rows, QObject *parent = nullptr);

    void show(const JobStatus &status);
    const JobStatus &status() const { return shown; }
    // The test of a row: an ID's latest, or an unplanned record; none for an untested ID.
    const JobStatus::Test *testAt(int row) const;
    QString cableIdAt(int row) const; // empty for an unplanned record

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static QString stateText(const JobStatus::CableIdRow &row);

private:
    QVariant testData(const JobStatus::Test &test, int column, int role) const;

    const Rows rows;
    JobStatus shown;
};

#endif
