// SPDX-License-Identifier: MIT
#include "archiveprobe.h"
#include "certificationreport.h"
#include "cliarchive.h"
#include "clicommands.h"
#include "clioptions.h"
#include "lumetraimages.h"
#include "uilanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

int reportCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const CliOptions options = CliOptions::parse(arguments, {}, { QStringLiteral("-o") });
    if (!options.hasOneFile("report", "archive file", err))
        return 2;
    const QString path = options.positional.first();
    RecordArchive::ReadResult archive;
    if (!loadArchiveFor(path, archive, err))
        return 2;

    const QFileInfo input(path);
    const QString outPath = options.values.value(QStringLiteral("-o"),
        input.dir().filePath(input.completeBaseName() + QStringLiteral(".pdf")));
    if (isLumetraArchive(outPath)) {
        err << "lumetra-cli: " << outPath
            << ": is a record archive (.mrf); it is not overwritten: choose another output file\n";
        return 2;
    }
    registerLumetraImages();
    // The report is the customer's, in the window's language; the messages stay English.
    UiLanguage::install(*QCoreApplication::instance());
    const CertificationReport report(archive.records, archive.headers);
    QString why;
    if (report.write(outPath, {}, &why) != WriteOutcome::Written) {
        err << "lumetra-cli: " << outPath << ": cannot write file: " << why << '\n';
        return 2;
    }
    const int pages = report.pageCount();
    out << outPath << ": " << pages << (pages == 1 ? " page\n" : " pages\n");
    return 0;
}
