// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "accessiblenames.h"
#include "configrun.h"
#include "downloadsession.h"
#include "listofuid.h"
#include "lumetraversion.h"
#include "mainctrlthread.h"
#include "qtdialoghost.h"
#include "scaledlayout.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDebug>
#include <QIcon>
#include <QKeySequence>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <cstdlib>

namespace {
// Long enough for one poll or port wait step of the download thread.
constexpr unsigned long threadStopTimeoutMs = 2000;
} // namespace

MainWindow::MainWindow(
    QWidget *parent, Qt::WindowFlags flags, QRect referenceScreen, const ScreenProbe &screen)
    : MainWindow(parent, flags, referenceScreen, screen, defaultDialogHost())
{
}

MainWindow::MainWindow(QWidget *parent, Qt::WindowFlags flags, QRect referenceScreen,
    const ScreenProbe &screen, DialogHost &dialogs)
    : QMainWindow(parent, flags)
    , appTitle(QStringLiteral("Lumetra"))
    , appVersion(QString::fromLatin1(lumetraVersion))
    , versionDate(QString::fromLatin1(lumetraVersionDate))
    , minMeterVersion(QStringLiteral("2.1"))
    , dialogs(&dialogs)
    , session(new DownloadSession(DownloadSession::Use::Window, this))
{
    placeWindow(referenceScreen, screen);

    mdiArea = new QMdiArea(this);
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea);

    createActions();
    createMenus();
    createStatusBar();
    makeRoomForBars();
    createSubWindows();
    startDownloadThread();
    connectSignals();
    readSettings();
    startRecordStore();
    acceptArchiveDrops();
}

MainWindow::~MainWindow()
{
    stopDownloadThread();
}

void MainWindow::placeWindow(QRect referenceScreen, const ScreenProbe &screen)
{
    winversion = screen.windowsVersion();
    qDebug() << "winversion = " << winversion;
    const QRect current = screen.primaryScreen();
    qDebug() << current;

    // A reference without area cannot scale anything: keep the design size.
    if (referenceScreen.width() > 0)
        XFactor = static_cast<double>(current.width()) / referenceScreen.width();
    if (referenceScreen.height() > 0)
        YFactor = static_cast<double>(current.height()) / referenceScreen.height();
    qDebug() << "XFactor =" << XFactor;
    qDebug() << "YFactor =" << YFactor;
    qDebug() << "Font info = " << QApplication::font(this);

    setWindowTitle(tr("Tavolin Lumetra"));
    setUnifiedTitleAndToolBarOnMac(true);
    setWindowIcon(QIcon(QStringLiteral(":/images/Tavolin.png")));

    const ScaledLayout s { XFactor, YFactor };
    const QSize size(s.x(designSize().width()), s.y(designSize().height()));
    setGeometry(QRect(QPoint(20, 30), size));
    setMinimumSize(size);
    setMaximumSize(size);
}

