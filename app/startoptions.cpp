// SPDX-License-Identifier: MIT
#include "startoptions.h"

#include <QDir>

StartOptions StartOptions::parse(const QStringList &arguments, const QString &workingFolder)
{
    StartOptions options;
    const QDir working(workingFolder);
    bool onlyFiles = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!onlyFiles && argument == QLatin1String("--"))
            onlyFiles = true;
        else if (!onlyFiles && argument == QLatin1String("--desktop"))
            options.fromDesktop = true;
        else if (!onlyFiles && argument.startsWith(QLatin1Char('-')) && argument.size() > 1)
            options.unknown << argument;
        else if (!argument.isEmpty())
            options.files << QDir::cleanPath(
                working.absoluteFilePath(QDir::fromNativeSeparators(argument)));
    }
    return options;
}
