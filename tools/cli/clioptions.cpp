// SPDX-License-Identifier: MIT
#include "clioptions.h"

#include <QTextStream>

CliOptions CliOptions::parse(const QStringList &arguments, const QSet<QString> &knownFlags,
    const QSet<QString> &knownValueOptions)
{
    CliOptions options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (knownFlags.contains(argument)) {
            options.flags.insert(argument);
        } else if (knownValueOptions.contains(argument)) {
            if (i + 1 >= arguments.size()) {
                options.error = QStringLiteral("%1 needs a value").arg(argument);
                return options;
            }
            options.values.insert(argument, arguments.at(++i));
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            options.error = QStringLiteral("unknown option %1").arg(argument);
            return options;
        } else {
            options.positional << argument;
        }
    }
    return options;
}

bool CliOptions::hasOneFile(const char *command, const char *file, QTextStream &err) const
{
    if (error.isEmpty() && positional.size() == 1)
        return true;
    err << "lumetra-cli " << command << ": "
        << (error.isEmpty() ? QStringLiteral("expects one %1").arg(QLatin1String(file)) : error)
        << " (see --help)\n";
    return false;
}
