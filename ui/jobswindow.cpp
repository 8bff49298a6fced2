// SPDX-License-Identifier: MIT
#include "jobswindow.h"

#include "accessiblenames.h"
#include "dialoghost.h"
#include "jobboard.h"
#include "jobstatusmodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {
QTableView *tableOf(QWidget *parent, const char *name, JobStatusModel *model)
{
    auto *table = new QTableView(parent);
    table->setObjectName(QLatin1String(name));
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    // Rows as high as their text needs: many IDs in view.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

QPushButton *buttonOf(QWidget *parent, const char *name, const QString &text)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}
} // namespace

JobsWindow::JobsWindow(JobBoard &board, DialogHost &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , board(board)
    , dialogs(dialogs)
{
    setWindowTitle(tr("Jobs"));
    ids = new JobStatusModel(JobStatusModel::Rows::CableIds, this);
    unplanned = new JobStatusModel(JobStatusModel::Rows::Unplanned, this);

    Combo_Job = new QComboBox(this);
    Combo_Job->setObjectName(QStringLiteral("Combo_Job"));
    Combo_Job->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Combo_Job->setMinimumContentsLength(16);
    Button_NewJob = buttonOf(this, "Button_NewJob", tr("&New Job..."));
    Label_Active = new QLabel(this);
    Label_Active->setObjectName(QStringLiteral("Label_Active"));
    Button_Activate = buttonOf(this, "Button_Activate", tr("Make &Active"));
    Button_Deactivate = buttonOf(this, "Button_Deactivate", tr("&Deactivate"));
    Label_Counts = new QLabel(this);
    Label_Counts->setObjectName(QStringLiteral("Label_Counts"));
    Label_Problem = new QLabel(this);
    Label_Problem->setObjectName(QStringLiteral("Label_Problem"));
    Label_Problem->setWordWrap(true);
    Label_Problem->hide();
    Label_Reading = new QLabel(tr("Working on the records store…"), this);
    Label_Reading->setObjectName(QStringLiteral("Label_Reading"));
    Label_Reading->hide();
    Button_Close = buttonOf(this, "Button_Close", tr("&Close"));

    Tabs = new QTabWidget(this);
    Tabs->setObjectName(QStringLiteral("Tabs"));
    Tabs->addTab(buildFactsPage(), tr("&Job"));
    Tabs->addTab(buildAddingPage(), tr("Add &IDs"));
    Tabs->addTab(buildTextsPage(), tr("Header &Texts"));

    auto *top = new QHBoxLayout;
    auto *jobLabel = new QLabel(tr("Job:"), this);
    jobLabel->setBuddy(Combo_Job);
    top->addWidget(jobLabel);
    top->addWidget(Combo_Job);
    top->addWidget(Button_NewJob);
    top->addSpacing(12);
    top->addWidget(Label_Active, 1);
    top->addWidget(Button_Activate);
    top->addWidget(Button_Deactivate);
    auto *middle = new QHBoxLayout;
    middle->addWidget(buildIdList(), 1);
    middle->addWidget(Tabs);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(Label_Reading);
    bottom->addStretch(1);
    bottom->addWidget(Button_Close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Label_Counts);
    layout->addWidget(Label_Problem);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);
    AccessibleNames::nameJobsWindow(*this);
    Tabs->setMaximumWidth(qMax(Tabs->sizeHint().width(), 380));
    resize(sizeHint().expandedTo(QSize(1000, 640)).boundedTo(screen()->availableSize()));

    connect(&board, &JobBoard::jobsRead, this, &JobsWindow::jobsRead);
    connect(&board, &JobBoard::statusRead, this, &JobsWindow::statusRead);
    connect(&board, &JobBoard::changed, this, &JobsWindow::changed);
    connect(&board, &JobBoard::busyChanged, Label_Reading, &QWidget::setVisible);
    connect(Combo_Job, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
        ids->show({});
        unplanned->show({});
        Label_Counts->clear();
        if (!shownJob().isEmpty())
            this->board.readStatus(shownJob());
        updateButtons();
    });
    connect(Button_NewJob, &QPushButton::clicked, this, &JobsWindow::newJob);
    connect(Button_Activate, &QPushButton::clicked, this, [this] {
        const QStringList chosen = selectedIds();
        emit activeJobChosen(shownJob(), chosen.value(0));
    });
    connect(Button_Deactivate, &QPushButton::clicked, this,
        [this] { emit activeJobChosen(QString(), QString()); });
    connect(Button_Close, &QPushButton::clicked, this, &QWidget::close);
    showLogo();
    showActive(QString(), QString());
    refresh();
}