void MainWindow::createActions()
{
    const auto makeAction = [this](const char *icon, const QString &text, const QString &tip) {
        auto *action = new QAction(QIcon(QString::fromLatin1(icon)), text, this);
        action->setStatusTip(tip);
        return action;
    };

    generateAct = makeAction(":/images/print.png", tr("&Generate"), tr("Generate a report"));
    generateAct->setShortcuts(QKeySequence::Print);
    connect(generateAct, &QAction::triggered, this, &MainWindow::printFile);

    generateAllAct
        = makeAction(":/images/print.png", tr("&Generate All"), tr("Generate all reports"));
    generateAllAct->setShortcuts(QKeySequence::SelectAll);
    connect(generateAllAct, &QAction::triggered, this, &MainWindow::printAll);

    openAct = makeAction(":/images/open.png", tr("&Open"), tr("Open an existing record"));
    openAct->setShortcuts(QKeySequence::Open);
    connect(openAct, &QAction::triggered, this, &MainWindow::loadFile);

    saveAct = makeAction(":/images/save.png", tr("&Save"), tr("Save record to disk"));
    saveAct->setShortcuts(QKeySequence::Save);
    connect(saveAct, &QAction::triggered, this, &MainWindow::saveFile);

    exitAct = makeAction(":/images/exit.png", tr("E&xit"), tr("Exit the application"));
    exitAct->setShortcuts(QKeySequence::Quit);
    connect(exitAct, &QAction::triggered, qApp, &QApplication::closeAllWindows);

    clearAllAct
        = makeAction(":/images/delete.png", tr("Clear All"), tr("Clear the list of Record"));
    clearAllAct->setShortcuts(QKeySequence::Cut);
    connect(clearAllAct, &QAction::triggered, this, &MainWindow::clearAll);

    clearSelectedAct
        = makeAction(":/images/remove.png", tr("Clear Selected"), tr("Clear the current Record"));
    clearSelectedAct->setShortcuts(QKeySequence::Delete);
    connect(clearSelectedAct, &QAction::triggered, this, &MainWindow::clearSingle);

    aboutAct
        = makeAction(":/images/Tavolin.png", tr("&About"), tr("Show the application's About box"));
    connect(aboutAct, &QAction::triggered, this, &MainWindow::about);

    usageAct = makeAction(":/images/help-browser.png", tr("&Usage"), tr("Help User with Lumetra"));
    connect(usageAct, &QAction::triggered, this, &MainWindow::usage);

    createExportActions();
    createJobFileActions();
    historyAct = new QAction(tr("&History..."), this);
    historyAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    historyAct->setStatusTip(tr("Find and open every record received or opened before"));
    connect(historyAct, &QAction::triggered, this, &MainWindow::showHistory);
    jobsAct = new QAction(tr("&Jobs..."), this);
    jobsAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    jobsAct->setStatusTip(tr("Plan the cable IDs of a job and see which are tested"));
    connect(jobsAct, &QAction::triggered, this, &MainWindow::showJobs);
}

void MainWindow::createMenus()
{
    fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->addAction(openAct);
    fileMenu->addMenu(createRecentMenu());
    fileMenu->addAction(saveAct);
    fileMenu->addAction(exportCsvAct);
    fileMenu->addSeparator();
    fileMenu->addAction(exitAct);

    recordsMenu = menuBar()->addMenu(tr("&Records"));
    recordsMenu->addAction(clearSelectedAct);
    recordsMenu->addAction(clearAllAct);
    recordsMenu->addSeparator();
    recordsMenu->addAction(historyAct);
    recordsMenu->addAction(jobsAct);

    reportsMenu = menuBar()->addMenu(tr("&Reports"));
    reportsMenu->addAction(generateAct);
    reportsMenu->addAction(generateAllAct);
    reportsMenu->addAction(certificationAct);
    reportsMenu->addSeparator();
    reportsMenu->addAction(jobReportAct);
    reportsMenu->addAction(jobWorkbookAct);

    menuBar()->addSeparator();
    helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->addAction(aboutAct);
    helpMenu->addAction(usageAct);
}

void MainWindow::createStatusBar()
{
    statusBar()->showMessage(tr("Ready"));
}

// The design height leaves the menu bar and the status line what a small
// font needs. A larger desktop font makes them taller; the window grows by
// that much rather than hide part of the pages behind scroll bars.
void MainWindow::makeRoomForBars()
{
    const ScaledLayout s { XFactor, YFactor };
    const int needed = s.y(630) + 2 * mdiArea->frameWidth() + menuBar()->sizeHint().height()
        + statusBar()->sizeHint().height();
    if (needed <= height())
        return;
    const QSize size(width(), needed);
    setMinimumSize(size);
    setMaximumSize(size);
    resize(size);
}

