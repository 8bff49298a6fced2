#ifndef LUMETRA_TEST_RECORDCOMPARE_H
#define LUMETRA_TEST_RECORDCOMPARE_H

#include "testrecord.h"

#include <QTest>
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

#endif
