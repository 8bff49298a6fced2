// SPDX-License-Identifier: MIT
#include "listofuid.h"
#include "lumetraimages.h"
#include "uitesthelpers.h"

#include <QAbstractItemView>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>

class TestListOfUID : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void geometry_data();
    void geometry();
    void captions_data();
    void captions();
    void focusOrderFollowsCreation();
    void headerFieldsEditableExceptRecordAndPolarity_data();
    void headerFieldsEditableExceptRecordAndPolarity();
    void titleLogoAndPanel();
    void newTableIsEmptyWithSixHeaders();
    void columnWidthsScaleAndLastStretches_data();
    void columnWidthsScaleAndLastStretches();
    void addtablerowAppendsReadOnlyCentredCells();
    void doubleClickOpensNoEditor();
    void clickSelectsWholeSingleRow();
    void verdictColours_data();
    void verdictColours();
    void updatetablevalueKeepsColour();
    void missingCellsAreIgnored();
    void longCableIdShrinksThenIsCut();
};

namespace {
QColor foregroundOf(QTableWidgetItem *item)
{
    const QVariant brush = item->data(Qt::ForegroundRole);
    return brush.isValid() ? brush.value<QBrush>().color() : QColor();
}

QPoint cellCentre(QTableWidget *table, int row, int column)
{
    return table->visualItemRect(table->item(row, column)).center();
}
} // namespace

void TestListOfUID::initTestCase()
{
    registerLumetraImages();
    useFixedTestFont();
}

void TestListOfUID::geometry_data()
{
    QTest::addColumn<double>("sx");
    QTest::addColumn<double>("sy");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");

    const struct
    {
        const char *name;
        QRect rect;
    } base[] = {
        { "Panel_Header", { 5, 5, 590, 200 } },
        { "Label_Title", { 180, 10, 220, 48 } },
        { "Label_Logo", { 500, 15, 80, 38 } },
        { "Label_Company", { 15, 70, 75, 32 } },
        { "Edit_Company", { 90, 75, 190, 20 } },
        { "Label_Operator", { 330, 70, 70, 32 } },
        { "Edit_Operator", { 400, 75, 190, 20 } },
        { "Label_TestDevice", { 15, 90, 75, 32 } },
        { "Edit_TestDevice", { 90, 95, 190, 20 } },
        { "Label_TestDate", { 330, 90, 70, 32 } },
        { "Edit_TestDate", { 400, 95, 190, 20 } },
        { "Label_SerialNumber", { 15, 110, 75, 32 } },
        { "Edit_SerialNumber", { 90, 115, 190, 20 } },
        { "Label_ExportTime", { 330, 110, 70, 32 } },
        { "Edit_ExportTime", { 400, 115, 190, 20 } },
        { "Label_FileNumber", { 515, 155, 45, 32 } },
        { "Edit_FileNumber", { 560, 160, 30, 20 } },
        { "Label_Polarity", { 515, 175, 45, 32 } },
        { "Edit_Polarity", { 560, 180, 30, 20 } },
        { "Label_Comment", { 15, 140, 75, 32 } },
        { "Edit_Comment", { 90, 140, 410, 60 } },
        { "remoteDevices", { 5, 220, 590, 401 } },
    };
    for (const auto &widget : base)
        QTest::addRow("1.0 %s", widget.name) << 1.0 << 1.0 << widget.name << widget.rect;

    // Positions and sizes are truncated separately, never rounded.
    QTest::newRow("1.25 header") << 1.25 << 1.25 << "Panel_Header" << QRect(6, 6, 737, 250);
    QTest::newRow("1.5/1.0546875 title")
        << 1.5 << 1.0546875 << "Label_Title" << QRect(270, 10, 330, 50);
    QTest::newRow("1.5/1.0546875 table")
        << 1.5 << 1.0546875 << "remoteDevices" << QRect(7, 232, 885, 422);
    QTest::newRow("1.333984375 record field")
        << 1.333984375 << 1.0 << "Edit_FileNumber" << QRect(747, 160, 40, 20);
    QTest::newRow("1.333984375 note")
        << 1.333984375 << 1.0 << "Edit_Comment" << QRect(120, 140, 546, 60);
}

void TestListOfUID::geometry()
{
    QFETCH(double, sx);
    QFETCH(double, sy);
    QFETCH(QString, name);
    QFETCH(QRect, expected);

    ListOfUID page(nullptr, 10.0, sx, sy);
    auto *widget = page.findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->parentWidget(), &page);
    QCOMPARE(widget->geometry(), expected);
}

