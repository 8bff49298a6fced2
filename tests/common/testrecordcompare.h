// SPDX-License-Identifier: MIT
#ifndef LUMETRA_TESTRECORDCOMPARE_H
#define LUMETRA_TESTRECORDCOMPARE_H

#include "testrecord.h"

#include <QTest>
#include <QVector>
#include <cstdint>
#include <cstring>

inline uint32_t floatBits(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// Every field the meter sends, floats bit for bit; arrivalTime is not sent.
inline void compareRecords(const TestRecord &actual, const TestRecord &expected)
{
    QCOMPARE(actual.recordNumber, expected.recordNumber);
    QCOMPARE(actual.thresholdCentiDb, expected.thresholdCentiDb);
    QCOMPARE(actual.headerByte4, expected.headerByte4);
    QCOMPARE(actual.headerByte5, expected.headerByte5);
    QCOMPARE(actual.wavelengthCode, expected.wavelengthCode);
    QCOMPARE(actual.polarityCode, expected.polarityCode);
    QCOMPARE(actual.headerByte8, expected.headerByte8);
    for (int i = 0; i < TestRecord::channelCount; ++i) {
        QCOMPARE(floatBits(actual.channels[i].referenceDbm),
            floatBits(expected.channels[i].referenceDbm));
        QCOMPARE(floatBits(actual.channels[i].powerDbm), floatBits(expected.channels[i].powerDbm));
        QCOMPARE(actual.channels[i].channelByte, expected.channels[i].channelByte);
    }
}

// Whole lists, record by record. QCOMPARE returns from this function only:
// callers check QTest::currentTestFailed() afterwards.
inline void compareRecordLists(
    const QVector<TestRecord> &actual, const QVector<TestRecord> &expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i) {
        compareRecords(actual.at(i), expected.at(i));
        if (QTest::currentTestFailed())
            return;
    }
}

// Values at the edges of every field: full 16-bit numbers, negative
// thresholds, codes outside the tables, powers not exact in single precision.
inline TestRecord edgeRecord(uint16_t number, float power)
{
    TestRecord record;
    record.recordNumber = number;
    record.thresholdCentiDb = int16_t(number % 2 ? -100 : 75);
    record.headerByte4 = 0xFF;
    record.headerByte5 = uint8_t(number);
    record.wavelengthCode = 7;
    record.polarityCode = 0xFE;
    record.headerByte8 = 0x80;
    for (int i = 0; i < TestRecord::channelCount; ++i)
        record.channels[i] = ChannelResult { -19.95f + i, power - i * 0.01f, uint8_t(255 - i) };
    return record;
}

#endif
