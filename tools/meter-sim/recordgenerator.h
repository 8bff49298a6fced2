#ifndef LUMETRA_RECORDGENERATOR_H
#define LUMETRA_RECORDGENERATOR_H

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
    uint64_t nextRandom();
    int uniform(int low, int high); // both ends included
    bool chance(int percent);
    ChannelResult channel(int thresholdCentiDb, int referenceCentiDbm);

    uint64_t state;
    uint16_t nextNumber;
};

#endif