QWidget *JobsWindow::buildIdList()
{
    auto *list = new QWidget(this);
    Table_Ids = tableOf(list, "Table_Ids", ids);
    Table_Unplanned = tableOf(list, "Table_Unplanned", unplanned);
    Label_Unplanned = new QLabel(tr("Unplanned records:"), list);
    Label_Unplanned->setBuddy(Table_Unplanned);
    Button_Rename = buttonOf(list, "Button_Rename", tr("&Rename..."));
    Button_MoveUp = buttonOf(list, "Button_MoveUp", tr("Move &Up"));
    Button_MoveDown = buttonOf(list, "Button_MoveDown", tr("Move Do&wn"));
    Button_Remove = buttonOf(list, "Button_Remove", tr("Re&move"));
    Button_Retest = buttonOf(list, "Button_Retest", tr("Mark for Re&test"));
    Button_ClearRetest = buttonOf(list, "Button_ClearRetest", tr("C&lear Retest Mark"));
    Button_MoveRecord = buttonOf(list, "Button_MoveRecord", tr("Move Record t&o..."));
    Button_TakeBack = buttonOf(list, "Button_TakeBack", tr("Take &Back Record"));
    Button_AssignId = buttonOf(list, "Button_AssignId", tr("Assign &Cable ID..."));

    // Under the list, two rows: the window stays narrow enough for a laptop's screen.
    auto *idButtons = new QGridLayout;
    QPushButton *const buttons[] = { Button_Rename, Button_MoveUp, Button_MoveDown, Button_Remove,
        Button_Retest, Button_ClearRetest, Button_MoveRecord, Button_TakeBack };
    for (int i = 0; i < 8; ++i)
        idButtons->addWidget(buttons[i], i / 4, i % 4);
    auto *unplannedRow = new QHBoxLayout;
    unplannedRow->addWidget(Label_Unplanned, 1);
    unplannedRow->addWidget(Button_AssignId);
    auto *layout = new QVBoxLayout(list);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Table_Ids, 3);
    layout->addLayout(idButtons);
    layout->addLayout(unplannedRow);
    layout->addWidget(Table_Unplanned, 1);

    for (QTableView *table : { Table_Ids, Table_Unplanned })
        connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &JobsWindow::updateButtons);
    connect(Table_Ids, &QTableView::doubleClicked, this,
        [this](const QModelIndex &index) { openRow(index, false); });
    connect(Table_Unplanned, &QTableView::doubleClicked, this,
        [this](const QModelIndex &index) { openRow(index, true); });
    connect(Button_Rename, &QPushButton::clicked, this, &JobsWindow::rename);
    connect(Button_MoveUp, &QPushButton::clicked, this, [this] { move(-1); });
    connect(Button_MoveDown, &QPushButton::clicked, this, [this] { move(1); });
    connect(Button_Remove, &QPushButton::clicked, this, &JobsWindow::removeIds);
    connect(Button_Retest, &QPushButton::clicked, this, [this] { retest(true); });
    connect(Button_ClearRetest, &QPushButton::clicked, this, [this] { retest(false); });
    connect(Button_MoveRecord, &QPushButton::clicked, this, &JobsWindow::moveRecord);
    connect(Button_TakeBack, &QPushButton::clicked, this, &JobsWindow::takeBack);
    connect(Button_AssignId, &QPushButton::clicked, this, &JobsWindow::assignUnplanned);
    return list;
}

