// SPDX-License-Identifier: MIT
// What the Jobs window changes: each through the board, in the background;
// what is wrong with the user's input is said at once and changes nothing.
#include "jobswindow.h"

#include "cableidimport.h"
#include "cableidlist.h"
#include "cableidpattern.h"
#include "dialoghost.h"
#include "jobboard.h"
#include "joblogo.h"
#include "jobstatusmodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>

namespace {
const QString title = QStringLiteral("Lumetra");
}

void JobsWindow::newJob()
{
    const QString typed = dialogs.getText(this, tr("New Job"), tr("Name of the job:"));
    if (typed.isNull())
        return;
    JobFacts created;
    created.name = normalizedJobName(typed);
    const QString problem = jobNameProblem(created.name);
    if (!problem.isEmpty()) {
        dialogs.warning(this, title, problem);
        return;
    }
    wantedJob = created.name;
    asked << board.createJob(created);
}

void JobsWindow::saveFacts()
{
    JobFacts edited = facts;
    edited.name = shownJob();
    edited.customer = Edit_Customer->text();
    edited.site = Edit_Site->text();
    edited.contractor = Edit_Contractor->text();
    edited.note = Edit_Note->text();
    asked << board.editJob(edited);
}

// The logo as the command line takes it, and only that changed of the facts as read.
void JobsWindow::chooseLogo()
{
    if (shownJob().isEmpty() || facts.name != shownJob())
        return; // the job shown is not read yet
    const QString name = dialogs.getOpenFileName(this, tr("Choose the Contractor's Logo"),
        QString(), tr("Pictures (*.png *.jpg *.jpeg)"), QString());
    if (name.isEmpty())
        return;
    JobFacts edited = facts;
    QString why;
    if (!JobLogo::read(name, &edited.logo, &edited.logoFormat, &why)) {
        dialogs.warning(this, title, tr("The logo is not taken: %1").arg(why));
        return;
    }
    edited.name = shownJob();
    asked << board.editJob(edited);
}

void JobsWindow::removeLogo()
{
    if (facts.name != shownJob())
        return;
    JobFacts edited = facts;
    edited.name = shownJob();
    edited.logo.clear();
    edited.logoFormat.clear();
    asked << board.editJob(edited);
}

