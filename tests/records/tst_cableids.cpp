// SPDX-License-Identifier: MIT
#include "cableidimport.h"
#include "cableidlist.h"
#include "cableidpattern.h"

#include <QtTest>

// Cable IDs as technicians bring them: a spreadsheet's CSV in the encodings
// Windows saves, a typed list, a pattern. A list with one bad or repeated ID
// adds nothing, and says which.
class TestCableIds : public QObject
{
    Q_OBJECT

private slots:
    void spreadsheetFiles_data();
    void spreadsheetFiles();
    void damagedCsvIsRefused();
    void listWithDuplicatesIsRefusedWhole();
    void idRules();
    void patterns_data();
    void patterns();
    void badPatterns_data();
    void badPatterns();
};

namespace {
QByteArray utf16le(const QString &text)
{
    QByteArray bytes("\xFF\xFE");
    for (const QChar c : text)
        bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    return bytes;
}
} // namespace

void TestCableIds::spreadsheetFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QVector<int>>("lines");

    // Excel's "CSV" on a German Windows: semicolons, Windows-1252, a header
    // naming the column, a quoted ID with the separator, an empty row.
    QTest::newRow("semicolon CSV, Windows-1252, header")
        << QByteArray("Rack;Cable ID;Length\r\nR1;A01-Stra\xDF"
                      "e;3\r\nR1;\"A02;x\";4\r\n;;\r\n\r\nR2;  A03 \x80 ;5\r\n")
        << QStringList { QString::fromUtf8("A01-Straße"), "A02;x", QString::fromUtf8("A03 €") }
        << QVector<int> { 2, 3, 6 };
    QTest::newRow("comma CSV, UTF-8 with BOM, no header")
        << QByteArray("\xEF\xBB\xBF"
                      "A01,first floor\nA02,\"second\nfloor\"\nA03,x\n")
        << QStringList { "A01", "A02", "A03" } << QVector<int> { 1, 2, 4 };
    QTest::newRow("Unicode text, UTF-16 with BOM, tabs")
        << utf16le(QString::fromUtf8("Note\tLABEL\r\nx\tÄ-1\r\ny\t\u5317-2\r\n"))
        << QStringList { QString::fromUtf8("Ä-1"), QString::fromUtf8("\u5317-2") }
        << QVector<int> { 2, 3 };
    QTest::newRow("text, UTF-8, blank lines")
        << QByteArray("  A01  \n\n\tA\xC3\xA9\n") << QStringList { "A01", QString::fromUtf8("Aé") }
        << QVector<int> { 1, 3 };
}

void TestCableIds::spreadsheetFiles()
{
    QFETCH(QByteArray, file);
    CableIdImport::Lines found;
    QString error;
    QVERIFY2(CableIdImport::fromFile(file, &found, &error), qPrintable(error));
    QStringList ids;
    QVERIFY2(CableIdList::prepare(found.texts, found.lines, {}, &ids, &error), qPrintable(error));
    QTEST(ids, "ids");
    QTEST(found.lines, "lines");
}

void TestCableIds::damagedCsvIsRefused()
{
    CableIdImport::Lines found;
    QString error;
    QVERIFY(!CableIdImport::fromFile("id;x\nA01;1\n\"A02;2\nA03;3\n", &found, &error));
    QCOMPARE(error, QStringLiteral("Line 3: a quote opened there is never closed."));
    QVERIFY(!CableIdImport::fromFile(utf16le("A01").left(7), &found, &error));
    QVERIFY(error.contains(QLatin1String("UTF-16")));

    // An ID of the file that cannot be one: told by its line.
    QVERIFY(CableIdImport::fromFile("label,n\nA01,1\nA\x01\x32,2\n", &found, &error));
    QStringList ids;
    QVERIFY(!CableIdList::prepare(found.texts, found.lines, {}, &ids, &error));
    QCOMPARE(
        error, QString::fromUtf8("Line 3: The cable ID “A\uFFFD2” holds a control character."));
    QVERIFY(ids.isEmpty());
}

void TestCableIds::listWithDuplicatesIsRefusedWhole()
{
    const CableIdImport::Lines typed = CableIdImport::fromTypedText("B\r\nA\nC\n\nA\nB\nA");
    QStringList ids;
    QString error;
    QVERIFY(!CableIdList::prepare(typed.texts, typed.lines, { "C", "D" }, &ids, &error));
    QCOMPARE(error,
        QString::fromUtf8("Nothing was added: these cable IDs are listed twice or are already in "
                          "the job: “C”, “A”, “B”."));
    QVERIFY(ids.isEmpty());

    QStringList many;
    for (int i = 1; i <= 13; ++i)
        many << QStringLiteral("T%1").arg(i) << QStringLiteral("T%1").arg(i);
    QVERIFY(!CableIdList::prepare(many, {}, {}, &ids, &error));
    QVERIFY2(error.endsWith(QString::fromUtf8("“T9”, “T10” and 3 more.")), qPrintable(error));

    QStringList full;
    for (int i = 0; i < CableIdList::maxInJob - 1; ++i)
        full << QString::number(i);
    QVERIFY(!CableIdList::prepare({ "x", "y" }, {}, full, &ids, &error));
    QVERIFY2(error.contains(QLatin1String("100,000")), qPrintable(error));
    QVERIFY(CableIdList::prepare({ "x" }, {}, full, &ids, &error));
}

