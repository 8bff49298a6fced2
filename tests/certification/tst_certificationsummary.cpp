// SPDX-License-Identifier: MIT
#include "certificationsummary.h"
#include "papersize.h"

#include <QtTest>

// The rules of the summary page that no single record shows.
class TestCertificationSummary : public QObject
{
    Q_OBJECT

private slots:
    void verdictAndExportRange();
    void paperByLocale();
};

namespace {
// Losses of 0.10 dB against 0.5 dB; fiber 12 without a verdict (40G, no reading).
TestRecord passingRecord(uint16_t number)
{
    TestRecord record;
    record.recordNumber = number;
    record.thresholdCentiDb = 50;
    record.polarityCode = 3;
    record.headerByte5 = record.headerByte8 = 1;
    for (ChannelResult &channel : record.channels)
        channel = ChannelResult { -20.0f, -20.1f, 0 };
    record.channels[11].powerDbm = 100.0f;
    return record;
}

ReportHeaderTexts exportedAt(const QString &time)
{
    return ReportHeaderTexts { "ACME", {}, {}, {}, {}, time, {} };
}
} // namespace

void TestCertificationSummary::verdictAndExportRange()
{
    TestRecord tighter = passingRecord(9);
    tighter.channels[2].powerDbm = -20.45f;
    // Earliest and latest by time, not by text: December 2025 comes before January 2026.
    const CertificationSummary summary
        = summarizeRecords({ passingRecord(8), tighter, passingRecord(10) },
            { exportedAt("01-02-2026  09:00:00"), exportedAt("12-31-2025  23:59:59"),
                exportedAt("typed by hand") });
    QCOMPARE(summary.verdict, QStringLiteral("PASS")); // the fibers without a verdict do not count
    QCOMPARE(summary.unrated, 3);
    QCOMPARE(summary.companyName, QStringLiteral("ACME"));
    QCOMPARE(summary.firstExportTime, QStringLiteral("12-31-2025  23:59:59"));
    QCOMPARE(summary.lastExportTime, QStringLiteral("01-02-2026  09:00:00"));
    QCOMPARE(QStringList({ summary.smallestMarginRecord,
                 QString::number(summary.smallestMarginFiber), summary.smallestMarginText }),
        QStringList({ "009", "3", " 0.05" }));

    TestRecord unjudged = passingRecord(11);
    unjudged.thresholdCentiDb = 0;
    QCOMPARE(summarizeRecords({ unjudged }, { exportedAt({}) }).verdict, QStringLiteral("---"));
}

void TestCertificationSummary::paperByLocale()
{
    QCOMPARE(paperSizeFor(QLocale(QLocale::English, QLocale::UnitedStates)), QPageSize::Letter);
    QCOMPARE(paperSizeFor(QLocale(QLocale::French, QLocale::Canada)), QPageSize::Letter);
    QCOMPARE(paperSizeFor(QLocale(QLocale::English, QLocale::UnitedKingdom)), QPageSize::A4);
    QCOMPARE(paperSizeFor(QLocale::c()), QPageSize::A4);
}

QTEST_APPLESS_MAIN(TestCertificationSummary)
#include "tst_certificationsummary.moc"
