// SPDX-License-Identifier: MIT
#ifndef LUMETRA_SUSPECTREADING_H
#define LUMETRA_SUSPECTREADING_H

#include <QCoreApplication>
#include <QString>
#include <QVector>
#include <cstdint>

struct TestRecord;

// A reading to distrust. It is advice beside the verdict, which stays as measured.
struct SuspectReading
{
    Q_DECLARE_TR_FUNCTIONS(SuspectReading)

public:
    enum class Kind {
        NegativeLoss, // a fiber with a margin shows a gain: the reference was set badly
        SameReadings, // twelve powers equal bit for bit to another record's
    };

    Kind kind = Kind::NegativeLoss;
    int fiber = 0; // 1 to 12, for a negative loss
    int other = -1; // the other record's place in its group, for the same readings
    uint16_t otherRecordNumber = 0;

    // "Negative loss: set the reference again and retest" or "Same readings
    // as record 008": translated, or English for scripts.
    QString text(bool translated = true) const;
    // "Same readings as record 008, 011".
    static QString sameReadingsAs(const QString &records, bool translated = true);
    // "negativeLoss" or "sameReadings".
    QString key() const;

    static QVector<SuspectReading> negativeLosses(const TestRecord &record);
    // Every fiber of both has a reading, and their powers are equal bit for bit.
    static bool sameReadings(const TestRecord &a, const TestRecord &b);
    // The flags of each record of a group (a job, a report), index for index;
    // the same record listed twice is one record.
    static QVector<QVector<SuspectReading>> ofGroup(const QVector<TestRecord> &group);
    // The flags of group[index] alone, as ofGroup gives them.
    static QVector<SuspectReading> ofRecord(int index, const QVector<TestRecord> &group);
};

#endif
