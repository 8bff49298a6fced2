// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "busycursor.h"
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
    if (records.isEmpty()) {
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
    const CertificationReport report(records, recordHeaders);
    QString why;
    WriteOutcome outcome = WriteOutcome::Failed;
    {
        const BusyCursor busy;
        const std::unique_ptr<ProgressIndicator> progress
            = dialogs->progress(this, tr("Writing the certification report..."));
        outcome = report.write(
            name, [&](int done, int total) { return progress->step(done, total); }, &why);
    }
    if (outcome == WriteOutcome::Failed)
        dialogs->warning(this, appTitle, tr("Cannot write file %1:\n%2.").arg(name, why));
    else if (outcome == WriteOutcome::Written)
        dialogs->openUrl(QUrl::fromLocalFile(QFileInfo(name).absoluteFilePath()));
}

void MainWindow::exportCsv()
{
    const QString name = askExportName(QStringLiteral("./reports/Records_"), tr("CSV Files(*.csv)"),
        QStringLiteral("csv"), tr("No Records to Export!"));
    if (name.isEmpty())
        return;
    const QVector<TestRecord> listed = records;
    const QVector<ReportHeaderTexts> texts = recordHeaders;
    QString why;
    WriteOutcome outcome = WriteOutcome::Failed;
    {
        const BusyCursor busy;
        const std::unique_ptr<ProgressIndicator> progress
            = dialogs->progress(this, tr("Writing %1...").arg(QFileInfo(name).fileName()));
        outcome = writeRecordCsvFile(
            name, listed, texts, [&](int done, int total) { return progress->step(done, total); },
            &why);
    }
    if (outcome == WriteOutcome::Failed)
        dialogs->warning(this, appTitle, tr("Cannot write file %1:\n%2.").arg(name, why));
}
