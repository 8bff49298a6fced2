// SPDX-License-Identifier: MIT
#include "recordhistorymodel.h"

#include "recordstore.h"
#include "recordtexts.h"
#include "verdict.h"

#include <QBrush>
#include <QColor>
#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>

RecordHistoryModel::RecordHistoryModel(QObject *parent)
    : QSqlQueryModel(parent)
{
}

bool RecordHistoryModel::show(const QSqlDatabase &database, const HistoryFilter &filter)
{
    db = database;
    current = filter;
    return refresh();
}

bool RecordHistoryModel::refresh()
{
    QVariantList values;
    QSqlQuery query(db);
    query.prepare(RecordStore::historySql(
        QStringLiteral("record_key, received_at, record_number, company, operator_name,"
                       " serial_number, wavelength_nm, verdict"),
        current, true, rowLimit, &values));
    for (const QVariant &value : qAsConst(values))
        query.addBindValue(value);
    query.exec();
    setQuery(query);
    while (canFetchMore())
        fetchMore();
    const QStringList titles = { tr("Key"), tr("Received"), tr("Record"), tr("Company"),
        tr("Operator"), tr("Serial Number"), tr("Wavelength"), tr("Verdict") };
    for (int column = 0; column < titles.size(); ++column)
        setHeaderData(column, Qt::Horizontal, titles.at(column));
    return !lastError().isValid();
}

QString RecordHistoryModel::keyAt(int row) const
{
    return QSqlQueryModel::data(index(row, Key)).toString();
}

QVariant RecordHistoryModel::data(const QModelIndex &index, int role) const
{
    const QVariant value = QSqlQueryModel::data(index, Qt::DisplayRole);
    if (role == Qt::ForegroundRole && index.column() == Verdict) {
        // The colours of the report's verdict cells.
        const std::optional<Qt::GlobalColor> color = verdictColor(verdictOfText(value.toString()));
        return color ? QVariant(QBrush(*color)) : QVariant();
    }
    if (role == Qt::ToolTipRole
        && (index.column() == Company || index.column() == Operator
            || index.column() == SerialNumber))
        return value;
    if (role != Qt::DisplayRole)
        return QSqlQueryModel::data(index, role);
    switch (index.column()) {
    case Received:
        return QDateTime::fromMSecsSinceEpoch(value.toLongLong())
            .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    case RecordNumber:
        return recordNumberText(uint16_t(value.toUInt()));
    default:
        return value;
    }
}
