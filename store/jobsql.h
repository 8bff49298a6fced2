// SPDX-License-Identifier: MIT
#ifndef LUMETRA_JOBSQL_H
#define LUMETRA_JOBSQL_H

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

// What the jobs' queries share.
namespace JobSql {

// As the records' writes: a few seconds, and a little more per row.
constexpr int answerBoundMs = 5000;
constexpr int answerBoundPerRowMs = 20;

inline qint64 nowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

// Null stays NULL, apart from an empty text.
inline QVariant bound(const QString &text)
{
    return text.isNull() ? QVariant(QVariant::String) : QVariant(text);
}

inline QString textOf(const QVariant &value)
{
    return value.isNull() ? QString() : value.toString();
}

// The server's words for what went wrong.
inline QString errorOf(const QSqlQuery &query)
{
    const QSqlError sqlError = query.lastError();
    return (sqlError.databaseText().isEmpty() ? sqlError.text() : sqlError.databaseText())
        .trimmed();
}

} // namespace JobSql

#endif
