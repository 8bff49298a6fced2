// SPDX-License-Identifier: MIT
#ifndef LUMETRA_HISTORYWINDOW_H
#define LUMETRA_HISTORYWINDOW_H

#include "storelocation.h"

#include <QStringList>
#include <QWidget>
#include <memory>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class RecordHistoryModel;
class RecordStore;

// Every stored record, newest first, with a text filter and a range of
// dates; Open hands the selected records to the window. Reads the store
// through a connection of its own.
class HistoryWindow : public QWidget
{
    Q_OBJECT
public:
    HistoryWindow(const StoreLocation &location, QWidget *parent);
    ~HistoryWindow() override;

    QLineEdit *Edit_Search;
    QCheckBox *Check_From;
    QDateEdit *Date_From;
    QCheckBox *Check_To;
    QDateEdit *Date_To;
    QTableView *Table_History;
    QLabel *Label_Problem;
    QLabel *Label_Cut;
    QPushButton *Button_Open;
    QPushButton *Button_Close;
    RecordHistoryModel *model;

public slots:
    void refresh(); // again, as the filter stands

signals:
    // Keys of the records to list, oldest first.
    void openRequested(const QStringList &keys);

private:
    void applyFilter();
    void arrangeColumns();
    void openSelected();
    void showProblem(const QString &problem);
    void showCut();

    std::unique_ptr<RecordStore> store;
};

#endif
