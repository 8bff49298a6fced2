// SPDX-License-Identifier: MIT
// Gives every record of an archive header texts in many scripts and
// languages, with the characters CSV and JSON must escape, so that the
// Windows and the Linux lumetra-cli can be compared on them.
//   lumetra_withheadertexts IN.mrf OUT.mrf
#include "recordarchive.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    QTextStream err(stderr);
    if (arguments.size() != 3) {
        err << "usage: lumetra_withheadertexts IN.mrf OUT.mrf\n";
        return 2;
    }
    RecordArchive::ReadResult archive = RecordArchive::load(arguments.at(1));
    if (archive.status != RecordArchive::ReadStatus::Ok || archive.records.isEmpty()) {
        err << arguments.at(1) << ": not a record archive with records\n";
        return 2;
    }
    const QStringList companies = {
        QStringLiteral("Μπλε Ίνα Α.Ε."), // Greek
        QStringLiteral("ООО «Оптоволокно»"), // Russian
        QStringLiteral("光纤测试株式会社"), // Chinese and Japanese
        QStringLiteral("شركة الألياف الضوئية"), // Arabic, right to left
        QStringLiteral("סיבים אופטיים בע\"מ"), // Hebrew, with a quote
        QStringLiteral("प्रकाश तंतु, मुंबई"), // Devanagari, with a comma
        QStringLiteral("ใยแก้วนำแสง 🔦✅"), // Thai, and characters beyond 16 bits
        QStringLiteral("Cafe\u0301 Müller & Søn\r\nKöln\t\"Nord\""), // combining accent, line break
    };
    for (int i = 0; i < archive.headers.size(); ++i) {
        ReportHeaderTexts &texts = archive.headers[i];
        texts.companyName = companies.at(i % companies.size());
        texts.operatorName = companies.at((i + 3) % companies.size()).left(6);
        texts.testDevice = QStringLiteral("MPO-12 №%1").arg(i + 1);
        texts.testDate = QStringLiteral("2026-12-0%1").arg(i % 9 + 1);
        texts.serialNumber = QStringLiteral("SN-%1-ß").arg(1000 + i);
        texts.exportTime = QStringLiteral("12-07-2026  10:%1:00").arg(i % 60, 2, 10, QLatin1Char('0'));
        texts.noteHtml = QStringLiteral("<p>Splice <b>%1</b> &amp; &lt;OK&gt; ✓</p>").arg(companies.at(i % companies.size()));
    }
    QString why;
    if (!RecordArchive::save(arguments.at(2), archive.records, archive.headers, &why)) {
        err << arguments.at(2) << ": " << why << '\n';
        return 2;
    }
    return 0;
}
