// SPDX-License-Identifier: MIT
#ifndef LUMETRA_JOBSWINDOW_H
#define LUMETRA_JOBSWINDOW_H

#include "jobstatus.h"
#include "jobstore.h"

#include <QSet>
#include <QStringList>
#include <QWidget>

class DialogHost;
class JobBoard;
class JobStatusModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;

// The store's jobs: a job's facts, its cable IDs in order with where each
// stands, its unplanned records and its counts; the IDs added, renamed,
// reordered and removed, retests marked, records given an ID, moved or
// taken back, header texts set on many records at once, and the job the
// window's arrivals join. Reads and changes through board, in the background.
class JobsWindow : public QWidget
{
    Q_OBJECT
public:
    // board and dialogs must outlive the window.
    JobsWindow(JobBoard &board, DialogHost &dialogs, QWidget *parent);

    // The job the window's arrivals join (none: empty), and the ID they count from.
    void showActive(const QString &job, const QString &startId);
    QString shownJob() const;

    QComboBox *Combo_Job;
    QPushButton *Button_NewJob;
    QLabel *Label_Active;
    QPushButton *Button_Activate;
    QPushButton *Button_Deactivate;
    QLabel *Label_Counts;
    QTableView *Table_Ids;
    QPushButton *Button_Rename;
    QPushButton *Button_MoveUp;
    QPushButton *Button_MoveDown;
    QPushButton *Button_Remove;
    QPushButton *Button_Retest;
    QPushButton *Button_ClearRetest;
    QPushButton *Button_MoveRecord;
    QPushButton *Button_TakeBack;
    QLabel *Label_Unplanned;
    QTableView *Table_Unplanned;
    QPushButton *Button_AssignId;
    QTabWidget *Tabs;
    QLineEdit *Edit_Customer;
    QLineEdit *Edit_Site;
    QLineEdit *Edit_Contractor;
    QLineEdit *Edit_Note;
    QPushButton *Button_SaveFacts;
    QLabel *Label_Logo; // the job's logo, small, or that it has none
    QPushButton *Button_ChooseLogo;
    QPushButton *Button_RemoveLogo;
    QPlainTextEdit *Edit_NewIds;
    QPushButton *Button_AddIds;
    QPushButton *Button_InsertIds;
    QLineEdit *Edit_Pattern;
    QPushButton *Button_AddPattern;
    QPushButton *Button_Import;
    QVector<QCheckBox *>
        Check_Texts; // company, operator, test device, test date, serial number, note
    QVector<QLineEdit *> Edit_Texts;
    QPushButton *Button_TextsAll;
    QPushButton *Button_TextsChosen;
    QLabel *Label_Problem;
    QLabel *Label_Reading;
    QPushButton *Button_Close;
    JobStatusModel *ids;
    JobStatusModel *unplanned;

public slots:
    void refresh(); // the jobs, and the job shown, read again

signals:
    // Keys of records to list in the main window.
    void openRequested(const QStringList &keys);
    void activeJobChosen(const QString &job, const QString &startId);

private:
    QWidget *buildIdList();
    QWidget *buildFactsPage();
    QWidget *buildAddingPage();
    QWidget *buildTextsPage();
    void jobsRead(const QVector<JobStore::Summary> &jobs, const QString &problem);
    void statusRead(const QString &job, const JobStatus &status, const QString &problem);
    void changed(int ticket, const QString &job, bool done, const QString &problem, int records);
    void updateButtons();
    QVector<int> selectedIdRows() const;
    QStringList selectedIds() const;
    QStringList chosenKeys() const;

    // The changes (jobswindow_changes.cpp).
    void newJob();
    void saveFacts();
    void chooseLogo();
    void removeLogo();
    void showLogo();
    void addTyped(bool insert);
    void addPattern();
    void importFile();
    void rename();
    void move(int by);
    void removeIds();
    void retest(bool marked);
    void moveRecord();
    void takeBack();
    void assignUnplanned();
    void setTexts(bool chosenOnly);
    void openRow(const QModelIndex &index, bool unplannedRow);
    // A tested ID or one without a record for the record of key; empty when cancelled.
    QString askCableId(const QString &title, bool untestedOnly);

    JobBoard &board;
    DialogHost &dialogs;
    QString activeJob;
    QString activeStart;
    QString wantedJob; // to show once the jobs are read
    QStringList wantedSelection; // IDs to select once the job is read
    JobFacts facts; // of the job shown, as read
    QSet<int> asked; // tickets of the changes made here
    int textsTicket = 0;
};

#endif