void TestListOfUID::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("title") << "Label_Title"
                           << "Test Report";
    QTest::newRow("company") << "Label_Company"
                             << "Company: ";
    QTest::newRow("operator") << "Label_Operator"
                              << "Operator: ";
    QTest::newRow("device") << "Label_TestDevice"
                            << "Test Device: ";
    QTest::newRow("date") << "Label_TestDate"
                          << "Test Date: ";
    QTest::newRow("serial") << "Label_SerialNumber"
                            << "Serial Number: ";
    QTest::newRow("export") << "Label_ExportTime"
                            << "Export Time: ";
    QTest::newRow("record") << "Label_FileNumber"
                            << "Record: ";
    QTest::newRow("polarity") << "Label_Polarity"
                              << "Polarity: ";
    QTest::newRow("note") << "Label_Comment"
                          << "Note: ";
}

void TestListOfUID::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    ListOfUID page(nullptr, 0.0, 1.0, 1.0);
    auto *label = page.findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), caption);
}

void TestListOfUID::focusOrderFollowsCreation()
{
    ListOfUID page(nullptr, 0.0, 1.0, 1.0);
    const QStringList editors = { "Edit_Company", "Edit_Operator", "Edit_TestDevice",
        "Edit_TestDate", "Edit_SerialNumber", "Edit_ExportTime", "Edit_FileNumber", "Edit_Polarity",
        "Edit_Comment", "remoteDevices" };
    QCOMPARE(focusChainNames(&page, editors), editors);
}

void TestListOfUID::headerFieldsEditableExceptRecordAndPolarity_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("editable");
    for (const char *name : { "Edit_Company", "Edit_Operator", "Edit_TestDevice", "Edit_TestDate",
             "Edit_SerialNumber", "Edit_ExportTime" })
        QTest::newRow(name) << name << true;
    QTest::newRow("Edit_FileNumber") << "Edit_FileNumber" << false;
    QTest::newRow("Edit_Polarity") << "Edit_Polarity" << false;
}

