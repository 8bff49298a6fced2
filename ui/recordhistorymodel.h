// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDHISTORYMODEL_H
#define LUMETRA_RECORDHISTORYMODEL_H

#include "historyfilter.h"

#include <QSqlDatabase>
#include <QSqlQueryModel>
#include <QString>

// The newest stored records the filter lets through, as a model on the query.
// At most rowLimit: a server hands over every row of a result at once, and a
// keystroke in the filter must not wait for a hundred thousand of them.
class RecordHistoryModel : public QSqlQueryModel
{
    Q_OBJECT
public:
    static constexpr int rowLimit = 5000;

    enum Column {
        Key,
        Received,
        RecordNumber,
        Company,
        Operator,
        SerialNumber,
        Wavelength,
        Verdict
    };

    explicit RecordHistoryModel(QObject *parent = nullptr);

    // False when the query failed; lastError() says why.
    bool show(const QSqlDatabase &database, const HistoryFilter &filter);
    bool refresh();
    QString keyAt(int row) const;
    // More records match than are shown.
    bool isCut() const { return rowCount() >= rowLimit; }

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QSqlDatabase db;
    HistoryFilter current;
};

#endif
