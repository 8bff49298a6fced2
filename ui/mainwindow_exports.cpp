// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "certificationreport.h"
#include "configrun.h"
#include "dialoghost.h"
#include "recordcsv.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QKeySequence>
#include <QListWidget>
#include <QUrl>

// The certification report for the customer and the CSV export for
// spreadsheets: every listed record, in list order, with its own header texts.

void MainWindow::createExportActions()
{
    certificationAct = new QAction(
        QIcon(QStringLiteral(":/images/print.png")), tr("&Certification Report..."), this);
    certificationAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    certificationAct->setStatusTip(tr("Write a certification report of all records"));
    connect(certificationAct, &QAction::triggered, this, &MainWindow::certificationReport);

    exportCsvAct
        = new QAction(QIcon(QStringLiteral(":/images/save.png")), tr("Export &CSV..."), this);
    exportCsvAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    exportCsvAct->setStatusTip(tr("Write all records to a CSV file for spreadsheets"));
    connect(exportCsvAct, &QAction::triggered, this, &MainWindow::exportCsv);
}

// The file to write, or nothing when there is nothing to write or the user cancelled.
QString MainWindow::askExportName(const QString &suggested, const QString &filter,
    const QString &suffix, const QString &nothingListed)
{
    itemSelectionChanged_onList(); // the edits on screen go into the file
    if (!recordViewsOpen())
        return QString();
    if (records().isEmpty()) {
        dialogs->warning(nullptr, appTitle, nothingListed);
        return QString();
    }
    QDir().mkpath(QStringLiteral("./reports"));
    const QString chosen = dialogs->getSaveFileName(
        this, tr("Select output file"), suggested + connectionPanel->fileTimeStamp, filter, suffix);
    return chosen.isEmpty() ? QString() : withDefaultSuffix(chosen, suffix);
}

void MainWindow::certificationReport()
{
    const QString name = askExportName(QStringLiteral("./reports/Certification_"),
        tr("PDF Files(*.pdf)"), QStringLiteral("pdf"), tr("No Records to Report!"));
    if (name.isEmpty())
        return;
    // Its own copy of the records: any that arrive while it is written wait for the next one.
    const CertificationReport report(records(), recordHeaders());
    const bool written = writeWithProgress(name, tr("Writing the certification report..."),
        [&](const ProgressStep &step, QString *why) { return report.write(name, step, why); });
    if (written)
        dialogs->openUrl(QUrl::fromLocalFile(QFileInfo(name).absoluteFilePath()));
}

void MainWindow::exportCsv()
{
    const QString name = askExportName(QStringLiteral("./reports/Records_"), tr("CSV Files(*.csv)"),
        QStringLiteral("csv"), tr("No Records to Export!"));
    if (name.isEmpty())
        return;
    const QVector<TestRecord> listed = records();
    const QVector<ReportHeaderTexts> texts = recordHeaders();
    const QVector<RecordCableId> ids = listedCableIds();
    writeWithProgress(name, tr("Writing %1...").arg(QFileInfo(name).fileName()),
        [&](const ProgressStep &step, QString *why) {
            return writeRecordCsvFile(name, listed, texts, step, why, ids);
        });
}
