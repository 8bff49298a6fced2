// SPDX-License-Identifier: MIT
#ifndef LUMETRA_METERSIM_H
#define LUMETRA_METERSIM_H

#include "exportplan.h"
#include "simoptions.h"

#include <QString>

class OutputSink;
class QTextStream;

// One run of the emulator: builds the export, opens the sink and sends the
// exports as the options ask.
class MeterSim
{
public:
    explicit MeterSim(const SimOptions &options);

    // Exit status: 0 done, 2 failed with one line on err.
    int run(QTextStream &out, QTextStream &err);

private:
    bool preparePlan(QString *error);
    bool openSink(OutputSink &sink, QString *error) const;
    bool nextExportWanted(int sent) const;
    // After an unplug: the pty comes back and, with --wait-open, is read again.
    bool plugBackIn(OutputSink &sink, QTextStream &out, QTextStream &err) const;

    SimOptions options;
    ExportPlan plan;
};

#endif
