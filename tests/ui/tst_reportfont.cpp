// SPDX-License-Identifier: MIT
#include "reportfont.h"

#include <QFontMetrics>
#include <QtTest>

class TestReportFont : public QObject
{
    Q_OBJECT

private slots:
    void captionsFitTheirScaledBoxes_data();
    void captionsFitTheirScaledBoxes();
};

void TestReportFont::captionsFitTheirScaledBoxes_data()
{
    QTest::addColumn<QFont>("base");
    QTest::addColumn<double>("factor");
    QTest::newRow("DejaVu Sans 9") << QFont(QStringLiteral("DejaVu Sans"), 9) << 1.0;
    QTest::newRow("DejaVu Sans 12") << QFont(QStringLiteral("DejaVu Sans"), 12) << 1.0;
    QTest::newRow("DejaVu Sans 7") << QFont(QStringLiteral("DejaVu Sans"), 7) << 1.0;
    QTest::newRow("DejaVu Serif 10") << QFont(QStringLiteral("DejaVu Serif"), 10) << 1.0;
    QTest::newRow("DejaVu Sans 9 at 1.5") << QFont(QStringLiteral("DejaVu Sans"), 9) << 1.5;
    QTest::newRow("DejaVu Sans 16 at 1.5") << QFont(QStringLiteral("DejaVu Sans"), 16) << 1.5;
}

void TestReportFont::captionsFitTheirScaledBoxes()
{
    QFETCH(QFont, base);
    QFETCH(double, factor);
    const QFont font = fittingReportFont(base, factor, factor);
    QCOMPARE(font.family(), base.family());
    QVERIFY(font.pointSizeF() <= 8.0 * factor);
    QVERIFY(font.pointSizeF() >= 7.0);
    const QFontMetrics metrics(font);
    if (font.pointSizeF() > 7.0) { // 7 points is the floor even where it does not fit
        QVERIFY(metrics.horizontalAdvance(QStringLiteral("Serial Number: ")) <= int(75 * factor));
        QVERIFY(metrics.horizontalAdvance(QStringLiteral("DISCONNECTED")) <= int(90 * factor) - 8);
    }
    // Nothing is shrunk that already fits, and a larger box never gets a smaller font.
    QCOMPARE(fittingReportFont(font, factor, factor), font);
    QVERIFY(fittingReportFont(base, factor * 1.5, factor * 1.5).pointSizeF() >= font.pointSizeF());
}

QTEST_MAIN(TestReportFont)
#include "tst_reportfont.moc"
