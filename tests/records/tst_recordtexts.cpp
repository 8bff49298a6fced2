// SPDX-License-Identifier: MIT
#include "recordtexts.h"
#include "testrecord.h"

#include <QtTest>
#include <limits>

class TestRecordTexts : public QObject
{
    Q_OBJECT

private slots:
    void channelRow_data();
    void channelRow();
    void codeTables_data();
    void codeTables();
    void numberTexts_data();
    void numberTexts();
    void thresholdFromRecord();
};

void TestRecordTexts::channelRow_data()
{
    QTest::addColumn<float>("power");
    QTest::addColumn<float>("reference");
    QTest::addColumn<float>("threshold");
    QTest::addColumn<int>("byte5");
    QTest::addColumn<int>("polarity");
    QTest::addColumn<int>("byte8");
    QTest::addColumn<QString>("powerText");
    QTest::addColumn<QString>("lossText");
    QTest::addColumn<QString>("verdictText");

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();

    QTest::newRow("loss 0.4 passes 0.75") << -20.4f << -20.0f << 0.75f << 1 << 0 << 1 << "-20.40"
                                          << " 0.40"
                                          << "PASS";
    QTest::newRow("small loss padded") << -20.0f << -19.95f << 0.75f << 1 << 0 << 1 << "-20.00"
                                       << " 0.05"
                                       << "PASS";
    QTest::newRow("slight gain reads as zero")
        << -19.95f << -20.0f << 0.75f << 1 << 0 << 1 << "-19.95"
        << " 0.00"
        << "PASS";
    QTest::newRow("real gain shown") << -19.75f << -20.0f << 0.75f << 1 << 0 << 1 << "-19.75"
                                     << "-0.25"
                                     << "PASS";
    QTest::newRow("gain of 0.1 is not noise")
        << -19.9f << -20.0f << 0.75f << 1 << 0 << 1 << "-19.90"
        << "-0.10"
        << "PASS";
    QTest::newRow("loss equal to threshold fails")
        << -20.25f << -19.75f << 0.5f << 1 << 0 << 1 << "-20.25"
        << " 0.50"
        << "FAIL";
    QTest::newRow("loss just below threshold passes")
        << -20.25f << -19.76f << 0.5f << 1 << 0 << 1 << "-20.25"
        << " 0.49"
        << "PASS";
    QTest::newRow("positive power padded") << 0.5f << 1.0f << 0.75f << 1 << 0 << 1 << " 0.50"
                                           << " 0.50"
                                           << "PASS";
    QTest::newRow("wide numbers not padded") << -12.5f << 1.0f << 3.0f << 1 << 0 << 1 << "-12.50"
                                             << "13.50"
                                             << "FAIL";
    QTest::newRow("no threshold, no verdict") << -20.4f << -20.0f << 0.0f << 1 << 0 << 1 << "-20.40"
                                              << " 0.40"
                                              << "---";
    QTest::newRow("byte5 zero hides loss and verdict")
        << -20.4f << -20.0f << 0.75f << 0 << 0 << 1 << "-20.40"
        << "---"
        << "---";
    QTest::newRow("byte8 zero hides loss and verdict")
        << -20.4f << -20.0f << 0.75f << 1 << 0 << 0 << "-20.40"
        << "---"
        << "---";
    QTest::newRow("missing reading under 40G") << 100.0f << -20.0f << 0.75f << 1 << 3 << 1 << "---"
                                               << "-120.00"
                                               << "---";
    QTest::newRow("missing reading under A still judged")
        << 100.0f << -20.0f << 0.75f << 1 << 0 << 1 << "---"
        << "-120.00"
        << "PASS";
    QTest::newRow("low missing reading") << -100.0f << -20.0f << 0.75f << 1 << 0 << 1 << "---"
                                         << "80.00"
                                         << "FAIL";
    QTest::newRow("loss of exactly -100") << 80.0f << -20.0f << 0.75f << 1 << 0 << 1 << "80.00"
                                          << "---"
                                          << "PASS";
    QTest::newRow("loss of 100 or more") << -100.0f << 0.0f << 0.75f << 1 << 0 << 1 << "---"
                                         << "---"
                                         << "FAIL";
    QTest::newRow("power not a number") << nan << -20.0f << 0.75f << 1 << 0 << 1 << "---"
                                        << "---"
                                        << "---";
    QTest::newRow("reference not a number") << -20.0f << nan << 0.75f << 1 << 0 << 1 << "-20.00"
                                            << "---"
                                            << "---";
    QTest::newRow("infinite power") << inf << -20.0f << 0.75f << 1 << 0 << 1 << "---"
                                    << "---"
                                    << "---";
    QTest::newRow("infinite reference") << -20.0f << -inf << 0.75f << 1 << 0 << 1 << "-20.00"
                                        << "---"
                                        << "---";
}

void TestRecordTexts::channelRow()
{
    QFETCH(float, power);
    QFETCH(float, reference);
    QFETCH(float, threshold);
    QFETCH(int, byte5);
    QFETCH(int, polarity);
    QFETCH(int, byte8);
    const ChannelRowText row = formatChannelRow(
        power, reference, threshold, uint8_t(byte5), uint8_t(polarity), uint8_t(byte8));
    QTEST(row.powerText, "powerText");
    QTEST(row.lossText, "lossText");
    QTEST(row.verdictText, "verdictText");
}

void TestRecordTexts::codeTables_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("nanometres");
    QTest::addColumn<QString>("polarity");

    QTest::newRow("0") << 0 << 850 << " A ";
    QTest::newRow("1") << 1 << 1310 << " B ";
    QTest::newRow("2") << 2 << 1300 << " C ";
    QTest::newRow("3") << 3 << 1550 << "40G";
    QTest::newRow("4") << 4 << 0 << "---";
    QTest::newRow("5") << 5 << 0 << "";
    QTest::newRow("255") << 255 << 0 << "";
}

void TestRecordTexts::codeTables()
{
    QFETCH(int, code);
    QTEST(wavelengthNm(uint8_t(code)), "nanometres");
    QTEST(polarityDisplayName(uint8_t(code)), "polarity");
}

void TestRecordTexts::numberTexts_data()
{
    QTest::addColumn<int>("recordNumber");
    QTest::addColumn<QString>("numberText");
    QTest::addColumn<double>("threshold");
    QTest::addColumn<QString>("thresholdShown");

    QTest::newRow("small") << 7 << "007" << 0.75 << "0.75";
    QTest::newRow("three digits") << 123 << "123" << 1.0 << "1";
    QTest::newRow("zero") << 0 << "000" << 2.5 << "2.5";
    QTest::newRow("largest") << 65535 << "65535" << 327.67 << "327.67";
    QTest::newRow("negative threshold") << 42 << "042" << -1.0 << "-1";
}

void TestRecordTexts::numberTexts()
{
    QFETCH(int, recordNumber);
    QFETCH(double, threshold);
    QTEST(recordNumberText(uint16_t(recordNumber)), "numberText");
    QTEST(thresholdText(threshold), "thresholdShown");
}

void TestRecordTexts::thresholdFromRecord()
{
    TestRecord record;
    record.thresholdCentiDb = 75;
    QCOMPARE(thresholdDb(record), 0.75);
    QCOMPARE(thresholdText(thresholdDb(record)), QStringLiteral("0.75"));
    record.thresholdCentiDb = -32768;
    QCOMPARE(thresholdDb(record), -327.68);
}

QTEST_APPLESS_MAIN(TestRecordTexts)
#include "tst_recordtexts.moc"
