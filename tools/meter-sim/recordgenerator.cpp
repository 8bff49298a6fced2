// SPDX-License-Identifier: MIT
#include "recordgenerator.h"

namespace {

constexpr float missingHigh = 100.0f;
constexpr float missingLow = -100.0f;

// Fibers a 40G (SR4) link leaves dark: the meter reports them as 100.0.
bool isDarkFiberOf40G(int fiber)
{
    return fiber >= 4 && fiber <= 7;
}

float centi(int value)
{
    return float(value) / 100.0f;
}

} // namespace

RecordGenerator::RecordGenerator(uint64_t seed)
    : random(seed)
{
    nextNumber = uint16_t(random.uniform(1, 300));
}

QVector<TestRecord> RecordGenerator::generate(int count)
{
    QVector<TestRecord> records;
    records.reserve(count);
    for (int i = 0; i < count; ++i)
        records.append(next());
    return records;
}

TestRecord RecordGenerator::next()
{
    static const int thresholds[] = { 50, 75, 100, 150, 200, 300 };

    TestRecord record;
    record.recordNumber = nextNumber;
    nextNumber = uint16_t(nextNumber + random.uniform(1, 4));
    record.thresholdCentiDb = random.chance(8) ? 0 : int16_t(thresholds[random.uniform(0, 5)]);
    record.headerByte4 = uint8_t(random.uniform(0, 3));
    record.headerByte5 = random.chance(6) ? 0 : 1;
    record.wavelengthCode = uint8_t(random.uniform(0, 3));
    record.polarityCode = random.chance(6) ? 4 : uint8_t(random.uniform(0, 3));
    record.headerByte8 = 1;

    const int reference = random.uniform(-2400, -1500);
    const int threshold = record.thresholdCentiDb > 0 ? record.thresholdCentiDb : 100;
    for (int fiber = 0; fiber < TestRecord::channelCount; ++fiber) {
        if (record.polarityCode == 3 && isDarkFiberOf40G(fiber))
            record.channels[fiber] = ChannelResult { centi(reference), missingHigh, 0 };
        else
            record.channels[fiber] = channel(threshold, reference + random.uniform(-15, 15));
    }
    return record;
}

ChannelResult RecordGenerator::channel(int thresholdCentiDb, int referenceCentiDbm)
{
    ChannelResult result;
    result.referenceDbm = centi(referenceCentiDbm);
    result.channelByte = uint8_t(random.uniform(0, 2));
    if (random.chance(4)) {
        result.powerDbm = random.chance(50) ? missingHigh : missingLow;
        return result;
    }
    // Mostly good fibers, a few over the threshold, now and then a small gain.
    const int loss = random.chance(10) ? thresholdCentiDb + random.uniform(0, 120)
        : random.chance(5)             ? -random.uniform(1, 20)
                                       : random.uniform(2, thresholdCentiDb * 4 / 5);
    result.powerDbm = centi(referenceCentiDbm - loss);
    return result;
}
