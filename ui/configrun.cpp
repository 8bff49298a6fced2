// SPDX-License-Identifier: MIT
#include "configrun.h"

#include "crispframestyle.h"
#include "qtdialoghost.h"
#include "reportfont.h"
#include "scaledlayout.h"

#include <QComboBox>
#include <QDateTime>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSize>
#include <QTimer>
#include <QVariant>

namespace {
const QString disconnectedStyle = QStringLiteral("QLineEdit {background-color: red;}");
const QString connectedStyle = QStringLiteral("QLineEdit {background-color: cyan;}");
} // namespace

ConfigRun::ConfigRun(QWidget *parent, double winversion, double sx, double sy)
    : ConfigRun(parent, winversion, sx, sy, defaultDialogHost())
{
}

ConfigRun::ConfigRun(
    QWidget *parent, double /*winversion*/, double sx, double sy, DialogHost &dialogs)
    : QWidget(parent)
    , dialogs(&dialogs)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Before any child exists: children with style sheets take their font once.
    setFont(fittingReportFont(font(), sx, sy));
    const ScaledLayout s { sx, sy };
    const QString titleStyle = QStringLiteral("font: 10pt;");

    Panel_Status = addSunkenPanel(this, "Panel_Status", s.rect(5, 5, 205, 115));
    Panel_List = addSunkenPanel(this, "Panel_List", s.rect(5, 220, 205, 401));
    Panel_List->setFocusPolicy(Qt::StrongFocus);
    Label_Title = addBoxedTitle(
        this, "Label_Title", tr("Device Status"), s.rect(60, 10, 90, 22), titleStyle);
    Label_ListTitle = addBoxedTitle(this, "Label_ListTitle", tr("Record List"),
        s.rect(60, 195, 90, 22), titleStyle);

    const QDateTime now = QDateTime::currentDateTime();
    Label_Date_text = addLabel(this, "Label_Date_text", now.toString(QStringLiteral("dd.MM.yyyy")),
        s.rect(15, 40, 70, 22));
    Label_Hour_text = addLabel(
        this, "Label_Hour_text", now.toString(QStringLiteral("hh:mm:ss")), s.rect(130, 40, 70, 22));
    for (QLabel *clock : { Label_Date_text, Label_Hour_text }) {
        clock->setStyle(CrispFrameStyle::shared());
        clock->setFrameShape(QFrame::Box);
        clock->setAlignment(Qt::AlignCenter);
    }

    Timer_Clock = new QTimer(this);
    Timer_Clock->setObjectName(QStringLiteral("Timer_Clock"));
    Timer_Clock->setInterval(1000);
    Timer_Clock->setSingleShot(false);
    connect(Timer_Clock, &QTimer::timeout, this, &ConfigRun::showTime);
    Timer_Clock->start();

    List_Records = new QListWidget(Panel_List);
    List_Records->setObjectName(QStringLiteral("List_Records"));
    List_Records->setGeometry(s.rect(0, 0, 205, 401));
    // Room for a small verdict mark before each entry's text, not a full icon.
    List_Records->setIconSize(QSize(s.x(8), s.y(8)));

    Label_Config_port_status = addLabel(this, "Label_Config_port_status",
        tr("  Device Status : "), s.rect(10, 90, 160, 32));
    Edit_PortStatus = addLineEdit(this, "Edit_PortStatus", s.rect(110, 95, 90, 20), true);
    // Its own: a style sheet set again would drop the font it inherits.
    Edit_PortStatus->setFont(font());
    showPortConnected(false);
    Label_Config_mpo_port_com = addLabel(this, "Label_Config_mpo_port_com",
        tr("  MPO Port COM : "), s.rect(10, 65, 160, 32));

    Combo_PortCom = new QComboBox(this);
    Combo_PortCom->setObjectName(QStringLiteral("Combo_PortCom"));
    Combo_PortCom->setGeometry(s.rect(110, 70, 90, 20));
    Combo_PortCom->addItem(tr("SELECT"), QVariant(-1));
    connect(Combo_PortCom, QOverload<int>::of(&QComboBox::highlighted), this,
        &ConfigRun::on_portcom_selected);
}

ConfigRun::~ConfigRun() = default;

void ConfigRun::showPortConnected(bool connected)
{
    Edit_PortStatus->setText(
        connected ? tr("CONNECTED") : tr("DISCONNECTED"));
    Edit_PortStatus->setStyleSheet(connected ? connectedStyle : disconnectedStyle);
}

void ConfigRun::on_portcom_selected(int /*index*/)
{
    // Only "SELECT" is listed: the ports have not been asked for yet.
    if (Combo_PortCom->count() != 1)
        return;
    dialogs->information(nullptr, QStringLiteral("Lumetra"),
        tr("Please Connect the Cable and Select a Port for Communication"));
    emit updateListOfPortRequested_sig();
}

void ConfigRun::showTime()
{
    const QDateTime now = QDateTime::currentDateTime();
    Label_Hour_text->setText(now.toString(QStringLiteral("hh:mm:ss")));
    Label_Date_text->setText(now.toString(QStringLiteral("yyyy.MM.dd")));
    exportTimeText
        = now.toString(QStringLiteral("MM-dd-yyyy")) + now.toString(QStringLiteral("  hh:mm:ss"));
    fileTimeStamp
        = now.toString(QStringLiteral("MM_dd_yyyy")) + now.toString(QStringLiteral("_hh_mm_ss"));
}
