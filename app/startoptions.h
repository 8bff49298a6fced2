// SPDX-License-Identifier: MIT
#ifndef LUMETRA_STARTOPTIONS_H
#define LUMETRA_STARTOPTIONS_H

#include <QString>
#include <QStringList>

// What the window's command line asks for, once Qt has taken its own options.
struct StartOptions
{
    // --desktop: started by the desktop (menu entry, shortcut, file type),
    // which keeps the files under Documents/Lumetra.
    bool fromDesktop = false;
    // The archives to list, in order, absolute.
    QStringList files;
    // Options this program does not know; they are ignored.
    QStringList unknown;

    // arguments as QCoreApplication::arguments() gives them, program first;
    // relative names are taken from workingFolder.
    static StartOptions parse(const QStringList &arguments, const QString &workingFolder);
};

#endif