void JobsWindow::showLogo()
{
    const QImage logo = JobLogo::image(facts.logo);
    if (logo.isNull()) {
        Label_Logo->setPixmap(QPixmap());
        Label_Logo->setText(tr("No logo"));
        Label_Logo->setToolTip(QString());
    } else {
        const int high = 3 * fontMetrics().height();
        Label_Logo->setPixmap(QPixmap::fromImage(
            logo.scaled(4 * high, high, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        Label_Logo->setToolTip(tr("Size in pixels: %1").arg(QStringLiteral("%1 × %2").arg(logo.width()).arg(logo.height())));
    }
    updateButtons();
}

void JobsWindow::addTyped(bool insert)
{
    const CableIdImport::Lines typed = CableIdImport::fromTypedText(Edit_NewIds->toPlainText());
    if (typed.texts.isEmpty())
        return;
    wantedSelection = selectedIds();
    if (insert)
        asked << board.insertCableIds(shownJob(), wantedSelection.value(0), typed.texts);
    else
        asked << board.addCableIds(shownJob(), typed.texts, typed.lines);
    Edit_NewIds->clear();
}

void JobsWindow::addPattern()
{
    if (shownJob().isEmpty() || Edit_Pattern->text().trimmed().isEmpty())
        return;
    QStringList made;
    QString problem;
    if (!CableIdPattern::expand(Edit_Pattern->text(), &made, &problem)) {
        dialogs.warning(this, title, problem);
        return;
    }
    asked << board.addCableIds(shownJob(), made, {});
    Edit_Pattern->clear();
}

void JobsWindow::importFile()
{
    const QString name = dialogs.getOpenFileName(this, tr("Import Cable IDs"), QString(),
        tr("Lists of cable IDs (*.txt *.csv *.tsv);;All Files (*)"), QString());
    if (name.isEmpty())
        return;
    QFile file(name);
    CableIdImport::Lines read;
    QString problem;
    if (!file.open(QIODevice::ReadOnly))
        problem = file.errorString();
    else if (file.size() > 64 * 1024 * 1024)
        problem = tr("the file is larger than any list of cable IDs");
    if (problem.isEmpty())
        CableIdImport::fromFile(file.readAll(), &read, &problem);
    if (!problem.isEmpty()) {
        dialogs.warning(
            this, title, tr("Cannot import %1:\n%2").arg(QFileInfo(name).fileName(), problem));
        return;
    }
    asked << board.addCableIds(shownJob(), read.texts, read.lines);
}

void JobsWindow::rename()
{
    const QString from = selectedIds().value(0);
    const QString to = dialogs.getText(this, tr("Rename Cable ID"),
        tr("New cable ID for %1 (its records follow):").arg(from), from);
    if (to.isNull() || to == from)
        return;
    wantedSelection = QStringList { CableIdList::normalized(to) };
    asked << board.renameCableId(shownJob(), from, CableIdList::normalized(to));
}

void JobsWindow::move(int by)
{
    QStringList order;
    for (const JobStatus::CableIdRow &row : ids->status().ids)
        order << row.cableId;
    const QVector<int> rows = selectedIdRows();
    // Each selected ID one place on, past the first unselected neighbour.
    QVector<int> walk = rows;
    if (by > 0)
        std::reverse(walk.begin(), walk.end());
    for (int row : qAsConst(walk)) {
        const int to = row + by;
        if (to < 0 || to >= order.size() || rows.contains(to))
            return;
        order.move(row, to);
    }
    wantedSelection = selectedIds();
    asked << board.reorderCableIds(shownJob(), order);
}

void JobsWindow::removeIds()
{
    const QStringList chosen = selectedIds();
    if (!dialogs.question(this, title,
            tr("Remove %n cable IDs from job %1?", nullptr, chosen.size()).arg(shownJob())))
        return;
    asked << board.removeCableIds(shownJob(), chosen);
}

void JobsWindow::retest(bool marked)
{
    QStringList chosen;
    for (int row : selectedIdRows()) {
        const JobStatus::CableIdRow &id = ids->status().ids.at(row);
        if (id.state != JobStatus::State::Untested && id.retestMarked != marked)
            chosen << id.cableId;
    }
    wantedSelection = selectedIds();
    asked << board.markRetest(shownJob(), chosen, marked);
}

// An ID of the job shown for a record: one without a record, or, unless
// untestedOnly, a tested one whose latest test the record becomes.
QString JobsWindow::askCableId(const QString &caption, bool untestedOnly)
{
    QStringList free, tested;
    for (const JobStatus::CableIdRow &row : ids->status().ids)
        (row.state == JobStatus::State::Untested ? free : tested) << row.cableId;
    const QStringList offered = untestedOnly ? free : free + tested;
    if (offered.isEmpty()) {
        dialogs.information(
            this, title, tr("Job %1 has no cable ID without a record.").arg(shownJob()));
        return QString();
    }
    return dialogs.getItem(this, caption,
        untestedOnly ? tr("Cable ID without a record:")
                     : tr("Cable ID (a tested one takes the record as its retest):"),
        offered);
}

void JobsWindow::moveRecord()
{
    const QVector<int> rows = selectedIdRows();
    const JobStatus::Test *test = rows.size() == 1 ? ids->testAt(rows.first()) : nullptr;
    if (!test)
        return;
    const QString key = test->recordKey;
    const QString to = askCableId(tr("Move Record"), true);
    if (to.isEmpty())
        return;
    wantedSelection = QStringList { to };
    asked << board.assign(shownJob(), key, JobStore::Assignment::Id, to);
}

void JobsWindow::takeBack()
{
    const QVector<int> rows = selectedIdRows();
    const JobStatus::Test *test = rows.size() == 1 ? ids->testAt(rows.first()) : nullptr;
    if (test)
        asked << board.assign(shownJob(), test->recordKey, JobStore::Assignment::None);
}

void JobsWindow::assignUnplanned()
{
    const QModelIndexList rows = Table_Unplanned->selectionModel()->selectedRows();
    const JobStatus::Test *test
        = rows.size() == 1 ? unplanned->testAt(rows.first().row()) : nullptr;
    if (!test)
        return;
    const QString key = test->recordKey;
    const QString to = askCableId(tr("Assign Cable ID"), false);
    if (to.isEmpty())
        return;
    bool tested = false;
    for (const JobStatus::CableIdRow &row : ids->status().ids)
        tested = tested || (row.cableId == to && row.state != JobStatus::State::Untested);
    wantedSelection = QStringList { to };
    asked << board.assign(
        shownJob(), key, tested ? JobStore::Assignment::Retest : JobStore::Assignment::Id, to);
}

void JobsWindow::setTexts(bool chosenOnly)
{
    JobStore::TextChange change;
    std::optional<QString> *fields[] = { &change.companyName, &change.operatorName,
        &change.testDevice, &change.testDate, &change.serialNumber, &change.note };
    for (int i = 0; i < Check_Texts.size(); ++i) {
        if (Check_Texts.at(i)->isChecked())
            *fields[i] = Edit_Texts.at(i)->text();
    }
    const QStringList only = chosenOnly ? chosenKeys() : QStringList();
    if (chosenOnly && only.isEmpty())
        return;
    textsTicket = board.setTexts(shownJob(), change, only);
    asked << textsTicket;
}
