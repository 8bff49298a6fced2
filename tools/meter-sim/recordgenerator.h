// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDGENERATOR_H
#define LUMETRA_RECORDGENERATOR_H

#include "seededrandom.h"
#include "testrecord.h"

#include <QVector>
#include <cstdint>

// Plausible meter records for demos and tests: varied numbers, thresholds,
// wavelengths and polarities, with some failing fibers and missing readings.
// The same seed gives the same records on every platform and compiler.
class RecordGenerator
{
public:
    explicit RecordGenerator(uint64_t seed);

    QVector<TestRecord> generate(int count);
    TestRecord next();

private:
    ChannelResult channel(int thresholdCentiDb, int referenceCentiDbm);

    SeededRandom random;
    uint16_t nextNumber;
};

#endif
