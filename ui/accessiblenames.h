// SPDX-License-Identifier: MIT
#ifndef LUMETRA_ACCESSIBLENAMES_H
#define LUMETRA_ACCESSIBLENAMES_H

#include <QCoreApplication>

class ConfigRun;
class HistoryWindow;
class JobsWindow;
class ListOfUID;

// What a screen reader says for each control: the field it edits and what it
// is for, in the user's language. Captions on screen are not tied to their
// fields (the pages place them by hand), so the fields are named here.
class AccessibleNames
{
    Q_DECLARE_TR_FUNCTIONS(AccessibleNames)
public:
    static void nameConnectionPanel(ConfigRun &panel);
    static void nameReportPage(ListOfUID &page);
    static void nameHistoryWindow(HistoryWindow &window);
    static void nameJobsWindow(JobsWindow &window);
};

#endif
