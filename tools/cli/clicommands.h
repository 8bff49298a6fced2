// SPDX-License-Identifier: MIT
#ifndef LUMETRA_CLICOMMANDS_H
#define LUMETRA_CLICOMMANDS_H

#include <QStringList>

class QTextStream;

// Each command takes the arguments after its name and returns the exit
// status: 0 done, 2 bad usage or bad input (one line on err says which).
int dumpCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);
int decodeCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);
int receiveCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);
int reportCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);
int historyCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);
int jobCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);

QString usageText();

#endif