QWidget *JobsWindow::buildFactsPage()
{
    auto *page = new QWidget(this);
    const auto edit = [page](const char *name) {
        auto *field = new QLineEdit(page);
        field->setObjectName(QLatin1String(name));
        return field;
    };
    Edit_Customer = edit("Edit_Customer");
    Edit_Site = edit("Edit_Site");
    Edit_Contractor = edit("Edit_Contractor");
    Edit_Note = edit("Edit_Note");
    Button_SaveFacts = buttonOf(page, "Button_SaveFacts", tr("&Save Facts"));
    Label_Logo = new QLabel(page);
    Label_Logo->setObjectName(QStringLiteral("Label_Logo"));
    Button_ChooseLogo = buttonOf(page, "Button_ChooseLogo", tr("Choose Lo&go..."));
    Button_RemoveLogo = buttonOf(page, "Button_RemoveLogo", tr("Remo&ve Logo"));
    auto *logoButtons = new QHBoxLayout;
    logoButtons->addWidget(Button_ChooseLogo);
    logoButtons->addWidget(Button_RemoveLogo);
    logoButtons->addStretch(1);
    auto *form = new QFormLayout(page);
    form->addRow(tr("Customer:"), Edit_Customer);
    form->addRow(tr("Site:"), Edit_Site);
    form->addRow(tr("Contractor:"), Edit_Contractor);
    form->addRow(tr("Note:"), Edit_Note);
    form->addRow(QString(), Button_SaveFacts);
    form->addRow(tr("Logo:"), Label_Logo);
    form->addRow(QString(), logoButtons);
    connect(Button_SaveFacts, &QPushButton::clicked, this, &JobsWindow::saveFacts);
    connect(Button_ChooseLogo, &QPushButton::clicked, this, &JobsWindow::chooseLogo);
    connect(Button_RemoveLogo, &QPushButton::clicked, this, &JobsWindow::removeLogo);
    return page;
}

QWidget *JobsWindow::buildAddingPage()
{
    auto *page = new QWidget(this);
    Edit_NewIds = new QPlainTextEdit(page);
    Edit_NewIds->setObjectName(QStringLiteral("Edit_NewIds"));
    Edit_NewIds->setPlaceholderText(tr("One cable ID a line, typed or pasted"));
    Button_AddIds = buttonOf(page, "Button_AddIds", tr("Add at &End"));
    Button_InsertIds = buttonOf(page, "Button_InsertIds", tr("I&nsert Before Selected"));
    Edit_Pattern = new QLineEdit(page);
    Edit_Pattern->setObjectName(QStringLiteral("Edit_Pattern"));
    Edit_Pattern->setPlaceholderText(QStringLiteral("A{1..4}-B{01..12}"));
    Button_AddPattern = buttonOf(page, "Button_AddPattern", tr("Add from &Pattern"));
    Button_Import = buttonOf(page, "Button_Import", tr("Import from &File..."));
    auto *typed = new QHBoxLayout;
    typed->addWidget(Button_AddIds);
    typed->addWidget(Button_InsertIds);
    typed->addStretch(1);
    auto *pattern = new QHBoxLayout;
    pattern->addWidget(Edit_Pattern, 1);
    pattern->addWidget(Button_AddPattern);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(Edit_NewIds, 1);
    layout->addLayout(typed);
    auto *patternLabel = new QLabel(tr("Pattern:"), page);
    patternLabel->setBuddy(Edit_Pattern);
    layout->addWidget(patternLabel);
    layout->addLayout(pattern);
    layout->addWidget(Button_Import, 0, Qt::AlignLeft);
    connect(Button_AddIds, &QPushButton::clicked, this, [this] { addTyped(false); });
    connect(Button_InsertIds, &QPushButton::clicked, this, [this] { addTyped(true); });
    connect(Button_AddPattern, &QPushButton::clicked, this, &JobsWindow::addPattern);
    connect(Edit_Pattern, &QLineEdit::returnPressed, this, &JobsWindow::addPattern);
    connect(Button_Import, &QPushButton::clicked, this, &JobsWindow::importFile);
    return page;
}

