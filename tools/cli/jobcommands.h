// SPDX-License-Identifier: MIT
#ifndef LUMETRA_JOBCOMMANDS_H
#define LUMETRA_JOBCOMMANDS_H

#include <QString>

struct CliOptions;
class QTextStream;
struct JobFacts;

// What the job commands share. Each returns the exit status: 2 after one line
// on err, as "lumetra-cli job ids: there is no job named North".
int jobUsage(const char *command, const QString &why, QTextStream &err);
int jobFailure(const char *command, const QString &why, QTextStream &err);
// "name":...,"customer":...: the facts as JSON fields, the logo as whether there is one.
QString jobFactsJsonFields(const JobFacts &facts);

int jobStatusCommand(const CliOptions &options, QTextStream &out, QTextStream &err);
int jobExportCommand(const CliOptions &options, QTextStream &out, QTextStream &err);
int jobReportCommand(const CliOptions &options, QTextStream &out, QTextStream &err);
int jobWorkbookCommand(const CliOptions &options, QTextStream &out, QTextStream &err);

#endif
