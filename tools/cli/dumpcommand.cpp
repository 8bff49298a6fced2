// SPDX-License-Identifier: MIT
#include "clicommands.h"
#include "clioptions.h"
#include "recordarchive.h"
#include "recordcsv.h"
#include "recordjson.h"

#include <QTextStream>

int dumpCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const CliOptions options
        = CliOptions::parse(arguments, { QStringLiteral("--json"), QStringLiteral("--csv") }, {});
    if (!options.error.isEmpty() || options.positional.size() != 1) {
        err << "lumetra-cli dump: "
            << (options.error.isEmpty() ? QStringLiteral("expects one archive file")
                                        : options.error)
            << " (see --help)\n";
        return 2;
    }
    const QString path = options.positional.first();
    const RecordArchive::ReadResult archive = RecordArchive::load(path);
    switch (archive.status) {
    case RecordArchive::ReadStatus::Ok:
        break;
    case RecordArchive::ReadStatus::CannotOpen:
        err << "lumetra-cli: " << path << ": cannot read file: " << archive.errorString << '\n';
        return 2;
    case RecordArchive::ReadStatus::NotAnArchive:
        err << "lumetra-cli: " << path << ": not a record archive (.mrf)\n";
        return 2;
    case RecordArchive::ReadStatus::Corrupt:
        err << "lumetra-cli: " << path << ": damaged archive: " << archive.errorString << '\n';
        return 2;
    }

    if (options.flags.contains(QStringLiteral("--csv"))) {
        out << recordListCsv(archive.records);
    } else {
        out << recordListJson(archive.records, &archive.headers) << "}\n";
    }
    return 0;
}
