// SPDX-License-Identifier: MIT
#ifndef LUMETRA_MAINWINDOW_H
#define LUMETRA_MAINWINDOW_H

#include "archivejob.h"
#include "downloadbatch.h"
#include "jobfiletask.h"
#include "progressstep.h"
#include "recordcableid.h"
#include "reportheadertexts.h"
#include "screenprobe.h"
#include "sessionentry.h"
#include "testrecord.h"

#include <QMainWindow>
#include <QPointer>
#include <QQueue>
#include <QRect>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>

class ConfigRun;
class DialogHost;
class HistoryWindow;
class JobBoard;
class JobsWindow;
class ListOfUID;
class MainCtrlThread;
class QAction;
class QCloseEvent;
class QLabel;
class QListWidgetItem;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class DownloadSession;
class ReportDocument;

// The application's one top-level window: the connection panel on the left,
// the report page on the right, the download thread behind them.
//
// Its slots are split by concern: mainwindow.cpp is the shell, and the record
// list, ports, archive, PDF reports and settings each have their own file.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // The factors are this screen measured now against referenceScreen.
    // dialogs must outlive the window.
    MainWindow(QWidget *parent, Qt::WindowFlags flags, QRect referenceScreen,
        const ScreenProbe &screen = ScreenProbe());
    MainWindow(QWidget *parent, Qt::WindowFlags flags, QRect referenceScreen,
        const ScreenProbe &screen, DialogHost &dialogs);
    ~MainWindow() override; // stops the download thread if Quit has not

    // The window's size at factors of 1, without the title bar.
    static QSize designSize() { return QSize(820, 671); }

    // Lists each archive in turn exactly as File > Open does, messages included
    // (mainwindow_opening.cpp): for the command line, drops and a later start.
    void openArchives(const QStringList &paths);

    // The job the records received from now on join, as the user chose it
    // in the Jobs window (remembered between runs; empty: none), and the
    // cable ID they count from (empty: the job's first). mainwindow_jobs.cpp.
    QString activeJob() const;
    QString activeStartId() const;
    void setActiveJob(const QString &job, const QString &startId = QString());
    // The store's jobs, read and changed in the background.
    JobBoard *jobs() const { return jobBoard; }

    QMdiArea *mdiArea;
    // Guarded: closing deletes the sub-windows and what they hold.
    QPointer<QMdiSubWindow> reportSubWindow;
    QPointer<QMdiSubWindow> panelSubWindow;
    QPointer<ConfigRun> connectionPanel;
    QPointer<ListOfUID> reportWindow;

    QMenu *fileMenu;
    QMenu *recentMenu; // File > Open Recent
    QMenu *recordsMenu;
    QMenu *reportsMenu;
    QMenu *helpMenu;

    QAction *openAct;
    QAction *saveAct;
    QAction *exitAct;
    QAction *clearAllAct;
    QAction *clearSelectedAct;
    QAction *aboutAct;
    QAction *usageAct;
    QAction *generateAct;
    QAction *generateAllAct;
    QAction *certificationAct;
    QAction *exportCsvAct;
    QAction *jobReportAct; // the active job's
    QAction *jobWorkbookAct;
    QAction *historyAct;
    QAction *jobsAct;
    // On the selected record; also the record list's context menu.
    QAction *assignCableIdAct;
    QAction *takeBackCableIdAct;

    const QString appTitle;
    const QString appVersion;
    const QString versionDate;
    const QString minMeterVersion;

    // The session's collection, in list order: entry i of List_Records is
    // record i with header texts i.
    QVector<TestRecord> records() const;
    QVector<ReportHeaderTexts> recordHeaders() const;
    // What loadFile (and the history, and a lost session) hands to on_file_open.
    QVector<TestRecord> loadedRecords;
    QVector<ReportHeaderTexts> loadedHeaders;

    // Null once Quit has stopped it.
    std::unique_ptr<MainCtrlThread> ctrlThread;

    double winversion = 0.0;
    double XFactor = 1.0;
    double YFactor = 1.0;

signals:
    void activeJobChanged(const QString &job, const QString &startId);

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void printFile();
    void printAll();
    bool saveFile();
    bool loadFile();
    void clearAll();
    void clearSingle();
    void about();
    void usage();
    void ScreenChanged(int);
    void on_portcom_changed(int index);
    void Quit();
    void on_file_transfer(int receivedRecords);
    void on_file_ready(uint status);
    void on_file_open();
    void new_listRec_to_display(QListWidgetItem *item);
    void itemSelectionChanged_onList();
    void on_failure_detected(int code);
    void on_newportconnection_requested();
    void certificationReport();
    void exportCsv();

