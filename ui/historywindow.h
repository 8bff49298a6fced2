// SPDX-License-Identifier: MIT
#ifndef LUMETRA_HISTORYWINDOW_H
#define LUMETRA_HISTORYWINDOW_H

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class RecordHistoryModel;

// Every stored record, newest first, with a text filter and a range of
// dates; Open hands the selected records to the window. Shows what model
// reads, which it takes over, and that it is reading.
class HistoryWindow : public QWidget
{
    Q_OBJECT
public:
    HistoryWindow(RecordHistoryModel *model, QWidget *parent);
    ~HistoryWindow() override; // releases the model

    QLineEdit *Edit_Search;
    QComboBox *Combo_Job; // all jobs first
    QCheckBox *Check_From;
    QDateEdit *Date_From;
    QCheckBox *Check_To;
    QDateEdit *Date_To;
    QTableView *Table_History;
    QLabel *Label_Problem;
    QLabel *Label_Reading;
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
    void showRead(bool reading);
    void listJobs();
};

#endif
