// SPDX-License-Identifier: MIT
#ifndef LUMETRA_CABLEIDLIST_H
#define LUMETRA_CABLEIDLIST_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

// The rules of a job's cable IDs. An ID names a trunk as its label does: it
// is trimmed of white space at both ends, kept in Unicode NFC and compared
// exactly, letter case included. The messages are the user's, translated.
class CableIdList
{
    Q_DECLARE_TR_FUNCTIONS(CableIdList)

public:
    static constexpr int maxLength = 64; // characters, after NFC
    static constexpr int maxFromPattern = 10000;
    static constexpr int maxInJob = 100000;

    // Trimmed and in NFC.
    static QString normalized(const QString &text);
    // Why a normalized ID cannot be one; empty when it can.
    static QString problemOf(const QString &id);

    // IDs to add to a job that holds existing: each normalized and checked,
    // in order. lines, when given, numbers each text for the messages. When
    // one is not an ID, one repeats another or one of existing, or the job
    // would grow past maxInJob, nothing is added: false, and error says why,
    // naming the first ten duplicates and how many more.
    static bool prepare(const QStringList &texts, const QVector<int> &lines,
        const QStringList &existing, QStringList *ids, QString *error);

    // "A, B and 3 more": at most ten IDs named, quoted.
    static QString namedList(const QStringList &ids);
    // An ID as a message quotes it: control characters shown as U+FFFD, long ones cut.
    static QString quoted(const QString &id);
};

#endif
