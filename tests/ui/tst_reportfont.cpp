#include "reportfont.h"

#include <QFontMetrics>
#include <QtTest>

class TestReportFont : public QObject
{
    Q_OBJECT

private slots:
    void captionsFitTheirBoxes_data();
    void captionsFitTheirBoxes();
};

void TestReportFont::captionsFitTheirBoxes_data()
{
    QTest::addColumn<QFont>("base");
    QTest::newRow("DejaVu Sans 9") << QFont(QStringLiteral("DejaVu Sans"), 9);
    QTest::newRow("DejaVu Sans 12") << QFont(QStringLiteral("DejaVu Sans"), 12);
    QTest::newRow("DejaVu Sans 7.5") << QFont(QStringLiteral("DejaVu Sans"), 7);
    QTest::newRow("DejaVu Serif 10") << QFont(QStringLiteral("DejaVu Serif"), 10);
}

void TestReportFont::captionsFitTheirBoxes()
{
    QFETCH(QFont, base);
    const QFont font = fittingReportFont(base);
    QCOMPARE(font.family(), base.family());
    QVERIFY(font.pointSizeF() <= 8.0);
    QVERIFY(font.pointSizeF() >= 7.0);
    QVERIFY(font.pointSizeF() >= qMin(base.pointSizeF(), 7.0));
    const QFontMetrics metrics(font);
    if (font.pointSizeF() > 7.0) { // 7 points is the floor even where it does not fit
        QVERIFY(metrics.horizontalAdvance(QStringLiteral("Serial Number: ")) <= 75);
        QVERIFY(metrics.horizontalAdvance(QStringLiteral("DISCONNECTED")) <= 82);
    }
    // Nothing is shrunk that already fits.
    QCOMPARE(fittingReportFont(font), font);
}

QTEST_MAIN(TestReportFont)
#include "tst_reportfont.moc"
