// SPDX-License-Identifier: MIT
#include "historywindow.h"

#include "accessiblenames.h"
#include "recordhistorymodel.h"
#include "recordstore.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

HistoryWindow::HistoryWindow(const StoreLocation &location, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , store(std::make_unique<RecordStore>(location))
{
    setWindowTitle(tr("History"));
    resize(760, 480);

    Edit_Search = new QLineEdit(this);
    Edit_Search->setObjectName(QStringLiteral("Edit_Search"));
    Edit_Search->setPlaceholderText(tr("Company, operator, note, record number..."));
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

    model = new RecordHistoryModel(this);
    Table_History = new QTableView(this);
    Table_History->setObjectName(QStringLiteral("Table_History"));
    Table_History->setModel(model);
    Table_History->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table_History->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Table_History->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table_History->verticalHeader()->hide();
    connect(model, &QAbstractItemModel::modelReset, this, &HistoryWindow::arrangeColumns);

    Label_Problem = new QLabel(this);
    Label_Problem->setObjectName(QStringLiteral("Label_Problem"));
    Label_Problem->setWordWrap(true);
    Label_Problem->hide();

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
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button_Open);
    buttons->addWidget(Button_Close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(Label_Problem);
    layout->addWidget(Table_History, 1);
    layout->addWidget(Label_Cut);
    layout->addLayout(buttons);
    AccessibleNames::nameHistoryWindow(*this);

    connect(Edit_Search, &QLineEdit::textChanged, this, &HistoryWindow::applyFilter);
    for (auto [check, date] : { std::pair { Check_From, Date_From }, { Check_To, Date_To } }) {
        connect(check, &QCheckBox::toggled, date, &QWidget::setEnabled);
        connect(check, &QCheckBox::toggled, this, &HistoryWindow::applyFilter);
        connect(date, &QDateEdit::dateChanged, this, &HistoryWindow::applyFilter);
    }
    connect(Button_Open, &QPushButton::clicked, this, &HistoryWindow::openSelected);
    connect(Button_Close, &QPushButton::clicked, this, &QWidget::close);
    connect(Table_History, &QTableView::doubleClicked, this, &HistoryWindow::openSelected);

    // A reader: whatever the store is, the window leaves it as it is.
    if (!store->open(RecordStore::Access::ReadOnly)) {
        showProblem(store->errorString());
        return;
    }
    applyFilter();
}

void HistoryWindow::arrangeColumns()
{
    if (model->columnCount() <= RecordHistoryModel::Verdict)
        return; // no query yet, or a failed one
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
    // The model and its query hold the connection: they go first.
    Table_History->setModel(nullptr);
    delete model;
}

void HistoryWindow::applyFilter()
{
    if (!store->isOpen())
        return;
    HistoryFilter filter;
    filter.search = Edit_Search->text();
    if (Check_From->isChecked())
        filter.fromMs = QDateTime(Date_From->date(), QTime(0, 0)).toMSecsSinceEpoch();
    if (Check_To->isChecked())
        filter.untilMs = QDateTime(Date_To->date().addDays(1), QTime(0, 0)).toMSecsSinceEpoch();
    if (!model->show(store->database(), filter))
        showProblem(model->lastError().text());
    showCut();
}

void HistoryWindow::refresh()
{
    if (store->isOpen() && !model->refresh())
        showProblem(model->lastError().text());
    showCut();
}

void HistoryWindow::showCut()
{
    Label_Cut->setVisible(model->isCut());
}

void HistoryWindow::showProblem(const QString &problem)
{
    Label_Problem->setText(tr("The records store cannot be read: %1").arg(problem));
    Label_Problem->show();
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
