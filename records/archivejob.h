// SPDX-License-Identifier: MIT
#ifndef LUMETRA_ARCHIVEJOB_H
#define LUMETRA_ARCHIVEJOB_H

#include "jobfacts.h"

#include <QStringList>

// The job an archive carries with its records: its facts, its whole list of
// cable IDs in order, and the ID of each record of the archive.
struct ArchiveJob
{
    JobFacts facts;
    QStringList cableIds;
    QStringList recordIds; // index for index with the records; null: no ID

    bool operator==(const ArchiveJob &other) const
    {
        return facts == other.facts && cableIds == other.cableIds && recordIds == other.recordIds;
    }
};

#endif