void MainWindow::createSubWindows()
{
    const ScaledLayout s { XFactor, YFactor };

    connectionPanel = new ConfigRun(this, winversion, XFactor, YFactor, *dialogs);
    connectionPanel->setWindowTitle(tr("Device Connection"));
    connectionPanel->setStatusTip(tr("MPO Device Connection and Status"));
    AccessibleNames::nameConnectionPanel(*connectionPanel);

    reportWindow = new ListOfUID(this, winversion, XFactor, YFactor);
    reportWindow->setWindowTitle(tr("Test Report"));
    reportWindow->setStatusTip(tr("Test Report main window"));
    AccessibleNames::nameReportPage(*reportWindow);

    // The area owns each sub-window from the moment it is made; the report goes in first.
    reportSubWindow = mdiArea->addSubWindow(reportWindow, Qt::FramelessWindowHint);
    reportSubWindow->setAttribute(Qt::WA_DeleteOnClose);
    reportSubWindow->setStatusTip(tr("Create a Dialog window"));
    reportSubWindow->setGeometry(s.rect(220, 0, 600, 630));

    panelSubWindow = mdiArea->addSubWindow(connectionPanel, Qt::FramelessWindowHint);
    panelSubWindow->setAttribute(Qt::WA_DeleteOnClose);
    panelSubWindow->setGeometry(s.rect(0, 0, 220, 630));
}

void MainWindow::startDownloadThread()
{
    const QString directory = QCoreApplication::applicationDirPath();
    if (directory.isNull()) {
        dialogs->critical(nullptr, appTitle, tr("A Directory have to be selected"));
        std::exit(2);
    }
    ctrlThread = std::make_unique<MainCtrlThread>();
    ctrlThread->baseDirectory = directory; // before start: the thread never reads it later
    ctrlThread->start(QThread::InheritPriority);
}

void MainWindow::connectSignals()
{
    connect(connectionPanel, &ConfigRun::updateListOfPortRequested_sig, this,
        &MainWindow::on_newportconnection_requested);
    connect(connectionPanel->Combo_PortCom, QOverload<int>::of(&QComboBox::activated), this,
        &MainWindow::on_portcom_changed);
    DebugCommunication *thread = &ctrlThread->debugCommunication;
    connect(thread, &DebugCommunication::NewFileGenerated, this, &MainWindow::on_file_ready);
    connect(thread, &DebugCommunication::StartDownload, this, &MainWindow::on_file_transfer);
    connect(connectionPanel->List_Records, &QListWidget::itemSelectionChanged, this,
        &MainWindow::itemSelectionChanged_onList);
    connect(thread, &DebugCommunication::ExitWithFailure, this, &MainWindow::on_failure_detected);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &MainWindow::Quit);
}

void MainWindow::about()
{
    const QString text
        = tr("Version %1 (make sure latest version displays)<br>Version Date: %2<br>")
              .arg(appVersion, versionDate)
        + tr("Support: support@tavolin.example, telephone +1 555 0100 or +1 555 0199");
    dialogs->about(this, tr("About Lumetra"), text);
}

void MainWindow::usage()
{
    dialogs->about(this, tr("Lumetra Usage"),
        tr("To download software test report:<br><dd>- Turn on MPO Power Meter<dd>- Attach MPO "
           "cable from computer to MPO Power Meter<dd>- In Software - Select appropriate Com "
           "Port(ex Com 2)<dd>- To export file select File <i>(F2)</i>, Recall <i>(F2)</i> and "
           "Export <i>(F2)</i><dd>- Select Single File, Range of Files or All Files, By pressing "
           "Select <i>(F1)</i>. Use vertical and horizontal arrows to select range<dd>- Press "
           "Export <i>(F1)</i> to dump file(s) to computer"));
}

void MainWindow::Quit()
{
    stopDownloadThread();
    QCoreApplication::quit();
}

// Closes the port first, then lets the poll loop run out, so that no thread
// is left running while the process exits.
void MainWindow::stopDownloadThread()
{
    if (!ctrlThread)
        return;
    ctrlThread->stop();
    ctrlThread->requestStop();
    if (!ctrlThread->stopAndWait(threadStopTimeoutMs)) {
        // Destroying a running QThread aborts; leave it to the end of the process.
        qWarning() << "The download thread did not stop in time";
        ctrlThread.release();
        return;
    }
    ctrlThread.reset();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    mdiArea->closeAllSubWindows();
    if (mdiArea->currentSubWindow()) {
        event->ignore();
        return;
    }
    closeRecordStore();
    writeSettings();
    event->accept();
}
