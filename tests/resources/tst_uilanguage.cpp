// SPDX-License-Identifier: MIT
#include "uilanguage.h"

#include <QtTest>

// The first of the user's languages that is English or one of Lumetra's wins;
// English brings its plural forms, German Lumetra's texts and Qt's own.
class TestUiLanguage : public QObject
{
    Q_OBJECT

private slots:
    void choose_data();
    void choose();
    void englishCountsInTheSingular();
    void installsBothTranslations();
};

void TestUiLanguage::choose_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("English first, though German follows") << QStringList { "en-GB", "de-DE" } << "";
    QTest::newRow("a region of its own") << QStringList { "de-AT" } << "de";
    QTest::newRow("unknown, then Spanish") << QStringList { "pt-BR", "es-MX" } << "es";
    QTest::newRow("traditional Chinese is passed over") << QStringList { "zh-TW", "fr-CA" } << "fr";
    QTest::newRow("simplified Chinese") << QStringList { "zh-Hans-CN" } << "zh_CN";
    QTest::newRow("none of ours") << QStringList { "ja-JP" } << "";
}

void TestUiLanguage::choose()
{
    QFETCH(QStringList, languages);
    QTEST(UiLanguage::choose(languages), "chosen");
}

void TestUiLanguage::englishCountsInTheSingular()
{
    QCOMPARE(UiLanguage::install(*QCoreApplication::instance(), { "en-GB" }), QString());
    QCOMPARE(QCoreApplication::translate("MainWindow", "Receiving: %n records", nullptr, 1),
        QStringLiteral("Receiving: 1 record"));
    QCOMPARE(QCoreApplication::translate("MainWindow", "Receiving: %n records", nullptr, 2),
        QStringLiteral("Receiving: 2 records"));
}

void TestUiLanguage::installsBothTranslations()
{
    QCOMPARE(UiLanguage::install(*QCoreApplication::instance(), { "de-DE" }), QStringLiteral("de"));
    QCOMPARE(QCoreApplication::translate("MainWindow", "&File"), QStringLiteral("&Datei"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
}

QTEST_GUILESS_MAIN(TestUiLanguage)
#include "tst_uilanguage.moc"
