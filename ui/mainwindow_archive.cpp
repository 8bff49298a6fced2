// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "busycursor.h"
#include "configrun.h"
#include "dialoghost.h"
#include "downloadsession.h"
#include "recordarchive.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>

// Saving the record collection to an archive file and loading one.

// What a file dialog does for a typed name; also done here, since not every
// platform dialog does it.
QString MainWindow::withDefaultSuffix(const QString &name, const QString &suffix)
{
    if (!QFileInfo(name).suffix().isEmpty())
        return name;
    return name + QLatin1Char('.') + suffix;
}

bool MainWindow::saveFile()
{
    itemSelectionChanged_onList(); // the edits on screen go into the file
    if (!recordViewsOpen())
        return false;
    if (connectionPanel->List_Records->count() < 1) {
        dialogs->warning(nullptr, appTitle, tr(" No Records to Save! "));
        return false;
    }
    QDir().mkpath(QStringLiteral("./records"));
    const QString chosen = dialogs->getSaveFileName(this, tr("Save Records"),
        QStringLiteral("./records/Record_") + connectionPanel->fileTimeStamp,
        tr("MRF Files(*.mrf)"), QStringLiteral("mrf"));
    if (chosen.isEmpty())
        return false;
    const QString name = withDefaultSuffix(chosen, QStringLiteral("mrf"));
    QString why;
    bool saved = false;
    // Records with cable IDs carry their job; an archive without is what it always was.
    ArchiveJob job;
    int otherJobs = 0;
    const bool withJob = archiveJobOfList(&job, &otherJobs);
    {
        const BusyCursor busy;
        saved
            = RecordArchive::save(name, records(), recordHeaders(), &why, withJob ? &job : nullptr);
    }
    if (!saved) {
        dialogs->warning(this, appTitle, tr("Cannot write file %1:\n%2.").arg(name, why));
        return false;
    }
    session->keepSaved(name);
    rememberRecent(name);
    if (otherJobs > 0)
        dialogs->information(this, appTitle,
            tr("The archive carries the cable IDs of job %1 only: %n records of other jobs are "
               "saved without theirs.",
                nullptr, otherJobs)
                .arg(job.facts.name));
    return true;
}

bool MainWindow::loadFile()
{
    itemSelectionChanged_onList();
    loadedRecords.clear();
    loadedHeaders.clear();
    QDir().mkpath(QStringLiteral("./records"));
    // No default suffix: it would turn the exact name of a file without ".mrf" into one
    // that does not exist.
    const QString name = dialogs->getOpenFileName(
        this, tr("Open Records"), QStringLiteral("./records/"), tr("MRF Files(*.mrf)"), QString());
    if (name.isEmpty())
        return false;
    return openArchive(name);
}

bool MainWindow::openArchive(const QString &name)
{
    RecordArchive::ReadResult archive;
    {
        const BusyCursor busy;
        const std::unique_ptr<ProgressIndicator> progress
            = dialogs->progress(this, tr("Opening %1...").arg(QFileInfo(name).fileName()));
        archive = RecordArchive::load(
            name, [&](int done, int total) { return progress->step(done, total); });
    }
    switch (archive.status) {
    case RecordArchive::ReadStatus::Ok:
        break;
    case RecordArchive::ReadStatus::Cancelled:
        return false;
    case RecordArchive::ReadStatus::CannotOpen:
        dialogs->warning(
            this, appTitle, tr("Cannot read file %1:\n%2.").arg(name, archive.errorString));
        return false;
    case RecordArchive::ReadStatus::NotAnArchive:
    case RecordArchive::ReadStatus::Corrupt:
        qWarning().noquote() << name + QStringLiteral(": ") + archive.errorString;
        dialogs->warning(nullptr, appTitle, tr("File Format Not Valid"));
        return false;
    }
    loadedRecords = std::move(archive.records);
    loadedHeaders = std::move(archive.headers);
    session->keepOpened(
        name, loadedRecords, loadedHeaders, archive.hasJob ? &archive.job : nullptr);
    rememberRecent(name);
    on_file_open();
    if (!archive.jobProblem.isEmpty()) {
        qWarning().noquote() << name + QStringLiteral(": ") + archive.jobProblem;
        dialogs->warning(this, appTitle,
            tr("The archive's job could not be read; its records are opened without their "
               "cable IDs."));
    }
    return true;
}
