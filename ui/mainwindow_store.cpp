// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "configrun.h"
#include "dialoghost.h"
#include "downloadsession.h"
#include "historywindow.h"
#include "jobswindow.h"
#include "listofuid.h"
#include "recordhistorymodel.h"
#include "storeupgradeprogress.h"

#include <QApplication>
#include <QDebug>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QStatusBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

// The records store: every batch is kept before it is listed, every archive
// opened as it is opened, and the header texts whenever the window takes
// them from the screen, and once the user stops typing. The session writes
// in the background; the status line says what the store is doing. A window
// that was killed leaves its unsaved records for the next one to offer again.

namespace {
// About a second after the last keystroke.
constexpr int typingPauseMs = 1000;
// How long the line says the records were kept.
constexpr int keptShownMs = 3000;
} // namespace

void MainWindow::startRecordStore()
{
    connect(session, &DownloadSession::keepingChanged, this, &MainWindow::showStoreState);
    // What the store did of the records' jobs stays until it has been read.
    connect(session, &DownloadSession::storing, this, [this](int count) {
        if (storeKeeping && !jobNoticeShown)
            showStoreActivity(tr("Storing %Ln records…", nullptr, count));
    });
    connect(session, &DownloadSession::kept, this, [this](int count) {
        if (!storeKeeping || jobNoticeShown)
            return;
        if (count == 0) { // all set aside: the log says so
            if (storeState)
                storeState->hide();
            return;
        }
        showStoreActivity(tr("%Ln records kept", nullptr, count));
        storeStateShown->start(keptShownMs);
    });
    connect(session, &DownloadSession::lostRecordsFound, this, &MainWindow::offerLostRecords);
    connect(session, &DownloadSession::opened, this, &MainWindow::listOpened);
    connect(session, &DownloadSession::historyOpened, this, &MainWindow::reportUnopened);
    storeStateShown = new QTimer(this);
    storeStateShown->setSingleShot(true);
    connect(storeStateShown, &QTimer::timeout, this, [this] {
        jobNoticeShown = false;
        if (storeKeeping && storeState)
            storeState->hide();
    });
    new StoreUpgradeProgress(session, dialogs, this);
    session->keepIn(StoreLocation::configured());
    startJobs();

    typingPause = new QTimer(this);
    typingPause->setSingleShot(true);
    typingPause->setInterval(typingPauseMs);
    connect(typingPause, &QTimer::timeout, this, &MainWindow::keepTextsOnScreen);
    const ListOfUID &page = *reportWindow;
    for (QLineEdit *field : { page.Edit_Company, page.Edit_Operator, page.Edit_TestDevice,
             page.Edit_TestDate, page.Edit_SerialNumber, page.Edit_ExportTime })
        connect(field, &QLineEdit::textEdited, typingPause, QOverload<>::of(&QTimer::start));
    QTextEdit *note = page.Edit_Comment;
    // Showing a record sets the note too; only typing marks it modified.
    connect(note, &QTextEdit::textChanged, typingPause, [this, note] {
        if (note->document()->isModified())
            typingPause->start();
    });

    // Once what waited is written, and asked once the window shows.
    session->findLostRecords();
}

void MainWindow::offerLostRecords(int count)
{
    // A box of the window's own is open: asked once it has gone.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(300, this, [this, count] { offerLostRecords(count); });
        return;
    }
    const bool showAgain = dialogs->question(this, appTitle,
        tr("The last session ended with %n records that were not saved to an archive. "
           "Show them again?",
            nullptr, count));
    session->settleLostRecords(showAgain && recordViewsOpen());
}

// Records the history or a lost session gave, listed as an opened archive is.
void MainWindow::listOpened(
    const QVector<TestRecord> &opened, const QVector<ReportHeaderTexts> &headers)
{
    if (!recordViewsOpen())
        return;
    itemSelectionChanged_onList();
    loadedRecords = opened;
    loadedHeaders = headers;
    on_file_open();
}

void MainWindow::keepTextsOnScreen()
{
    if (!recordViewsOpen())
        return;
    const int row = listedRow(connectionPanel->displayedItem);
    if (row >= 0)
        session->setHeaders(row, headerTextsOnScreen());
}

// A clean close: what is on screen is kept, and the records of this session
// are not offered again. What the store has not taken yet waits for the next start.
void MainWindow::closeRecordStore()
{
    typingPause->stop();
    keepTextsOnScreen();
    if (historyWindow)
        historyWindow->close();
    if (jobsWindow)
        jobsWindow->close();
    session->close();
}

void MainWindow::showStoreActivity(const QString &text)
{
    if (!storeState) {
        storeState = new QLabel(statusBar());
        storeState->setObjectName(QStringLiteral("Label_StoreState"));
        // As high as a line of the window's font, whatever script the message
        // is in: the status line must not grow under the pages.
        storeState->setMaximumHeight(storeState->fontMetrics().height());
        // A message of the line never hides it; however long the reason,
        // the window keeps its size: the line shows what fits, the tip the whole.
        statusBar()->addPermanentWidget(storeState);
    }
    storeState->setMaximumWidth(width() * 3 / 5);
    storeState->setText(QFontMetrics(storeState->font())
                            .elidedText(text, Qt::ElideRight, storeState->maximumWidth()));
    storeState->setToolTip(text);
    storeState->show();
    statusBar()->layout()->activate(); // its room now, not at the next pass
}

void MainWindow::showStoreState(bool keeping, const QString &problem)
{
    const bool was = storeKeeping;
    storeKeeping = keeping;
    if (keeping) {
        if (!was) {
            storeState->hide();
            qWarning().noquote() << "Lumetra: records are kept again in"
                                 << session->location().displayName();
        }
        return;
    }
    storeStateShown->stop();
    jobNoticeShown = false;
    showStoreActivity(tr("Records are not being kept: %1").arg(problem));
    qWarning().noquote() << "Lumetra: records are not being kept:" << problem;
}

void MainWindow::showHistory()
{
    if (!historyWindow) {
        historyWindow = new HistoryWindow(new RecordHistoryModel(session->location()), this);
        historyWindow->setAttribute(Qt::WA_DeleteOnClose);
        connect(historyWindow, &HistoryWindow::openRequested, session,
            &DownloadSession::openFromHistory);
        connect(session, &DownloadSession::recordsWritten, historyWindow, &HistoryWindow::refresh);
    }
    historyWindow->show();
    historyWindow->raise();
    historyWindow->activateWindow();
}

// Said over the History window, where the user chose them.
void MainWindow::reportUnopened(int chosen, int opened)
{
    if (opened >= chosen)
        return;
    QWidget *parent = historyWindow ? static_cast<QWidget *>(historyWindow) : this;
    if (opened == 0 && !session->isKeeping()) {
        dialogs->warning(parent, appTitle,
            tr("The chosen records could not be opened: %1").arg(session->problem()));
        return;
    }
    const int unopened = chosen - opened;
    dialogs->warning(parent, appTitle,
        tr("%n of the %1 chosen records could not be opened: their data in the records store is "
           "damaged.",
            nullptr, unopened)
            .arg(chosen));
}