private:
    void placeWindow(QRect referenceScreen, const ScreenProbe &screen);
    void showSuspectNote(int row);
    void createActions();
    void createMenus();
    void createStatusBar();
    void makeRoomForBars();
    void createSubWindows();
    void startDownloadThread();
    void connectSignals();
    void stopDownloadThread();
    void readSettings();
    void writeSettings();

    // The record display (mainwindow_records.cpp).
    bool recordViewsOpen() const;
    void listBatch(const DownloadBatch &batch);
    // The one way entries are added: those of the collection from first on,
    // each its text with its verdict mark.
    void listEntriesFrom(int first);
    void showLastEntry();
    int listedRow(const QListWidgetItem *item) const;
    void showRecordRows(const TestRecord &record);
    ReportHeaderTexts headerTextsOnScreen() const;
    void showHeaderTexts(const ReportHeaderTexts &texts);

    // Port handling (mainwindow_ports.cpp).
    void showPortAdvice(const QString &advice);
    void hidePortAdvice();

    // Archives and reports (mainwindow_archive.cpp, mainwindow_reports.cpp).
    static QString withDefaultSuffix(const QString &name, const QString &suffix);
    // Open's steps after its dialog; true when the records were listed.
    bool openArchive(const QString &name);
    void printReport(ReportDocument &document, const QString &suggestedName);
    // Runs write under the wait cursor and a progress dialog called label, and
    // says why when it failed; true only when the file name was written whole.
    bool writeWithProgress(const QString &name, const QString &label,
        const std::function<WriteOutcome(const ProgressStep &, QString *)> &write);

    // The certification report and the CSV export (mainwindow_exports.cpp).
    void createExportActions();
    QString askExportName(const QString &suggested, const QString &filter, const QString &suffix,
        const QString &nothingListed);
    // The active job's report and workbook (mainwindow_jobfiles.cpp).
    void createJobFileActions();
    void updateJobFileActions();
    void writeJobFile(JobFileTask::Kind kind);
    // Open Recent and dropped files (mainwindow_opening.cpp).
    QMenu *createRecentMenu();
    void fillRecentMenu();
    void rememberRecent(const QString &archive);
    void acceptArchiveDrops();

    // The records store (mainwindow_store.cpp).
    void startRecordStore();
    void offerLostRecords(int count);
    void listOpened(const QVector<TestRecord> &records, const QVector<ReportHeaderTexts> &headers);
    void keepTextsOnScreen();
    void closeRecordStore();
    void showHistory();
    void reportUnopened(int chosen, int opened);
    void showStoreState(bool keeping, const QString &problem);
    void showStoreActivity(const QString &text);

    // Jobs and cable IDs (mainwindow_jobs.cpp).
    void createJobActions();
    void startJobs();
    void showJobs();
    void showCableIds();
    void markCableId(QListWidgetItem *entry, const SessionEntry &listed) const;
    bool currentEntry(SessionEntry *entry, QString *job) const;
    void updateCableIdActions();
    void assignCurrentRecord();
    void takeBackCurrentRecord();
    bool archiveJobOfList(ArchiveJob *job, int *otherJobs) const;
    QVector<RecordCableId> listedCableIds() const;

    DialogHost *dialogs;
    // Batches taken from the thread, not yet listed; see on_file_ready.
    QQueue<DownloadBatch> arrivedBatches;
    bool listingBatches = false;
    // What the user can do about a port that would not open; see showPortAdvice.
    QPointer<QLabel> portAdvice;
    QPointer<QTimer> portAdviceTimer;
    // The collection, and every record listed kept in the store; see mainwindow_store.cpp.
    DownloadSession *session = nullptr;
    QTimer *typingPause = nullptr;
    QPointer<QLabel> storeState;
    QTimer *storeStateShown = nullptr; // how long "kept" stays
    bool jobNoticeShown = false; // records arrived unplanned, or into no job
    bool storeKeeping = true;
    QPointer<HistoryWindow> historyWindow;
    JobBoard *jobBoard = nullptr;
    QPointer<JobsWindow> jobsWindow;
    QPointer<JobFileTask> jobFileTask; // one at a time
    QPointer<QLabel> activeJobLabel;
    QSet<int> recordMenuTickets; // changes asked from the record list
    // The suspect readings of the record shown; see showSuspectNote.
    QPointer<QLabel> suspectNote;
};

#endif
