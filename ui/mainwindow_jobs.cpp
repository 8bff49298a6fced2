// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "configrun.h"
#include "dialoghost.h"
#include "downloadsession.h"
#include "jobboard.h"
#include "jobswindow.h"
#include "listofuid.h"
#include "ownerfiles.h"
#include "recordlistdelegate.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>

// Jobs and cable IDs: the job the window's arrivals join, the Jobs window,
// the cable IDs of the record list and of the report page, and what the user
// does with a listed record's ID. The store answers in the background.

namespace {
const QString activeJobKey = QStringLiteral("jobs/active");
const QString startIdKey = QStringLiteral("jobs/start_id");
// How long the line says that records arrived without an ID.
constexpr int unplannedShownMs = 10000;
} // namespace

void MainWindow::createJobActions()
{
    // The record list's: its context menu shows them.
    QListWidget *list = connectionPanel->List_Records;
    assignCableIdAct = new QAction(tr("&Assign Cable ID..."), list);
    assignCableIdAct->setStatusTip(tr("Give the selected record a cable ID of its job"));
    connect(assignCableIdAct, &QAction::triggered, this, &MainWindow::assignCurrentRecord);
    takeBackCableIdAct = new QAction(tr("&Take Back Cable ID"), list);
    takeBackCableIdAct->setStatusTip(
        tr("Keep the selected record in its job without its cable ID"));
    connect(takeBackCableIdAct, &QAction::triggered, this, &MainWindow::takeBackCurrentRecord);
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
    list->addAction(assignCableIdAct);
    list->addAction(takeBackCableIdAct);
}

void MainWindow::startJobs()
{
    createJobActions();
    jobBoard = new JobBoard(session->location(), this);
    connect(jobBoard, &JobBoard::changed, this,
        [this](int ticket, const QString &, bool done, const QString &problem, int) {
            const bool asked = recordMenuTickets.remove(ticket);
            if (done) {
                keepTextsOnScreen(); // typed here: newer than the change
                session->refreshFromStore();
            } else if (asked)
                dialogs->warning(
                    this, appTitle, tr("The cable ID could not be changed: %1").arg(problem));
        });
    connect(session, &DownloadSession::cableIdsChanged, this, &MainWindow::showCableIds);
    // A job's texts set in the Jobs window: the record shown shows them.
    connect(session, &DownloadSession::headersChanged, this, [this] {
        const int shown = recordViewsOpen() ? listedRow(connectionPanel->displayedItem) : -1;
        if (shown >= 0)
            showHeaderTexts(session->entries().at(shown).headers);
    });
    connect(
        session, &DownloadSession::arrivedUnplanned, this, [this](int count, const QString &job) {
            if (!storeKeeping)
                return;
            showStoreActivity(
                tr("%n records arrived unplanned: job %1 has no cable ID left without a record",
                    nullptr, count)
                    .arg(job));
            storeStateShown->start(unplannedShownMs);
            jobNoticeShown = true;
        });
    connect(session, &DownloadSession::jobMissing, this, [this](const QString &job) {
        if (job == activeJob())
            setActiveJob(QString());
        showStoreActivity(
            tr("The job %1 is not in the records store: records arrive without cable IDs")
                .arg(job));
        storeStateShown->start(unplannedShownMs);
        jobNoticeShown = true;
    });

    QListWidget *list = connectionPanel->List_Records;
    list->setItemDelegate(new RecordListDelegate(list));
    connect(list, &QListWidget::currentRowChanged, this, &MainWindow::updateCableIdActions);
    updateCableIdActions();

    const QSettings settings(QStringLiteral("Tavolin"), QStringLiteral("Lumetra"));
    setActiveJob(settings.value(activeJobKey).toString(), settings.value(startIdKey).toString());
}

QString MainWindow::activeJob() const
{
    return session->activeJob();
}

QString MainWindow::activeStartId() const
{
    return session->activeStartId();
}

void MainWindow::setActiveJob(const QString &job, const QString &startId)
{
    session->setActiveJob(job, startId);
    QSettings settings(QStringLiteral("Tavolin"), QStringLiteral("Lumetra"));
    if (job.isEmpty()) {
        settings.remove(activeJobKey);
        settings.remove(startIdKey);
    } else {
        settings.setValue(activeJobKey, job);
        settings.setValue(startIdKey, activeStartId());
        settings.sync();
        OwnerFiles::restrictSettingsFile(settings.fileName()); // it names a customer's job
    }
    if (!activeJobLabel) {
        activeJobLabel = new QLabel(statusBar());
        activeJobLabel->setObjectName(QStringLiteral("Label_ActiveJob"));
        activeJobLabel->setMaximumHeight(activeJobLabel->fontMetrics().height()); // as the store's
        statusBar()->addPermanentWidget(activeJobLabel);
    }
    const QString text = tr("Job: %1").arg(job);
    activeJobLabel->setMaximumWidth(width() / 4);
    activeJobLabel->setText(QFontMetrics(activeJobLabel->font())
                                .elidedText(text, Qt::ElideRight, activeJobLabel->maximumWidth()));
    activeJobLabel->setToolTip(activeStartId().isEmpty()
            ? tr("Records received take the cable IDs of job %1").arg(job)
            : tr("Records received take the cable IDs of job %1, from %2")
                  .arg(job, activeStartId()));
    activeJobLabel->setVisible(!job.isEmpty());
    if (jobsWindow)
        jobsWindow->showActive(job, activeStartId());
    updateCableIdActions();
    emit activeJobChanged(job, activeStartId());
}

