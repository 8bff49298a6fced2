// SPDX-License-Identifier: MIT
#include "recordarchive.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// lumetra-cli report as a customer reads the result: through pdftotext and
// pdfinfo, the figures of page 1, every text whole, the paper of the locale.
class TestCliReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void oneFailingFiber();
    void fibersWithoutVerdict();
    void honestMarginsAndWholeTexts();
    void defaultNameAndArchiveRefused();
    void paperOfTheLocale();
    void suspectReadings();

private:
    QTemporaryDir dir;
};

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run report(const QStringList &arguments, const QStringList &locale = { "LC_ALL=C.UTF-8" })
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "LC_ALL", "LC_PAPER", "LANG" })
        environment.remove(name);
    for (const QString &setting : locale)
        environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LUMETRA_CLI), QStringList { "report" } + arguments);
    Run run;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString poppler(const char *program, const QStringList &arguments)
{
    QProcess process;
    process.start(QString::fromLatin1(program), arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Losses 0.10 to 0.32 dB against 0.5 dB; fiber 5 loses 0.70.
TestRecord oneFailing(uint16_t number)
{
    TestRecord record;
    record.recordNumber = number;
    record.thresholdCentiDb = 50;
    record.headerByte5 = record.headerByte8 = 1;
    record.wavelengthCode = 1;
    for (int i = 0; i < 12; ++i)
        record.channels[size_t(i)] = ChannelResult { -20.0f, -20.1f - 0.02f * i, 0 };
    record.channels[4].powerDbm = -20.7f;
    return record;
}

TestRecord allPass(uint16_t number)
{
    TestRecord record = oneFailing(number);
    record.channels[4].powerDbm = -20.2f;
    return record;
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestCliReport::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY(QDir::setCurrent(dir.path()));
}

// The common case in the field: one record with one failing fiber fails the job.
void TestCliReport::oneFailingFiber()
{
    QVERIFY(RecordArchive::save(
        "one.mrf", { allPass(1), oneFailing(2) }, QVector<ReportHeaderTexts>(2)));
    const Run run = report({ "one.mrf", "-o", "one.pdf" });
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QStringLiteral("one.pdf: 2 pages\n"));
    const QString summary = poppler("pdftotext", { "-layout", "one.pdf", "-" }).split('\f').first();
    QVERIFY2(
        summary.simplified().contains("Overall verdict FAIL 23 of 24 fibers with a verdict pass"),
        qPrintable(summary));
    QVERIFY2(summary.simplified().contains("Smallest margin -0.20 dB, record 002, fiber 5"),
        qPrintable(summary));
    QVERIFY2(summary.simplified().contains("2 24 23 1 0 0"), qPrintable(summary));
}

// Only fibers with a verdict are the basis: the unused fibers of a 40G
// record and a record measured without a threshold have "---".
void TestCliReport::fibersWithoutVerdict()
{
    TestRecord fortyG = allPass(2);
    fortyG.polarityCode = 3;
    for (int fiber = 4; fiber < 8; ++fiber)
        fortyG.channels[size_t(fiber)].powerDbm = 100.0f;
    TestRecord noThreshold = allPass(3);
    noThreshold.thresholdCentiDb = 0;
    QVERIFY(RecordArchive::save(
        "unrated.mrf", { oneFailing(1), fortyG, noThreshold }, QVector<ReportHeaderTexts>(3)));
    QVERIFY(RecordArchive::save("none.mrf", { noThreshold }, QVector<ReportHeaderTexts>(1)));
    QCOMPARE(report({ "unrated.mrf", "-o", "unrated.pdf" }).exitCode, 0);
    QCOMPARE(report({ "none.mrf", "-o", "none.pdf" }).exitCode, 0);
    const auto summaryOf = [](const QString &pdf) {
        return poppler("pdftotext", { "-layout", pdf, "-" }).split('\f').first().simplified();
    };
    const QString unrated = summaryOf("unrated.pdf");
    QVERIFY2(unrated.contains("Overall verdict FAIL 19 of 20 fibers with a verdict pass"),
        qPrintable(unrated));
    QVERIFY2(unrated.contains(" 3 36 19 1 16 4 "), qPrintable(unrated));
    const QString none = summaryOf("none.pdf");
    QVERIFY2(none.contains("Overall verdict --- no fiber has a verdict"), qPrintable(none));
}

void TestCliReport::honestMarginsAndWholeTexts()
{
    ReportHeaderTexts plain, wordy;
    wordy.companyName = QStringLiteral(
        "Northern Fibre Networks and Structured Cabling Services for Hospitals, Schools and "
        "Data Centres Limited");
    wordy.operatorName
        = QStringLiteral("Maximiliane Alexandra Konstantinopoulou von Wittgenstein zu Hohenstein");
    QStringList lines;
    for (int line = 1; line <= 10; ++line)
        lines << QStringLiteral("Cassette %1 cleaned").arg(line);
    wordy.noteHtml = "<p>" + lines.join("<br>") + "</p>";
    // A note longer than a page goes on over the next.
    ReportHeaderTexts endless = plain;
    QStringList many;
    for (int line = 1; line <= 90; ++line)
        many << QStringLiteral("Patch panel row %1 checked").arg(line);
    endless.noteHtml = "<p>" + many.join("<br>") + "<b>the end</b></p>";
    TestRecord noReading = allPass(1); // fiber 12: power "---", a loss of some 80 dB
    noReading.channels[11].powerDbm = -100.0f;
    QVERIFY(RecordArchive::save("job.mrf", { noReading, oneFailing(2), allPass(3), allPass(4) },
        { plain, plain, wordy, endless }));
    QCOMPARE(report({ "job.mrf", "-o", "job.pdf" }).exitCode, 0);
    const QStringList pages = poppler("pdftotext", { "-layout", "job.pdf", "-" }).split('\f');

    // Page 1 speaks of fibers with a reading; the one without is counted.
    const QString summary = pages.first().simplified();
    QVERIFY2(
        summary.contains("Smallest margin -0.20 dB, record 002, fiber 5"), qPrintable(summary));
    QVERIFY2(summary.contains(" 48 46 2 0 1 "), qPrintable(summary)); // the window's verdicts
    QVERIFY2(summary.contains("A fiber without a reading has no margin"), qPrintable(summary));
    const QRegularExpression firstRow("\\n *001 .*\\n");
    const QString row = firstRow.match(pages.first()).captured().simplified();
    QVERIFY2(row.contains(QRegularExpression(" 0.30 0.20 11 1 FAIL$")), qPrintable(row));

    // Record 001: fiber 12 has "---" for its power and its margin, its loss and verdict as shown.
    const QString records = pages.mid(1).join('\n');
    QVERIFY2(records.contains(
                 QRegularExpression("\\n *12 +1310 +--- +80\\.\\d\\d +0\\.5 +--- +FAIL(?!\\S)")),
        qPrintable(records));

    // The threshold's label stands above the chart, clear of its bars.
    QVERIFY(records.contains(QRegularExpression("Loss per fiber \\(dB\\) +threshold 0\\.5 dB\\n")));

    // Every text whole: names on more lines, the ten lines of the note at the size of the rest.
    const QString raw = poppler("pdftotext", { "job.pdf", "-" }).simplified();
    QVERIFY2(raw.contains(wordy.companyName), qPrintable(raw));
    QVERIFY2(raw.contains(wordy.operatorName), qPrintable(raw));
    QVERIFY2(!raw.contains(QChar(0x2026)), qPrintable(raw));
    QVERIFY2(raw.contains(lines.join(' ')), qPrintable(raw));
    int at = 0;
    for (const QString &line : many) {
        at = raw.indexOf(line, at);
        QVERIFY2(at > 0, qPrintable(line));
    }
    QVERIFY(raw.indexOf("checkedthe end", at) > at);
    QVERIFY(records.contains("Record 004 (continued)"));
    const QString boxes = poppler("pdftotext", { "-bbox", "job.pdf", "-" });
    const auto heightOf = [&](const QString &word) {
        const QRegularExpressionMatch box = QRegularExpression(
            "yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">" + word + "<")
                                                .match(boxes);
        return box.hasMatch() ? box.captured(2).toDouble() - box.captured(1).toDouble() : -1.0;
    };
    QVERIFY(heightOf("Northern") > 0);
    QCOMPARE(qRound(heightOf("Cassette") * 10), qRound(heightOf("Northern") * 10));
}

void TestCliReport::defaultNameAndArchiveRefused()
{
    QVERIFY(RecordArchive::save(
        "01.03.2026 Site A.mrf", { allPass(7) }, QVector<ReportHeaderTexts>(1)));
    const Run beside = report({ "01.03.2026 Site A.mrf" });
    QCOMPARE(beside.exitCode, 0);
    QVERIFY2(QFile::exists("01.03.2026 Site A.pdf"), qPrintable(beside.out));
    QVERIFY2(beside.out.endsWith("01.03.2026 Site A.pdf: 2 pages\n"), qPrintable(beside.out));

    QVERIFY(RecordArchive::save("empty.mrf", {}, {}));
    const Run empty = report({ "empty.mrf" });
    QVERIFY2(empty.out.endsWith("empty.pdf: 1 page\n"), qPrintable(empty.out));

    // An archive named like a report is still an archive: left as it was.
    QVERIFY(QFile::copy("01.03.2026 Site A.mrf", "kept.pdf"));
    for (const QString target : { "kept.pdf", "empty.mrf" }) {
        const QByteArray before = contentOf(target);
        const Run refused = report({ "01.03.2026 Site A.mrf", "-o", target });
        QCOMPARE(refused.exitCode, 2);
        QVERIFY2(refused.err.contains("lumetra-cli: " + target + ": is a record archive"),
            qPrintable(refused.err));
        QCOMPARE(contentOf(target), before);
    }
}

void TestCliReport::paperOfTheLocale()
{
    QVERIFY(RecordArchive::save("paper.mrf", { allPass(8) }, QVector<ReportHeaderTexts>(1)));
    const auto paper = [](const QStringList &locale) {
        if (report({ "paper.mrf", "-o", "paper.pdf" }, locale).exitCode != 0)
            return QString();
        return QRegularExpression("Page size: +(.*)\\n")
            .match(poppler("pdfinfo", { "paper.pdf" }))
            .captured(1);
    };
    QVERIFY(paper({ "LANG=C.UTF-8" }).endsWith("(A4)"));
    QVERIFY(paper({ "LANG=C.UTF-8", "LC_PAPER=en_US.UTF-8" }).endsWith("(letter)"));
    QVERIFY(paper({ "LANG=en_US.UTF-8", "LC_PAPER=de_DE.UTF-8" }).endsWith("(A4)"));
}

// Advice beside the verdicts, which stay: a gain on a fiber, two records with the same powers.
void TestCliReport::suspectReadings()
{
    TestRecord gainer = allPass(1);
    gainer.channels[2].powerDbm = -19.8f;
    QVERIFY(RecordArchive::save(
        "suspect.mrf", { gainer, allPass(2), allPass(3) }, QVector<ReportHeaderTexts>(3)));
    QCOMPARE(report({ "suspect.mrf" }).exitCode, 0);
    const QStringList pages = poppler("pdftotext", { "-raw", "suspect.pdf", "-" }).split('\f');
    const QString summary = pages.first().simplified();
    QVERIFY2(summary.contains("Overall verdict PASS"), qPrintable(summary));
    QVERIFY2(summary.contains("Suspect readings in records 001, 002, 003 (marked !)"),
        qPrintable(summary));
    QVERIFY(summary.contains("001 ! "));
    const QString records = pages.mid(1).join(' ').simplified();
    QVERIFY2(records.contains("Fiber 3: Negative loss: set the reference again and retest"),
        qPrintable(records));
    QCOMPARE(records.count("Same readings as record 003"), 1);
    QCOMPARE(records.count("Same readings as record 002"), 1);
}

QTEST_GUILESS_MAIN(TestCliReport)
#include "tst_clireport.moc"