QWidget *JobsWindow::buildTextsPage()
{
    auto *page = new QWidget(this);
    auto *grid = new QGridLayout(page);
    const QStringList captions = { tr("Company:"), tr("Operator:"), tr("Test Device:"),
        tr("Test Date:"), tr("Serial Number:"), tr("Note:") };
    for (int i = 0; i < captions.size(); ++i) {
        auto *check = new QCheckBox(captions.at(i), page);
        check->setObjectName(QStringLiteral("Check_Text%1").arg(i));
        auto *edit = new QLineEdit(page);
        edit->setObjectName(QStringLiteral("Edit_Text%1").arg(i));
        edit->setEnabled(false);
        connect(check, &QCheckBox::toggled, edit, &QWidget::setEnabled);
        connect(check, &QCheckBox::toggled, this, &JobsWindow::updateButtons);
        grid->addWidget(check, i, 0);
        grid->addWidget(edit, i, 1);
        Check_Texts << check;
        Edit_Texts << edit;
    }
    Button_TextsAll = buttonOf(page, "Button_TextsAll", tr("Set on &All Records"));
    Button_TextsChosen = buttonOf(page, "Button_TextsChosen", tr("Set on C&hosen Records"));
    auto *explained = new QLabel(
        tr("The checked texts are set on every record of the job, or on the records of the "
           "selected cable IDs and unplanned records; each record changed gets a new version."),
        page);
    explained->setWordWrap(true);
    grid->addWidget(explained, captions.size(), 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button_TextsAll);
    buttons->addWidget(Button_TextsChosen);
    buttons->addStretch(1);
    grid->addLayout(buttons, captions.size() + 1, 0, 1, 2);
    grid->setRowStretch(captions.size() + 2, 1);
    connect(Button_TextsAll, &QPushButton::clicked, this, [this] { setTexts(false); });
    connect(Button_TextsChosen, &QPushButton::clicked, this, [this] { setTexts(true); });
    return page;
}

QString JobsWindow::shownJob() const
{
    return Combo_Job->currentText();
}

void JobsWindow::showActive(const QString &job, const QString &startId)
{
    activeJob = job;
    activeStart = startId;
    if (job.isEmpty())
        Label_Active->setText(tr("No job is active: records arrive without cable IDs."));
    else if (startId.isEmpty())
        Label_Active->setText(tr("Active job: %1").arg(job));
    else
        Label_Active->setText(tr("Active job: %1, from %2").arg(job, startId));
    Label_Active->setToolTip(Label_Active->text());
    updateButtons();
}

void JobsWindow::refresh()
{
    board.readJobs();
    if (!shownJob().isEmpty())
        board.readStatus(shownJob());
}

void JobsWindow::jobsRead(const QVector<JobStore::Summary> &jobs, const QString &problem)
{
    Label_Problem->setText(tr("The records store cannot be read: %1").arg(problem));
    Label_Problem->setVisible(!problem.isEmpty());
    if (!problem.isEmpty())
        return;
    const QString shown = wantedJob.isEmpty() ? shownJob() : std::exchange(wantedJob, {});
    QStringList names;
    for (const JobStore::Summary &job : jobs)
        names << job.facts.name;
    QStringList listed;
    for (int i = 0; i < Combo_Job->count(); ++i)
        listed << Combo_Job->itemText(i);
    if (names == listed && shown == shownJob())
        return;
    const QSignalBlocker quiet(Combo_Job);
    Combo_Job->clear();
    Combo_Job->addItems(names);
    Combo_Job->setCurrentIndex(qMax(0, names.indexOf(shown.isEmpty() ? activeJob : shown)));
    ids->show({});
    unplanned->show({});
    if (!shownJob().isEmpty())
        board.readStatus(shownJob());
    updateButtons();
}

