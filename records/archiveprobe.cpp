// SPDX-License-Identifier: MIT
#include "archiveprobe.h"

#include "recordarchive.h"

#include <QDataStream>
#include <QFile>

bool isLumetraArchive(const QString &path)
{
    QByteArray start;
    QDataStream stream(&start, QIODevice::WriteOnly);
    stream << RecordArchive::magic();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(start.size()) == start;
}
