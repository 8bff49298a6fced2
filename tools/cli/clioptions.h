// SPDX-License-Identifier: MIT
#ifndef LUMETRA_CLIOPTIONS_H
#define LUMETRA_CLIOPTIONS_H

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

class QTextStream;

// The few options the commands share: flags, options with one value, and
// positional arguments, in any order.
struct CliOptions
{
    QStringList positional;
    QSet<QString> flags;
    QMap<QString, QString> values;
    QString error; // set when the arguments do not parse

    // True when the arguments parsed and name exactly one file; otherwise one
    // line on err, such as "lumetra-cli dump: expects one archive file".
    bool hasOneFile(const char *command, const char *file, QTextStream &err) const;

    static CliOptions parse(const QStringList &arguments, const QSet<QString> &knownFlags,
        const QSet<QString> &knownValueOptions);
};

#endif
