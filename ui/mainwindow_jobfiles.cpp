// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "archiveprobe.h"
#include "dialoghost.h"
#include "downloadsession.h"
#include "jobfiletask.h"
#include "safefilename.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

// The active job's report and workbook, read from the store and drawn in the
// background while a progress dialog can cancel them.

void MainWindow::createJobFileActions()
{
    jobReportAct
        = new QAction(QIcon(QStringLiteral(":/images/print.png")), tr("&Job Report..."), this);
    connect(jobReportAct, &QAction::triggered, this,
        [this] { writeJobFile(JobFileTask::Kind::Report); });
    jobWorkbookAct = new QAction(tr("Job &Workbook..."), this);
    connect(jobWorkbookAct, &QAction::triggered, this,
        [this] { writeJobFile(JobFileTask::Kind::Workbook); });
    connect(this, &MainWindow::activeJobChanged, this, &MainWindow::updateJobFileActions);
}

void MainWindow::updateJobFileActions()
{
    const bool job = !activeJob().isEmpty();
    jobReportAct->setEnabled(job && !jobFileTask);
    jobWorkbookAct->setEnabled(job && !jobFileTask);
    // What the menu's line says of an entry that cannot be chosen.
    const QString none = tr("Make a job active in Records > Jobs first");
    jobReportAct->setStatusTip(
        job ? tr("Write the report of the active job for its customer") : none);
    jobWorkbookAct->setStatusTip(
        job ? tr("Write the figures of the active job to an Excel workbook") : none);
}

void MainWindow::writeJobFile(JobFileTask::Kind kind)
{
    const QString job = activeJob();
    if (job.isEmpty() || jobFileTask)
        return;
    const bool report = kind == JobFileTask::Kind::Report;
    const QString suffix = report ? QStringLiteral("pdf") : QStringLiteral("xlsx");
    QDir().mkpath(QStringLiteral("./reports"));
    const QString chosen = dialogs->getSaveFileName(this, tr("Select output file"),
        QStringLiteral("./reports/") + safeFileName(job) + QLatin1Char('.') + suffix,
        report ? tr("PDF Files(*.pdf)") : tr("Excel Workbooks (*.xlsx)"), suffix);
    if (chosen.isEmpty())
        return;
    const QString name = withDefaultSuffix(chosen, suffix);
    if (isLumetraArchive(name)) {
        dialogs->warning(this, appTitle,
            tr("%1 is a record archive; it is not overwritten. Choose another file.").arg(name));
        return;
    }
    keepTextsOnScreen(); // the texts typed go into the file
    jobFileTask = new JobFileTask(session->location(), kind, job, name,
        dialogs->progress(
            this, report ? tr("Writing the job report...") : tr("Writing the job workbook...")),
        this);
    connect(jobFileTask, &JobFileTask::finished, this,
        [this, report, name](WriteOutcome outcome, const QString &why, int cut) {
            jobFileTask->deleteLater();
            jobFileTask = nullptr;
            updateJobFileActions();
            if (outcome == WriteOutcome::Failed)
                dialogs->warning(this, appTitle, tr("Cannot write file %1:\n%2.").arg(name, why));
            else if (outcome == WriteOutcome::Written && report)
                dialogs->openUrl(QUrl::fromLocalFile(QFileInfo(name).absoluteFilePath()));
            else if (outcome == WriteOutcome::Written)
                dialogs->information(this, appTitle,
                    tr("The workbook %1 is written.").arg(QDir::toNativeSeparators(name))
                        + (cut ? QLatin1Char('\n')
                                    + tr("%n header texts were cut to the 32,767 characters a "
                                         "cell holds.",
                                        nullptr, cut)
                               : QString()));
        });
    updateJobFileActions();
}
