// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDHISTORYMODEL_H
#define LUMETRA_RECORDHISTORYMODEL_H

#include "historyfilter.h"

#include <QSqlDatabase>
#include <QSqlQueryModel>
#include <QString>

// The stored records the filter lets through, newest first, as a model on
// the query: rows are fetched from the store as a view scrolls to them.
class RecordHistoryModel : public QSqlQueryModel
{
    Q_OBJECT
public:
    enum Column { Key, Received, RecordNumber, Company, Operator, SerialNumber, Wavelength, Verdict };

    explicit RecordHistoryModel(QObject *parent = nullptr);

    // False when the query failed; lastError() says why.
    bool show(const QSqlDatabase &database, const HistoryFilter &filter);
    bool refresh();
    QString keyAt(int row) const;

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QSqlDatabase db;
    HistoryFilter current;
};

#endif
