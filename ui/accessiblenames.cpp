// SPDX-License-Identifier: MIT
#include "accessiblenames.h"

#include "configrun.h"
#include "historywindow.h"
#include "listofuid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTextEdit>

namespace {
// Buttons and check boxes are named by their captions already.
void describe(QWidget *widget, const QString &description)
{
    widget->setAccessibleDescription(description);
}

void describe(QWidget *widget, const QString &name, const QString &description)
{
    widget->setAccessibleName(name);
    describe(widget, description);
}

// Screen readers on Linux take a field's name from the caption it is labelled by.
void label(QLabel *caption, QWidget *field, const QString &name, const QString &description)
{
    caption->setBuddy(field);
    describe(field, name, description);
}
} // namespace

void AccessibleNames::nameConnectionPanel(ConfigRun &panel)
{
    label(panel.Label_Config_mpo_port_com, panel.Combo_PortCom, tr("Port"),
        tr("COM port the meter is connected to"));
    label(panel.Label_Config_port_status, panel.Edit_PortStatus, tr("Device status"),
        tr("Whether the port to the meter is connected"));
    // The frame takes the focus on its way to the list it holds.
    describe(panel.Panel_List, tr("Record list"), tr("Records received from the meter or opened"));
    describe(panel.List_Records, tr("Record list"),
        tr("Records received from the meter or opened; the selected one is shown in the test "
           "report"));
}

void AccessibleNames::nameReportPage(ListOfUID &page)
{
    label(page.Label_Company, page.Edit_Company, tr("Company"),
        tr("Company name printed on the report"));
    label(page.Label_Operator, page.Edit_Operator, tr("Operator"),
        tr("Operator's name printed on the report"));
    label(page.Label_TestDevice, page.Edit_TestDevice, tr("Test device"),
        tr("Test device printed on the report"));
    label(page.Label_TestDate, page.Edit_TestDate, tr("Test date"),
        tr("Test date printed on the report"));
    label(page.Label_SerialNumber, page.Edit_SerialNumber, tr("Serial number"),
        tr("Serial number printed on the report"));
    label(page.Label_ExportTime, page.Edit_ExportTime, tr("Export time"),
        tr("When the meter exported the record"));
    label(page.Label_FileNumber, page.Edit_FileNumber, tr("Record number"),
        tr("The record's number in the meter"));
    label(page.Label_Polarity, page.Edit_Polarity, tr("Polarity"), tr("Polarity of the MPO cable"));
    label(page.Label_Comment, page.Edit_Comment, tr("Note"), tr("Note printed on the report"));
    describe(page.remoteDevices, tr("Fibers"),
        tr("Wavelength, power, loss, threshold and verdict of each fiber"));
}

void AccessibleNames::nameHistoryWindow(HistoryWindow &window)
{
    describe(window.Edit_Search, tr("Search"),
        tr("Shows only the records whose company, operator, note or record number contain "
           "this text"));
    describe(
        window.Check_From, tr("Shows only the records received on or after the date beside it"));
    describe(window.Date_From, tr("From date"), tr("First day of the records shown"));
    describe(
        window.Check_To, tr("Shows only the records received on or before the date beside it"));
    describe(window.Date_To, tr("To date"), tr("Last day of the records shown"));
    describe(window.Table_History, tr("Stored records"),
        tr("Every record received or opened before, newest first"));
    describe(window.Button_Open, tr("Lists the selected records in the window"));
    describe(window.Button_Close, tr("Closes the History window"));
}