void JobsWindow::statusRead(const QString &job, const JobStatus &status, const QString &problem)
{
    if (job != shownJob())
        return;
    Label_Problem->setText(tr("The job cannot be read: %1").arg(problem));
    Label_Problem->setVisible(!problem.isEmpty());
    if (!problem.isEmpty())
        return;
    const QStringList keep = wantedSelection.isEmpty() ? selectedIds() : wantedSelection;
    wantedSelection.clear();
    ids->show(status);
    unplanned->show(status);
    Label_Counts->setText(status.countsText());
    // Every column in view: the window grows rather than the lists scroll sideways.
    for (QTableView *table : { Table_Ids, Table_Unplanned }) {
        table->resizeColumnsToContents();
        table->setMinimumWidth(table->horizontalHeader()->length()
            + table->verticalScrollBar()->sizeHint().width() + 2 * table->frameWidth());
    }
    // Facts being typed stay until they are saved or the job's change; a
    // new logo alone leaves them as typed.
    JobFacts sameLogo = status.facts;
    sameLogo.logo = facts.logo;
    sameLogo.logoFormat = facts.logoFormat;
    const bool textsChanged = facts != sameLogo;
    const bool logoChanged = facts.logo != status.facts.logo;
    facts = status.facts;
    if (textsChanged) {
        Edit_Customer->setText(facts.customer);
        Edit_Site->setText(facts.site);
        Edit_Contractor->setText(facts.contractor);
        Edit_Note->setText(facts.note);
    }
    if (logoChanged)
        showLogo();
    QItemSelectionModel *selection = Table_Ids->selectionModel();
    for (int row = 0; row < status.ids.size(); ++row) {
        if (keep.contains(status.ids.at(row).cableId))
            selection->select(
                ids->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    updateButtons();
}

void JobsWindow::changed(
    int ticket, const QString &job, bool done, const QString &problem, int records)
{
    if (!asked.remove(ticket))
        return; // the main window's
    if (!done) {
        wantedSelection.clear();
        dialogs.warning(
            this, QStringLiteral("Lumetra"), tr("The job could not be changed: %1").arg(problem));
        return;
    }
    if (ticket == textsTicket)
        dialogs.information(this, QStringLiteral("Lumetra"),
            tr("%n records of job %1 have the new texts.", nullptr, records).arg(job));
}

QVector<int> JobsWindow::selectedIdRows() const
{
    QVector<int> rows;
    for (const QModelIndex &index : Table_Ids->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

QStringList JobsWindow::selectedIds() const
{
    QStringList chosen;
    for (int row : selectedIdRows())
        chosen << ids->cableIdAt(row);
    return chosen;
}

// The latest records of the selected IDs, and the selected unplanned records.
QStringList JobsWindow::chosenKeys() const
{
    QStringList keys;
    for (int row : selectedIdRows()) {
        if (const JobStatus::Test *test = ids->testAt(row))
            keys << test->recordKey;
    }
    for (const QModelIndex &index : Table_Unplanned->selectionModel()->selectedRows()) {
        if (const JobStatus::Test *test = unplanned->testAt(index.row()))
            keys << test->recordKey;
    }
    return keys;
}

void JobsWindow::updateButtons()
{
    const bool job = !shownJob().isEmpty();
    const QVector<int> rows = selectedIdRows();
    bool tested = false, marked = false, unmarked = false;
    for (int row : rows) {
        const JobStatus::CableIdRow &id = ids->status().ids.at(row);
        tested = tested || id.state != JobStatus::State::Untested;
        marked = marked || id.retestMarked;
        unmarked = unmarked || (id.state != JobStatus::State::Untested && !id.retestMarked);
    }
    const bool oneTested = rows.size() == 1 && tested;
    bool anyText = false;
    for (const QCheckBox *check : qAsConst(Check_Texts))
        anyText = anyText || check->isChecked();
    for (QPushButton *widget : { Button_Activate, Button_SaveFacts, Button_ChooseLogo,
             Button_AddIds, Button_AddPattern, Button_Import })
        widget->setEnabled(job);
    Button_Deactivate->setEnabled(!activeJob.isEmpty());
    const bool factsRead = job && facts.name == shownJob();
    Button_ChooseLogo->setEnabled(factsRead);
    Button_RemoveLogo->setEnabled(factsRead && !facts.logo.isEmpty());
    Button_Rename->setEnabled(rows.size() == 1);
    Button_InsertIds->setEnabled(job && !rows.isEmpty());
    Button_MoveUp->setEnabled(!rows.isEmpty() && rows.first() > 0);
    Button_MoveDown->setEnabled(!rows.isEmpty() && rows.last() < ids->rowCount() - 1);
    Button_Remove->setEnabled(!rows.isEmpty());
    Button_Retest->setEnabled(unmarked);
    Button_ClearRetest->setEnabled(marked);
    Button_MoveRecord->setEnabled(oneTested);
    Button_TakeBack->setEnabled(oneTested);
    Button_AssignId->setEnabled(Table_Unplanned->selectionModel()->selectedRows().size() == 1);
    Button_TextsAll->setEnabled(job && anyText);
    Button_TextsChosen->setEnabled(job && anyText && !chosenKeys().isEmpty());
}

void JobsWindow::openRow(const QModelIndex &index, bool unplannedRow)
{
    const JobStatus::Test *test = (unplannedRow ? unplanned : ids)->testAt(index.row());
    if (test)
        emit openRequested({ test->recordKey });
}
