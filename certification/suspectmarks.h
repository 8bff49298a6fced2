// SPDX-License-Identifier: MIT
#ifndef LUMETRA_SUSPECTMARKS_H
#define LUMETRA_SUSPECTMARKS_H

#include "recordsection.h"
#include "suspectreading.h"

#include <QString>
#include <QVector>

// How the reports show a record's suspect readings: in full in its section,
// in short in its row.
namespace SuspectMarks {
SectionMarks forSection(const QVector<SuspectReading> &flags, const QString &cableId = QString());
// "Negative loss, fiber 3; Same readings as record 008"; empty when none.
QString note(const QVector<SuspectReading> &flags);
} // namespace SuspectMarks

#endif
