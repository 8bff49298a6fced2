// SPDX-License-Identifier: MIT
#include "configrun.h"
#include "recordingdialoghost.h"
#include "uitesthelpers.h"

#include <QComboBox>
#include <QDateTime>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

class TestConfigRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void geometry_data();
    void geometry();
    void captionsAndFrames_data();
    void captionsAndFrames();
    void focusOrderFollowsCreation();
    void freshPanelState();
    void statusFieldStates();
    void clockBeforeAndAfterFirstTick();
    void hintOnlyWhilePortsAreUnlisted();
};

namespace {
const QString hintText
    = QStringLiteral("Please Connect the Cable and Select a Port for Communication");

QDateTime parsed(const QString &text, const QString &format)
{
    return QDateTime::fromString(text, format);
}
} // namespace

void TestConfigRun::initTestCase()
{
    useFixedTestFont();
}

void TestConfigRun::geometry_data()
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
        { "Panel_Status", { 5, 5, 205, 115 } },
        { "Panel_List", { 5, 220, 205, 401 } },
        { "Label_Title", { 60, 10, 90, 22 } },
        { "Label_ListTitle", { 60, 195, 90, 22 } },
        { "Label_Date_text", { 15, 40, 70, 22 } },
        { "Label_Hour_text", { 130, 40, 70, 22 } },
        { "List_Records", { 0, 0, 205, 401 } },
        { "Label_Config_port_status", { 10, 90, 160, 32 } },
        { "Edit_PortStatus", { 110, 95, 90, 20 } },
        { "Label_Config_mpo_port_com", { 10, 65, 160, 32 } },
        { "Combo_PortCom", { 110, 70, 90, 20 } },
    };
    for (const auto &widget : base)
        QTest::addRow("1.0 %s", widget.name) << 1.0 << 1.0 << widget.name << widget.rect;

    QTest::newRow("1.5/1.0546875 list panel")
        << 1.5 << 1.0546875 << "Panel_List" << QRect(7, 232, 307, 422);
    QTest::newRow("1.5/1.0546875 records")
        << 1.5 << 1.0546875 << "List_Records" << QRect(0, 0, 307, 422);
    QTest::newRow("1.333984375 combo")
        << 1.333984375 << 1.0 << "Combo_PortCom" << QRect(146, 70, 120, 20);
}

void TestConfigRun::geometry()
{
    QFETCH(double, sx);
    QFETCH(double, sy);
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    RecordingDialogHost dialogs;
    ConfigRun panel(nullptr, 0.0, sx, sy, dialogs);
    auto *widget = panel.findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->geometry(), expected);
}

void TestConfigRun::captionsAndFrames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("boxed");
    QTest::addColumn<QString>("styleSheet");
    QTest::newRow("title") << "Label_Title"
                           << "Device Status" << true << "font: 10pt;";
    QTest::newRow("list title") << "Label_ListTitle"
                                << "Record List" << true << "font: 10pt;";
    QTest::newRow("status") << "Label_Config_port_status"
                            << "  Device Status : " << false << "";
    QTest::newRow("port") << "Label_Config_mpo_port_com"
                          << "  MPO Port COM : " << false << "";
}

void TestConfigRun::captionsAndFrames()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, boxed);
    QFETCH(QString, styleSheet);
    RecordingDialogHost dialogs;
    ConfigRun panel(nullptr, 0.0, 1.0, 1.0, dialogs);
    auto *label = panel.findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->frameShape(), boxed ? QFrame::Box : QFrame::NoFrame);
    QCOMPARE(label->styleSheet(), styleSheet);
    QCOMPARE(label->hasScaledContents(), boxed);
    if (boxed)
        QCOMPARE(label->alignment(), Qt::AlignCenter);
}

void TestConfigRun::focusOrderFollowsCreation()
{
    RecordingDialogHost dialogs;
    ConfigRun panel(nullptr, 0.0, 1.0, 1.0, dialogs);
    const QStringList focusable
        = { "Panel_List", "List_Records", "Edit_PortStatus", "Combo_PortCom" };
    QCOMPARE(focusChainNames(&panel, focusable), focusable);
    QCOMPARE(panel.Panel_List->focusPolicy(), Qt::StrongFocus);
}

