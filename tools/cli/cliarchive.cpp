// SPDX-License-Identifier: MIT
#include "cliarchive.h"

#include <QTextStream>

bool loadArchiveFor(const QString &path, RecordArchive::ReadResult &archive, QTextStream &err)
{
    archive = RecordArchive::load(path);
    switch (archive.status) {
    case RecordArchive::ReadStatus::Ok:
        if (!archive.jobProblem.isEmpty())
            err << "lumetra-cli: " << path << ": " << archive.jobProblem << '\n';
        return true;
    case RecordArchive::ReadStatus::CannotOpen:
        err << "lumetra-cli: " << path << ": cannot read file: " << archive.errorString << '\n';
        return false;
    case RecordArchive::ReadStatus::NotAnArchive:
        err << "lumetra-cli: " << path << ": not a record archive (.mrf)\n";
        return false;
    case RecordArchive::ReadStatus::Corrupt:
    case RecordArchive::ReadStatus::Cancelled: // read without progress: never
        err << "lumetra-cli: " << path << ": damaged archive: " << archive.errorString << '\n';
        return false;
    }
    return false;
}