void TestListOfUID::headerFieldsEditableExceptRecordAndPolarity()
{
    QFETCH(QString, name);
    QFETCH(bool, editable);
    ListOfUID page(nullptr, 0.0, 1.0, 1.0);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    auto *edit = page.findChild<QLineEdit *>(name);
    QVERIFY(edit);
    QVERIFY(edit->text().isEmpty());
    QCOMPARE(edit->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    edit->setFocus();
    QTest::keyClicks(edit, "ACME 7");
    QCOMPARE(edit->text(), editable ? QStringLiteral("ACME 7") : QString());
}

void TestListOfUID::titleLogoAndPanel()
{
    ListOfUID page(nullptr, 0.0, 1.0, 1.0);
    QCOMPARE(page.Label_Title->frameShape(), QFrame::Box);
    QCOMPARE(page.Label_Title->alignment(), Qt::AlignCenter);
    QCOMPARE(page.Label_Title->styleSheet(), QStringLiteral("font: 30pt;"));
    QVERIFY(page.Label_Title->hasScaledContents());

    QVERIFY(page.Label_Logo->hasScaledContents());
    QVERIFY(!page.Label_Logo->pixmap(Qt::ReturnByValue).isNull());

    QCOMPARE(page.Panel_Header->frameShape(), QFrame::Panel);
    QCOMPARE(page.Panel_Header->frameShadow(), QFrame::Sunken);

    QVERIFY(page.Edit_Comment->acceptRichText());
    QVERIFY(!page.Edit_Comment->isReadOnly());
    QVERIFY(page.Edit_Comment->toPlainText().isEmpty());

    // Inside the main window it is a plain widget carrying only the customise hint.
    QWidget host;
    ListOfUID hosted(&host, 0.0, 1.0, 1.0);
    QCOMPARE(hosted.windowFlags(), Qt::WindowFlags(Qt::CustomizeWindowHint));
    QVERIFY(!hosted.isWindow());
}

void TestListOfUID::newTableIsEmptyWithSixHeaders()
{
    ListOfUID page(nullptr, 0.0, 1.0, 1.0);
    QTableWidget *table = page.remoteDevices;
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(table->columnCount(), 6);
    QStringList headers;
    for (int column = 0; column < table->columnCount(); ++column)
        headers << table->horizontalHeaderItem(column)->text();
    QCOMPARE(
        headers, QStringList({ "FIBER #", "Wavelength", "dBm", "dB", "P/F Val(dB)", "Pass/Fail" }));

    QVERIFY(table->verticalHeader()->isHidden());
    QVERIFY(!table->verticalHeader()->cascadingSectionResizes());
    QVERIFY(table->horizontalHeader()->cascadingSectionResizes());
    QVERIFY(table->horizontalHeader()->stretchLastSection());
    QCOMPARE(table->horizontalHeader()->defaultSectionSize(), 80);
    QCOMPARE(table->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(table->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(
        table->editTriggers(), QAbstractItemView::EditTriggers(QAbstractItemView::DoubleClicked));
    QVERIFY(table->alternatingRowColors());
    QVERIFY(table->showGrid());
    QVERIFY(!table->wordWrap());
    QVERIFY(!table->showDropIndicator());
    QCOMPARE(table->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(table->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
}

void TestListOfUID::columnWidthsScaleAndLastStretches_data()
{
    QTest::addColumn<double>("sx");
    QTest::addColumn<int>("columnWidth");
    QTest::newRow("1.0") << 1.0 << 80;
    QTest::newRow("1.5") << 1.5 << 120;
    QTest::newRow("1.333984375") << 1.333984375 << 106;
}

void TestListOfUID::columnWidthsScaleAndLastStretches()
{
    QFETCH(double, sx);
    QFETCH(int, columnWidth);
    ListOfUID page(nullptr, 0.0, sx, 1.0);
    page.resize(page.remoteDevices->geometry().bottomRight().x() + 10, 700);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    QTableWidget *table = page.remoteDevices;
    for (int column = 0; column < 5; ++column)
        QCOMPARE(table->columnWidth(column), columnWidth);
    // The last section reaches the right edge of the viewport.
    QTRY_COMPARE(table->horizontalHeader()->sectionViewportPosition(5) + table->columnWidth(5),
        table->viewport()->width());
    QVERIFY(table->columnWidth(5) > static_cast<int>(100 * sx) - 4);
}

void TestListOfUID::addtablerowAppendsReadOnlyCentredCells()
{
    ListOfUID page(nullptr, 0.0, 1.0, 1.0);
    QTableWidget *table = page.remoteDevices;
    for (int row = 0; row < 11; ++row)
        page.addtablerow();
    page.updatetablevalue(10, 0, QStringLiteral("11"));

    table->blockSignals(true); // addtablerow leaves them unblocked either way
    page.addtablerow();
    QVERIFY(!table->signalsBlocked());

    QCOMPARE(table->rowCount(), 12);
    QCOMPARE(table->item(10, 0)->text(), QStringLiteral("11"));
    for (int column = 0; column < 6; ++column) {
        QTableWidgetItem *cell = table->item(11, column);
        QVERIFY(cell);
        QVERIFY(cell->text().isEmpty());
        QCOMPARE(cell->flags(), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        QCOMPARE(cell->textAlignment(), int(Qt::AlignCenter));
    }
}

void TestListOfUID::doubleClickOpensNoEditor()
{
    ListOfUID page(nullptr, 0.0, 1.0, 1.0);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.addtablerow();
    page.addtablerow();
    QTableWidget *table = page.remoteDevices;

    const QPoint at = cellCentre(table, 1, 2);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(!table->findChild<QLineEdit *>());
    QTest::keyClick(table, Qt::Key_F2);
    QTest::keyClicks(table, "xyz");
    QTest::keyClick(table, Qt::Key_Return);
    QVERIFY(!table->findChild<QLineEdit *>());
    QVERIFY(table->item(1, 2)->text().isEmpty());
}

void TestListOfUID::clickSelectsWholeSingleRow()
{
    ListOfUID page(nullptr, 0.0, 1.0, 1.0);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    for (int row = 0; row < 3; ++row)
        page.addtablerow();
    QTableWidget *table = page.remoteDevices;
    QSignalSpy clicks(table, &QTableWidget::cellClicked);

    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellCentre(table, 2, 3));
    QTest::mouseClick(
        table->viewport(), Qt::LeftButton, Qt::ControlModifier, cellCentre(table, 0, 1));

    QCOMPARE(clicks.count(), 2);
    const QList<QTableWidgetItem *> selected = table->selectedItems();
    QCOMPARE(selected.size(), 6);
    for (QTableWidgetItem *item : selected)
        QCOMPARE(item->row(), 0);
    for (int column = 0; column < 6; ++column)
        QVERIFY(table->item(2, column)->text().isEmpty());
}

void TestListOfUID::verdictColours_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QColor>("expected"); // invalid: the table's own colour
    QTest::newRow("PASS") << QStringList { "PASS" } << QColor(Qt::blue);
    QTest::newRow("FAIL") << QStringList { "FAIL" } << QColor(Qt::red);
    QTest::newRow("---") << QStringList { "---" } << QColor();
    QTest::newRow("PASS then FAIL") << QStringList { "PASS", "FAIL" } << QColor(Qt::red);
    QTest::newRow("FAIL then PASS") << QStringList { "FAIL", "PASS" } << QColor(Qt::blue);
    QTest::newRow("PASS then ---") << QStringList { "PASS", "---" } << QColor(Qt::blue);
    QTest::newRow("lower case") << QStringList { "pass" } << QColor();
    QTest::newRow("padded") << QStringList { " FAIL" } << QColor();
}

void TestListOfUID::verdictColours()
{
    QFETCH(QStringList, texts);
    QFETCH(QColor, expected);
    ListOfUID page(nullptr, 0.0, 1.0, 1.0);
    page.addtablerow();
    for (const QString &text : texts)
        page.updatetablevalueandcolor(0, 5, text);

    QTableWidgetItem *cell = page.remoteDevices->item(0, 5);
    QCOMPARE(cell->text(), texts.last());
    QCOMPARE(foregroundOf(cell), expected);
    QVERIFY(!cell->data(Qt::BackgroundRole).isValid());
    QVERIFY(!page.remoteDevices->item(0, 4)->data(Qt::ForegroundRole).isValid());
}

void TestListOfUID::updatetablevalueKeepsColour()
{
    ListOfUID page(nullptr, 0.0, 1.0, 1.0);
    page.addtablerow();
    page.updatetablevalueandcolor(0, 5, QStringLiteral("PASS"));
    page.updatetablevalue(0, 5, QStringLiteral("FAIL"));
    QCOMPARE(page.remoteDevices->item(0, 5)->text(), QStringLiteral("FAIL"));
    QCOMPARE(foregroundOf(page.remoteDevices->item(0, 5)), QColor(Qt::blue));

    page.updatetablevalue(0, 1, QStringLiteral("1310"));
    QCOMPARE(page.remoteDevices->item(0, 1)->text(), QStringLiteral("1310"));
    QCOMPARE(page.remoteDevices->item(0, 1)->textAlignment(), int(Qt::AlignCenter));
}

void TestListOfUID::missingCellsAreIgnored()
{
    ListOfUID page(nullptr, 0.0, 1.0, 1.0);
    page.updatetablevalue(0, 0, QStringLiteral("x"));
    page.addtablerow();
    page.updatetablevalue(0, 6, QStringLiteral("x"));
    page.updatetablevalueandcolor(1, 5, QStringLiteral("PASS"));
    page.updatetablevalueandcolor(-1, 0, QStringLiteral("FAIL"));
    QCOMPARE(page.remoteDevices->rowCount(), 1);
    QCOMPARE(page.remoteDevices->columnCount(), 6);
}

// A record without an ID shows none; a short one the page's font; a long one
// smaller, down to 7 points, then cut with the whole ID in its tip.
void TestListOfUID::longCableIdShrinksThenIsCut()
{
    ListOfUID page(nullptr, 0.0, 1.0, 1.0);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QVERIFY(!page.Edit_CableId->isVisible() && !page.Label_CableId->isVisible());
    page.showCableId(QStringLiteral("A01-B01"));
    QVERIFY(page.Edit_CableId->isVisible() && page.Label_CableId->isVisible());
    QCOMPARE(page.Edit_CableId->font().pointSizeF(), page.font().pointSizeF());
    QCOMPARE(page.Edit_CableId->toolTip(), QString());

    const QString longer = QStringLiteral("Hall 2 / Row 14 / Rack 07 / Panel C / Port 24");
    page.showCableId(longer);
    QVERIFY(page.Edit_CableId->font().pointSizeF() < page.font().pointSizeF());
    QVERIFY(page.Edit_CableId->font().pointSizeF() >= 7.0);
    const QString longest = QString(64, QLatin1Char('W'));
    page.showCableId(longest);
    QCOMPARE(page.Edit_CableId->font().pointSizeF(), 7.0);
    QVERIFY(page.Edit_CableId->text().size() < longest.size());
    QCOMPARE(page.Edit_CableId->toolTip(), longest);
    page.showCableId(QString());
    QVERIFY(!page.Edit_CableId->isVisible());
}

QTEST_MAIN(TestListOfUID)
#include "tst_listofuid.moc"
