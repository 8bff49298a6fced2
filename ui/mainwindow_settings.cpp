// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "listofuid.h"
#include "ownerfiles.h"

#include <QLineEdit>
#include <QSettings>
#include <utility>

namespace {
// The header fields kept between runs; the export time and the note are not.
const std::pair<const char *, QLineEdit * ListOfUID::*> companyFields[] = {
    { "name", &ListOfUID::Edit_Company },
    { "operator", &ListOfUID::Edit_Operator },
    { "test_device", &ListOfUID::Edit_TestDevice },
    { "test_date", &ListOfUID::Edit_TestDate },
    { "serialnumber", &ListOfUID::Edit_SerialNumber },
};
} // namespace

void MainWindow::readSettings()
{
    QSettings settings(QStringLiteral("Tavolin"), QStringLiteral("Lumetra"));
    settings.beginGroup(QStringLiteral("company"));
    for (const auto &[key, field] : companyFields)
        (reportWindow->*field)->setText(settings.value(QLatin1String(key)).toString());
    settings.endGroup();
}

void MainWindow::writeSettings()
{
    QSettings settings(QStringLiteral("Tavolin"), QStringLiteral("Lumetra"));
    // The remembered texts name the user's customers: the file is theirs alone.
    OwnerFiles::restrictSettingsFile(settings.fileName());
    settings.beginGroup(QStringLiteral("mainwindow"));
    settings.setValue(QStringLiteral("pos"), pos());
    settings.setValue(QStringLiteral("size"), size());
    settings.endGroup();

    if (reportWindow) {
        settings.beginGroup(QStringLiteral("company"));
        for (const auto &[key, field] : companyFields)
            settings.setValue(QLatin1String(key), (reportWindow->*field)->text());
        settings.endGroup();
    }
    settings.sync();
    OwnerFiles::restrictSettingsFile(settings.fileName());
}
