// SPDX-License-Identifier: MIT
#ifndef LUMETRA_FILESFOLDER_H
#define LUMETRA_FILESFOLDER_H

#include <QString>

// The folder that holds the records, reports and data folders: the working
// folder of a start from a terminal, Documents/Lumetra for a start from the
// desktop and whenever the working folder is one Lumetra must not write in.
class FilesFolder
{
public:
    // Documents/Lumetra.
    static QString documentsFolder();
    // fromDesktop: the start said it came from the desktop. installFolder:
    // where the program is.
    static QString choose(bool fromDesktop, const QString &workingFolder,
        const QString &installFolder);
    // Makes choose's answer for this process the working folder, creating it
    // when missing; false (and the working folder kept) when it cannot.
    static bool enter(bool fromDesktop);

private:
    static bool mayWriteIn(const QString &folder, const QString &installFolder);
};

#endif
