// SPDX-License-Identifier: MIT
#include "archiveprobe.h"
#include "cliarchive.h"
#include "clicommands.h"
#include "clioptions.h"
#include "recordarchive.h"
#include "recordcsv.h"
#include "recordjson.h"

#include <QSaveFile>
#include <QTextStream>

namespace {
bool writeText(const QString &path, const QString &text, QString *why)
{
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *why = file.errorString();
    return false;
}
} // namespace

int dumpCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const CliOptions options = CliOptions::parse(
        arguments, { QStringLiteral("--json"), QStringLiteral("--csv") }, { QStringLiteral("-o") });
    if (!options.hasOneFile("dump", "archive file", err))
        return 2;
    const QString path = options.positional.first();
    RecordArchive::ReadResult archive;
    if (!loadArchiveFor(path, archive, err))
        return 2;

    const QVector<RecordCableId> ids
        = archiveCableIds(archive.hasJob ? &archive.job : nullptr, archive.records.size());
    const bool csv = options.flags.contains(QStringLiteral("--csv"));
    if (!options.values.contains(QStringLiteral("-o"))) {
        if (csv)
            out << recordListCsv(archive.records, archive.headers, QStringLiteral("\n"), {}, ids);
        else
            out << recordListJson(archive.records, &archive.headers, &ids) << "}\n";
        return 0;
    }
    // The file a spreadsheet opens: the same as the window's CSV export.
    const QString outPath = options.values.value(QStringLiteral("-o"));
    if (isLumetraArchive(outPath)) {
        err << "lumetra-cli: " << outPath
            << ": is a record archive (.mrf); it is not overwritten: choose another output file\n";
        return 2;
    }
    QString why;
    const bool written = csv
        ? writeRecordCsvFile(outPath, archive.records, archive.headers, {}, &why, ids)
            == WriteOutcome::Written
        : writeText(outPath, recordListJson(archive.records, &archive.headers, &ids) + "}\n", &why);
    if (!written) {
        err << "lumetra-cli: " << outPath << ": cannot write file: " << why << '\n';
        return 2;
    }
    return 0;
}