void MainWindow::showJobs()
{
    if (!jobsWindow) {
        jobsWindow = new JobsWindow(*jobBoard, *dialogs, this);
        jobsWindow->setAttribute(Qt::WA_DeleteOnClose);
        jobsWindow->showActive(activeJob(), activeStartId());
        connect(jobsWindow, &JobsWindow::openRequested, session, &DownloadSession::openFromHistory);
        connect(jobsWindow, &JobsWindow::activeJobChosen, this, &MainWindow::setActiveJob);
        connect(session, &DownloadSession::recordsWritten, jobsWindow, &JobsWindow::refresh);
    }
    jobsWindow->show();
    jobsWindow->raise();
    jobsWindow->activateWindow();
}

void MainWindow::markCableId(QListWidgetItem *entry, const SessionEntry &listed) const
{
    entry->setData(RecordListDelegate::CableIdRole, listed.cableId);
    entry->setData(RecordListDelegate::IdPendingRole, listed.idPending);
    const QString id = listed.idPending ? tr("ID pending") : listed.cableId;
    // A screen reader reads what is drawn.
    entry->setData(Qt::AccessibleTextRole,
        id.isEmpty() ? QVariant() : QVariant(listed.numberText + QLatin1Char(' ') + id));
}

void MainWindow::showCableIds()
{
    if (!recordViewsOpen())
        return;
    QListWidget *list = connectionPanel->List_Records;
    const QVector<SessionEntry> &entries = session->entries();
    for (int row = 0; row < list->count() && row < entries.size(); ++row)
        markCableId(list->item(row), entries.at(row));
    const int shown = listedRow(connectionPanel->displayedItem);
    if (shown >= 0)
        reportWindow->showCableId(entries.at(shown).cableId, entries.at(shown).idPending);
    updateCableIdActions();
}

// The record list's current entry, and the job its ID comes from.
bool MainWindow::currentEntry(SessionEntry *entry, QString *job) const
{
    if (!recordViewsOpen())
        return false;
    const int row = listedRow(connectionPanel->List_Records->currentItem());
    if (row < 0)
        return false;
    *entry = session->entries().at(row);
    *job = entry->job.isEmpty() ? activeJob() : entry->job;
    return true;
}

void MainWindow::updateCableIdActions()
{
    SessionEntry entry;
    QString job;
    const bool listed = currentEntry(&entry, &job) && !entry.idPending;
    assignCableIdAct->setEnabled(listed && !job.isEmpty());
    takeBackCableIdAct->setEnabled(listed && !entry.cableId.isEmpty());
}

// Asked once the job's IDs are read: one without a record, or a tested one
// whose retest the record becomes.
void MainWindow::assignCurrentRecord()
{
    SessionEntry entry;
    QString job;
    if (!currentEntry(&entry, &job) || job.isEmpty())
        return;
    const QString key = StoredRecord::keyOf(entry.record);
    auto *once = new QObject(this);
    connect(jobBoard, &JobBoard::statusRead, once,
        [this, once, key, job, entry](
            const QString &read, const JobStatus &status, const QString &problem) {
            if (read != job)
                return;
            once->deleteLater();
            if (!problem.isEmpty()) {
                dialogs->warning(this, appTitle, tr("The job cannot be read: %1").arg(problem));
                return;
            }
            QStringList free, tested;
            for (const JobStatus::CableIdRow &row : status.ids)
                (row.state == JobStatus::State::Untested ? free : tested) << row.cableId;
            tested.removeAll(entry.cableId);
            const QString to = dialogs->getItem(this, tr("Assign Cable ID"),
                tr("Cable ID of job %1 for record %2 (a tested one takes it as its retest):")
                    .arg(job, entry.numberText),
                free + tested, free.value(0));
            if (to.isEmpty())
                return;
            recordMenuTickets << jobBoard->assign(job, key,
                tested.contains(to) ? JobStore::Assignment::Retest : JobStore::Assignment::Id, to);
        });
    jobBoard->readStatus(job);
}

void MainWindow::takeBackCurrentRecord()
{
    SessionEntry entry;
    QString job;
    if (currentEntry(&entry, &job) && !entry.cableId.isEmpty())
        recordMenuTickets << jobBoard->assign(
            entry.job, StoredRecord::keyOf(entry.record), JobStore::Assignment::None);
}

// The job an archive of the list carries: the active one when a listed
// record has an ID of it, else the first listed record's with an ID. Its
// facts and IDs as last read; records of other jobs go without theirs.
bool MainWindow::archiveJobOfList(ArchiveJob *job, int *otherJobs) const
{
    *otherJobs = 0;
    const QVector<SessionEntry> &entries = session->entries();
    QString name;
    for (const SessionEntry &entry : entries) {
        if (entry.cableId.isEmpty())
            continue;
        if (name.isEmpty() || entry.job == activeJob())
            name = entry.job;
    }
    if (name.isEmpty())
        return false;
    if (!session->jobPlan(name, job)) {
        *job = ArchiveJob();
        job->facts.name = name;
    }
    job->recordIds.clear();
    for (const SessionEntry &entry : entries) {
        const bool ours = entry.job == name && !entry.cableId.isEmpty();
        job->recordIds << (ours ? entry.cableId : QString());
        *otherJobs += !ours && !entry.cableId.isEmpty() ? 1 : 0;
        // An ID the plan read before it was renamed or added.
        if (ours && !job->cableIds.contains(entry.cableId))
            job->cableIds << entry.cableId;
    }
    return true;
}

QVector<RecordCableId> MainWindow::listedCableIds() const
{
    QVector<RecordCableId> ids;
    for (const SessionEntry &entry : session->entries())
        ids.append({ entry.job.isEmpty() ? QString() : entry.job,
            entry.cableId.isEmpty() ? QString() : entry.cableId });
    return ids;
}