void TestCableIds::idRules()
{
    QStringList ids;
    QString error;
    // NFC, trimmed, letter case kept: e + combining acute is é, a01 is not A01.
    QVERIFY(CableIdList::prepare({ QString::fromUtf8(" Re\u0301seau 1 "), "a01", "A01" }, {},
        { QString::fromUtf8("Réseau 2") }, &ids, &error));
    QCOMPARE(ids, QStringList({ QString::fromUtf8("Réseau 1"), "a01", "A01" }));
    QVERIFY(!CableIdList::prepare({ QString::fromUtf8("Re\u0301seau 2") }, {},
        { QString::fromUtf8("Réseau 2") }, &ids, &error));

    const QString longest = QString(63, QLatin1Char('x')) + QString::fromUtf8("\U0001F50C");
    QVERIFY(CableIdList::prepare({ longest }, {}, {}, &ids, &error)); // 64 characters
    QVERIFY(!CableIdList::prepare({ longest + "y" }, { 7 }, {}, &ids, &error));
    QVERIFY2(error.startsWith(QLatin1String("Line 7: The cable ID")), qPrintable(error));
    QVERIFY(error.endsWith(QLatin1String("is longer than 64 characters.")));
    QVERIFY(!CableIdList::prepare({ "A\t01" }, {}, {}, &ids, &error));
    QVERIFY(!CableIdList::prepare({ "  " }, {}, {}, &ids, &error));
    QCOMPARE(error, QStringLiteral("A cable ID cannot be empty."));
}

void TestCableIds::patterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("ids");

    QTest::newRow("two ranges, leftmost slowest")
        << "A{1..2}-B{01..03}"
        << QStringList { "A1-B01", "A1-B02", "A1-B03", "A2-B01", "A2-B02", "A2-B03" };
    QTest::newRow("counting down") << "P{12..9}" << QStringList { "P12", "P11", "P10", "P9" };
    QTest::newRow("zero-filled to the wider bound")
        << "{08..100}" << QStringList { "008", "009", "010" } + QStringList();
    QTest::newRow("letters") << "{a..c}{H..G}"
                             << QStringList { "aH", "aG", "bH", "bG", "cH", "cG" };
    QTest::newRow("literal braces") << "{{{1..2}}}" << QStringList { "{1}", "{2}" };
    QTest::newRow("no range") << "Trunk 7" << QStringList { "Trunk 7" };
}

void TestCableIds::patterns()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, ids);
    QStringList made;
    QString error;
    QVERIFY2(CableIdPattern::expand(pattern, &made, &error), qPrintable(error));
    if (pattern == QLatin1String("{08..100}")) {
        QCOMPARE(made.size(), 93);
        made = made.mid(0, 3);
    }
    QCOMPARE(made, ids);
}

void TestCableIds::badPatterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("message");

    QTest::newRow("unclosed") << "A{1..3"
                              << "{ without its }";
    QTest::newRow("lone closing brace") << "A}1"
                                        << "} without its {";
    QTest::newRow("half a range") << "A{1..}"
                                  << "{1..} is not a range";
    QTest::newRow("letter cases mixed") << "{a..H}"
                                        << "{a..H} is not a range";
    QTest::newRow("number and letter") << "{1..C}"
                                       << "is not a range";
    QTest::newRow("too many") << "{1..101}{1..100}"
                              << "more than 10,000";
    QTest::newRow("one range too many") << "{1..99999999}"
                                        << "more than 10,000";
}

void TestCableIds::badPatterns()
{
    QFETCH(QString, pattern);
    QFETCH(QString, message);
    QStringList made;
    QString error;
    QVERIFY(!CableIdPattern::expand(pattern, &made, &error));
    QVERIFY2(error.contains(message), qPrintable(error));
    QVERIFY(made.isEmpty());
    QVERIFY(CableIdPattern::expand("{1..100}{1..100}", &made, &error));
    QCOMPARE(made.size(), CableIdList::maxFromPattern);
}

QTEST_APPLESS_MAIN(TestCableIds)
#include "tst_cableids.moc"