void TestConfigRun::freshPanelState()
{
    RecordingDialogHost dialogs;
    ConfigRun panel(nullptr, 0.0, 1.0, 1.0, dialogs);

    QVERIFY(panel.testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(panel.Combo_PortCom->count(), 1);
    QCOMPARE(panel.Combo_PortCom->itemText(0), QStringLiteral("SELECT"));
    QCOMPARE(panel.Combo_PortCom->itemData(0), QVariant(-1));
    QCOMPARE(panel.List_Records->parentWidget(), panel.Panel_List);
    QCOMPARE(panel.List_Records->count(), 0);
    QCOMPARE(panel.displayedItem, nullptr);
    QVERIFY(panel.exportTimeText.isEmpty());
    QVERIFY(panel.fileTimeStamp.isEmpty());

    QCOMPARE(panel.Timer_Clock->parent(), &panel);
    QCOMPARE(panel.Timer_Clock->interval(), 1000);
    QVERIFY(!panel.Timer_Clock->isSingleShot());
    QVERIFY(panel.Timer_Clock->isActive());

    for (QLabel *clock : { panel.Label_Date_text, panel.Label_Hour_text }) {
        QCOMPARE(clock->frameShape(), QFrame::Box);
        QCOMPARE(clock->alignment(), Qt::AlignCenter);
    }
    QCOMPARE(panel.Panel_Status->frameShape(), QFrame::Panel);
    QCOMPARE(panel.Panel_List->frameShadow(), QFrame::Sunken);
    QCOMPARE(panel.Edit_PortStatus->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    QVERIFY(panel.Edit_PortStatus->isReadOnly());
    QVERIFY(dialogs.calls.isEmpty());
}

void TestConfigRun::statusFieldStates()
{
    RecordingDialogHost dialogs;
    ConfigRun panel(nullptr, 0.0, 1.0, 1.0, dialogs);
    QCOMPARE(panel.Edit_PortStatus->text(), QStringLiteral("DISCONNECTED"));
    QCOMPARE(
        panel.Edit_PortStatus->styleSheet(), QStringLiteral("QLineEdit {background-color: red;}"));
    panel.showPortConnected(true);
    QCOMPARE(panel.Edit_PortStatus->text(), QStringLiteral("CONNECTED"));
    QCOMPARE(
        panel.Edit_PortStatus->styleSheet(), QStringLiteral("QLineEdit {background-color: cyan;}"));
    panel.showPortConnected(false);
    QCOMPARE(panel.Edit_PortStatus->text(), QStringLiteral("DISCONNECTED"));
    QCOMPARE(
        panel.Edit_PortStatus->styleSheet(), QStringLiteral("QLineEdit {background-color: red;}"));
}

void TestConfigRun::clockBeforeAndAfterFirstTick()
{
    RecordingDialogHost dialogs;
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    ConfigRun panel(nullptr, 0.0, 1.0, 1.0, dialogs);

    const QRegularExpression dayFirst(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4}$"));
    const QRegularExpression clock(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"));
    QVERIFY2(dayFirst.match(panel.Label_Date_text->text()).hasMatch(),
        qPrintable(panel.Label_Date_text->text()));
    QVERIFY(clock.match(panel.Label_Hour_text->text()).hasMatch());
    const QDateTime shown
        = QDateTime(QDate::fromString(panel.Label_Date_text->text(), QStringLiteral("dd.MM.yyyy")),
            QTime::fromString(panel.Label_Hour_text->text(), QStringLiteral("hh:mm:ss")));
    QVERIFY(shown >= before.addMSecs(-before.time().msec()));
    QVERIFY(shown <= QDateTime::currentDateTime());

    QTRY_VERIFY_WITH_TIMEOUT(!panel.fileTimeStamp.isEmpty(), 2500);
    const QDateTime after = QDateTime::currentDateTime();

    const QDateTime date = parsed(panel.Label_Date_text->text(), QStringLiteral("yyyy.MM.dd"));
    QVERIFY2(date.isValid(), qPrintable(panel.Label_Date_text->text()));
    QVERIFY(clock.match(panel.Label_Hour_text->text()).hasMatch());

    const QDateTime exported = parsed(panel.exportTimeText, QStringLiteral("MM-dd-yyyy  hh:mm:ss"));
    const QDateTime stamped = parsed(panel.fileTimeStamp, QStringLiteral("MM_dd_yyyy_hh_mm_ss"));
    QVERIFY2(exported.isValid(), qPrintable(panel.exportTimeText));
    QVERIFY2(stamped.isValid(), qPrintable(panel.fileTimeStamp));
    QCOMPARE(exported, stamped);
    QCOMPARE(panel.Label_Hour_text->text(), exported.toString(QStringLiteral("hh:mm:ss")));
    QCOMPARE(date.date(), exported.date());
    QVERIFY(exported.secsTo(after) >= 0 && exported.secsTo(after) <= 2);
}

void TestConfigRun::hintOnlyWhilePortsAreUnlisted()
{
    RecordingDialogHost dialogs;
    ConfigRun panel(nullptr, 0.0, 1.0, 1.0, dialogs);
    QSignalSpy requests(&panel, &ConfigRun::updateListOfPortRequested_sig);
    int requestsWhileBoxOpen = -1;
    dialogs.onShow = [&](const DialogCall &) { requestsWhileBoxOpen = requests.count(); };

    emit panel.Combo_PortCom->highlighted(0);

    QCOMPARE(dialogs.calls.size(), 1);
    const DialogCall &hint = dialogs.calls.first();
    QCOMPARE(hint.kind, QStringLiteral("information"));
    QCOMPARE(hint.parent, nullptr);
    QCOMPARE(hint.title, QStringLiteral("Lumetra"));
    QCOMPARE(hint.text, hintText);
    QCOMPARE(requestsWhileBoxOpen, 0); // asked for the ports only after the box closed
    QCOMPARE(requests.count(), 1);

    // The listing adds the ports; from then on highlighting is only highlighting.
    panel.Combo_PortCom->addItem(QStringLiteral("3"), 3);
    emit panel.Combo_PortCom->highlighted(1);
    emit panel.Combo_PortCom->highlighted(0);
    QCOMPARE(dialogs.calls.size(), 1);
    QCOMPARE(requests.count(), 1);
}

QTEST_MAIN(TestConfigRun)
#include "tst_configrun.moc"
