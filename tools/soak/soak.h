// SPDX-License-Identifier: MIT
#ifndef LUMETRA_SOAK_H
#define LUMETRA_SOAK_H

#include "faultmix.h"
#include "outputsink.h"
#include "receiverprocess.h"
#include "recordgenerator.h"
#include "soakreport.h"

#include <QTemporaryDir>
#include <QTextStream>
#include <QVector>
#include <memory>

struct ExportStream;

// Exports back to back into a pseudo-terminal, each with a fault drawn from
// the seed, received by lumetra-cli in a process of its own, as long as asked.
// Every export without a damaging fault must arrive whole, in one batch and in
// order; a damaging one may lose the records from the first one it touched,
// never one before. The receiver must keep running and its memory stay flat.
//
// Exports follow one another as soon as the last one is settled: a whole one
// once its batch is in, a damaged one once the receiver has been quiet for a
// while after its last byte.
class Soak
{
public:
    struct Options
    {
        double seconds = 60;
        uint64_t seed = 1;
        int mostRecords = 40; // per export; the first export has this many
        QString receiverProgram;
        qint64 memoryGrowthKb = 1024; // the receiver's peak may grow this much
    };

    explicit Soak(const Options &options);
    ~Soak();

    // One progress line per export on progress.
    SoakReport run(QTextStream &progress);

private:
    bool setUp(QString *error);
    bool waitForReader(int milliseconds);
    bool send(const ExportStream &stream, const Pacer::Burst &burst, QString *error);
    bool plugBackIn(const ExportFault &fault, QString *error);
    QVector<ReceivedBatch> collect(const ExportFault &fault, qint64 lastByteMs);
    QString check(const QVector<TestRecord> &records, const ExportFault &fault,
        const QVector<ReceivedBatch> &batches);
    void sampleMemory(int exportIndex);

    Options options;
    SoakReport report;
    FaultMix faults;
    RecordGenerator generator;
    QTemporaryDir dir;
    OutputSink sink;
    std::unique_ptr<ReceiverProcess> receiver;
    bool previousExportDamaged = false;
};

#endif
