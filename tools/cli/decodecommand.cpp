// SPDX-License-Identifier: MIT
#include "capturedecoding.h"
#include "clicommands.h"
#include "clioptions.h"
#include "recordarchive.h"
#include "recordcsv.h"
#include "recordjson.h"
#include "versionverdict.h"

#include <QFile>
#include <QTextStream>

int decodeCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const CliOptions options = CliOptions::parse(
        arguments, { QStringLiteral("--json"), QStringLiteral("--csv") }, { QStringLiteral("-o") });
    if (!options.hasOneFile("decode", "capture file", err))
        return 2;
    const QString path = options.positional.first();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "lumetra-cli: " << path << ": cannot read file: " << file.errorString() << '\n';
        return 2;
    }
    const CaptureDecoding decoded = decodeCapture(file.readAll());
    const unsigned verdict = versionVerdict(decoded.meterVersionMajor, decoded.meterVersionMinor);

    if (options.values.contains(QStringLiteral("-o"))) {
        const QString outPath = options.values.value(QStringLiteral("-o"));
        QString why;
        const QVector<ReportHeaderTexts> headers(decoded.records.size());
        if (!RecordArchive::save(outPath, decoded.records, headers, &why)) {
            err << "lumetra-cli: " << outPath << ": cannot write archive: " << why << '\n';
            return 2;
        }
    }

    if (options.flags.contains(QStringLiteral("--csv"))) {
        out << recordListCsv(decoded.records, {}, QStringLiteral("\n"));
        // CSV has no room for the trailer: tell it beside the data.
        if (decoded.hasVersion)
            err << "meter version " << decoded.meterVersionMajor << '.' << decoded.meterVersionMinor
                << (verdict == 0 ? ": supported" : ": not supported") << '\n';
        else
            err << "no version trailer: not supported\n";
    } else {
        out << recordListJson(decoded.records)
            << versionJsonFields(
                   decoded.hasVersion, decoded.meterVersionMajor, decoded.meterVersionMinor)
            << ",\"pendingBytes\":" << decoded.pendingBytes << "}\n";
    }
    if (decoded.pendingBytes > 0)
        err << "lumetra-cli: " << path << ": " << decoded.pendingBytes
            << " bytes of an unfinished frame at the end\n";
    return 0;
}
