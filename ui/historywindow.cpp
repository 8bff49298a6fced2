// SPDX-License-Identifier: MIT
#include "historywindow.h"

#include "accessiblenames.h"
#include "recordhistorymodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

HistoryWindow::HistoryWindow(RecordHistoryModel *model, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , model(model)
{
    model->setParent(this);
    setWindowTitle(tr("History"));
    resize(840, 480);

    Edit_Search = new QLineEdit(this);
    Edit_Search->setObjectName(QStringLiteral("Edit_Search"));
    Edit_Search->setPlaceholderText(tr("Company, operator, note, record number..."));
    Combo_Job = new QComboBox(this);
    Combo_Job->setObjectName(QStringLiteral("Combo_Job"));
    Combo_Job->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Combo_Job->addItem(tr("All jobs"));
    const auto makeDate = [this](const char *name) {
        auto *date = new QDateEdit(QDate::currentDate(), this);
        date->setObjectName(QLatin1String(name));
        date->setCalendarPopup(true);
        date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        date->setEnabled(false);
        return date;
    };
    Check_From = new QCheckBox(tr("From:"), this);
    Date_From = makeDate("Date_From");
    Check_To = new QCheckBox(tr("To:"), this);
    Date_To = makeDate("Date_To");

    Table_History = new QTableView(this);
    Table_History->setObjectName(QStringLiteral("Table_History"));
    Table_History->setModel(model);
    Table_History->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table_History->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Table_History->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table_History->verticalHeader()->hide();
    arrangeColumns();
    connect(model, &QAbstractItemModel::modelReset, this, &HistoryWindow::arrangeColumns);
    connect(model, &RecordHistoryModel::readingChanged, this, &HistoryWindow::showRead);

    Label_Problem = new QLabel(this);
    Label_Problem->setObjectName(QStringLiteral("Label_Problem"));
    Label_Problem->setWordWrap(true);
    Label_Problem->hide();
    Label_Reading = new QLabel(tr("Reading the records store…"), this);
    Label_Reading->setObjectName(QStringLiteral("Label_Reading"));
    Label_Reading->hide();

    Label_Cut = new QLabel(
        tr("The newest %L1 records that match are shown: narrow the search or the dates to "
           "find older ones.")
            .arg(RecordHistoryModel::rowLimit),
        this);
    Label_Cut->setObjectName(QStringLiteral("Label_Cut"));
    Label_Cut->hide();

    Button_Open = new QPushButton(tr("&Open"), this);
    Button_Open->setDefault(true);
    Button_Close = new QPushButton(tr("&Close"), this);

    auto *filters = new QHBoxLayout;
    filters->addWidget(new QLabel(tr("Search:"), this));
    filters->addWidget(Edit_Search, 1);
    filters->addWidget(Check_From);
    filters->addWidget(Date_From);
    filters->addWidget(Check_To);
    filters->addWidget(Date_To);
    auto *jobFilter = new QHBoxLayout;
    auto *jobLabel = new QLabel(tr("Job:"), this);
    jobLabel->setBuddy(Combo_Job);
    jobFilter->addWidget(jobLabel);
    jobFilter->addWidget(Combo_Job);
    jobFilter->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button_Open);
    buttons->addWidget(Button_Close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addLayout(jobFilter);
    layout->addWidget(Label_Problem);
    layout->addWidget(Table_History, 1);
    layout->addWidget(Label_Cut);
    layout->addWidget(Label_Reading);
    layout->addLayout(buttons);
    AccessibleNames::nameHistoryWindow(*this);

    connect(Edit_Search, &QLineEdit::textChanged, this, &HistoryWindow::applyFilter);
    connect(Combo_Job, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
        &HistoryWindow::applyFilter);
    for (auto [check, date] : { std::pair { Check_From, Date_From }, { Check_To, Date_To } }) {
        connect(check, &QCheckBox::toggled, date, &QWidget::setEnabled);
        connect(check, &QCheckBox::toggled, this, &HistoryWindow::applyFilter);
        connect(date, &QDateEdit::dateChanged, this, &HistoryWindow::applyFilter);
    }
    connect(Button_Open, &QPushButton::clicked, this, &HistoryWindow::openSelected);
    connect(Button_Close, &QPushButton::clicked, this, &QWidget::close);
    connect(Table_History, &QTableView::doubleClicked, this, &HistoryWindow::openSelected);

    applyFilter();
}

void HistoryWindow::arrangeColumns()
{
    Table_History->hideColumn(RecordHistoryModel::Key);
    // The typed texts share what room there is, so that the verdict at the
    // end is always in view; their tips show them whole.
    QHeaderView *header = Table_History->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (const int column : { RecordHistoryModel::Company, RecordHistoryModel::Operator,
             RecordHistoryModel::SerialNumber })
        header->setSectionResizeMode(column, QHeaderView::Stretch);
}

HistoryWindow::~HistoryWindow()
{
    Table_History->setModel(nullptr);
    model->release();
}

void HistoryWindow::applyFilter()
{
    HistoryFilter filter;
    filter.search = Edit_Search->text();
    if (Combo_Job->currentIndex() > 0)
        filter.job = Combo_Job->currentText();
    if (Check_From->isChecked())
        filter.fromMs = QDateTime(Date_From->date(), QTime(0, 0)).toMSecsSinceEpoch();
    if (Check_To->isChecked())
        filter.untilMs = QDateTime(Date_To->date().addDays(1), QTime(0, 0)).toMSecsSinceEpoch();
    model->show(filter);
}

void HistoryWindow::refresh()
{
    model->refresh();
}

void HistoryWindow::showRead(bool reading)
{
    Label_Reading->setVisible(reading);
    if (reading)
        return;
    Label_Problem->setText(tr("The records store cannot be read: %1").arg(model->problem()));
    Label_Problem->setVisible(!model->problem().isEmpty());
    Label_Cut->setVisible(model->isCut());
    listJobs();
}

// The jobs as the store has them, the one chosen kept.
void HistoryWindow::listJobs()
{
    QStringList listed;
    for (int i = 1; i < Combo_Job->count(); ++i)
        listed << Combo_Job->itemText(i);
    if (!model->problem().isEmpty() || listed == model->jobNames())
        return;
    const QString chosen = Combo_Job->currentIndex() > 0 ? Combo_Job->currentText() : QString();
    const QSignalBlocker quiet(Combo_Job);
    while (Combo_Job->count() > 1)
        Combo_Job->removeItem(1);
    Combo_Job->addItems(model->jobNames());
    Combo_Job->setCurrentIndex(qMax(0, Combo_Job->findText(chosen)));
}

void HistoryWindow::openSelected()
{
    QModelIndexList rows = Table_History->selectionModel()->selectedRows();
    // Newest first on screen; listed in the order they came.
    std::sort(rows.begin(), rows.end(),
        [](const QModelIndex &a, const QModelIndex &b) { return a.row() > b.row(); });
    QStringList keys;
    for (const QModelIndex &row : qAsConst(rows))
        keys << model->keyAt(row.row());
    if (!keys.isEmpty())
        emit openRequested(keys);
}
