// SPDX-License-Identifier: MIT
#ifndef LUMETRA_SEARCHCASES_H
#define LUMETRA_SEARCHCASES_H

#include "jobstore.h"
#include "recordstore.h"

#include <QHash>
#include <QStringList>
#include <QVector>
#include <algorithm>

// Records whose texts a search finds hard: LIKE's own characters, letter
// case, Greek with its final sigma, Chinese, one record in three of one
// operator, cable IDs; written in an order that is not the order received.
// What a search must find is worked out here, from the texts alone.
namespace SearchCases {

inline const QStringList &searches()
{
    static const QStringList texts = { "%", "_", "\\", "0% f", "r_s", "k\\s", "mixed case",
        "MiXeD CaSe", "ΊΝΕΣ", "ίνες", "光纤", "纤网络", "有限公司", "common operator", "ü", "ün",
        "a", "12", "007", "t4-", "-ω", "rack_1", "nothing at all" };
    return texts;
}

struct Case
{
    StoredRecord row;
    QString cableId; // null: none
};

inline QVector<Case> cases()
{
    static const QStringList companies = { "100% Fibre", "Under_score Ltd", "Back\\slash GmbH",
        "MiXeD CaSe AG", "Οπτικές Ίνες ΑΕ", "光纤网络有限公司" };
    QVector<Case> all;
    for (int i = 0; i < 60; ++i) {
        Case one;
        StoredRecord &row = one.row;
        row.record.recordNumber = uint16_t(i + 1);
        row.record.thresholdCentiDb = 150;
        row.headers.companyName = companies.at(i % companies.size());
        row.headers.operatorName = i % 3 == 0 ? QStringLiteral("Common Operator")
                                              : QStringLiteral("Op %1 Ünïcødé").arg(i);
        row.sourceKind = QStringLiteral("port");
        row.receivedAtMs = 1700000000000 + qint64(i * 37 % 60) * 1000; // not in write order
        row.batchPosition = i % 10;
        if (i % 4 == 0)
            one.cableId = QStringLiteral("Rack_%1-T%2-Ω").arg(i / 10).arg(i % 10);
        all << one;
    }
    return all;
}

// In batches of ten, then the cable IDs of a job, one by one.
inline bool write(RecordStore &store, const QVector<Case> &all)
{
    QVector<StoredRecord> batch;
    for (const Case &one : all) {
        batch << one.row;
        if (batch.size() == 10 && !store.write(std::exchange(batch, {})))
            return false;
    }
    JobStore jobs(store);
    JobFacts facts;
    facts.name = QStringLiteral("Trunks");
    QStringList ids;
    for (const Case &one : all) {
        if (!one.cableId.isNull())
            ids << one.cableId;
    }
    if (!jobs.createJob(facts) || !jobs.addCableIds(facts.name, ids))
        return false;
    for (const Case &one : all) {
        if (!one.cableId.isNull()
            && !jobs.assign(facts.name, one.row.key(), JobStore::Assignment::Id, one.cableId))
            return false;
    }
    return true;
}

// Numbers of the records found, newest first; at most limit.
inline QStringList found(RecordStore &store, const QString &search, int limit = 0)
{
    QVector<HistoryRow> rows;
    if (!store.readHistory({ search, QString(), 0, 0 }, limit, &rows))
        return { store.errorString() };
    QStringList numbers;
    for (const HistoryRow &row : qAsConst(rows))
        numbers << QString::number(row.recordNumber);
    return numbers;
}

// What a search must find: its text in a record's texts or cable ID, in
// any letter case, newest first.
inline QStringList expected(const QVector<Case> &all, const QString &search, int limit = 0)
{
    const QString text = search.trimmed().toLower();
    QVector<const Case *> matching;
    for (const Case &one : all) {
        if (searchTextOf(one.row.record, one.row.headers).contains(text)
            || one.cableId.toLower().contains(text))
            matching << &one;
    }
    std::sort(matching.begin(), matching.end(), [](const Case *a, const Case *b) {
        return std::make_pair(a->row.receivedAtMs, a->row.batchPosition)
            > std::make_pair(b->row.receivedAtMs, b->row.batchPosition);
    });
    QStringList numbers;
    for (const Case *one : qAsConst(matching)) {
        if (limit == 0 || numbers.size() < limit)
            numbers << QString::number(one->row.record.recordNumber);
    }
    return numbers;
}

} // namespace SearchCases

#endif
