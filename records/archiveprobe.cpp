// SPDX-License-Identifier: MIT
#include "archiveprobe.h"

#include "recordarchive.h"

#include <QDataStream>
#include <QFile>

bool isLumetraArchive(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray expected;
    QDataStream stream(&expected, QIODevice::WriteOnly);
    stream << RecordArchive::magic();
    return file.read(expected.size()) == expected;
}
