// SPDX-License-Identifier: MIT
#include "accessiblenames.h"

#include "configrun.h"
#include "historywindow.h"
#include "jobswindow.h"
#include "listofuid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
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
    label(page.Label_CableId, page.Edit_CableId, tr("Cable ID"),
        tr("The label of the trunk the record measured, as its job names it"));
    describe(page.remoteDevices, tr("Fibers"),
        tr("Wavelength, power, loss, threshold and verdict of each fiber"));
}

void AccessibleNames::nameHistoryWindow(HistoryWindow &window)
{
    describe(window.Edit_Search, tr("Search"),
        tr("Shows only the records whose company, operator, note, record number or cable ID "
           "contain this text"));
    describe(window.Combo_Job, tr("Job"), tr("Shows only the records of this job"));
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

void AccessibleNames::nameJobsWindow(JobsWindow &window)
{
    describe(window.Combo_Job, tr("Job"), tr("The job shown, of the jobs of the records store"));
    describe(window.Table_Ids, tr("Cable IDs"),
        tr("The job's cable IDs in order, each with its state, record, when it was tested and "
           "its smallest margin"));
    describe(window.Table_Unplanned, tr("Unplanned records"),
        tr("Records of the job that arrived when no cable ID was free"));
    describe(window.Edit_Customer, tr("Customer"), tr("The job's customer"));
    describe(window.Edit_Site, tr("Site"), tr("Where the job is"));
    describe(window.Edit_Contractor, tr("Contractor"), tr("Who does the job"));
    describe(window.Edit_Note, tr("Note"), tr("A note on the job"));
    describe(window.Label_Logo, tr("Logo"),
        tr("The contractor's logo, shown on page 1 of the job report"));
    describe(window.Edit_NewIds, tr("New cable IDs"), tr("Cable IDs to add, one a line"));
    describe(window.Edit_Pattern, tr("Pattern"),
        tr("Cable IDs to add as a pattern, ranges in braces, for example A{1..4}-B{01..12}"));
    const QStringList texts = { tr("Company"), tr("Operator"), tr("Test device"), tr("Test date"),
        tr("Serial number"), tr("Note") };
    for (int i = 0; i < window.Edit_Texts.size(); ++i)
        describe(window.Edit_Texts.at(i), texts.value(i),
            tr("The text set on the records when its box is checked"));
    describe(window.Button_Activate,
        tr("Records received from now on take this job's cable IDs, from the selected one on"));
    describe(window.Button_Close, tr("Closes the Jobs window"));
}
