// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "configrun.h"
#include "dialoghost.h"
#include "historywindow.h"
#include "listofuid.h"
#include "recordkeeper.h"

#include <QComboBox>
#include <QDateTime>
#include <QDebug>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

// The records store: every batch is kept before it is listed, every archive
// opened as it is opened, and the header texts whenever the window takes
// them from the screen, and once the user stops typing. A window that was
// killed leaves its unsaved records for the next one to offer again.

namespace {
// About a second after the last keystroke.
constexpr int typingPauseMs = 1000;
} // namespace

void MainWindow::startRecordStore()
{
    keeper = new RecordKeeper(StoreLocation::configured(), this);
    connect(keeper, &RecordKeeper::keepingChanged, this, &MainWindow::showStoreState);
    keeper->startSession();
    if (!keeper->isKeeping())
        showStoreState(false, keeper->problem());

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

    // Asked once the window shows, not from inside its constructor.
    QTimer::singleShot(0, this, &MainWindow::offerLostRecords);
}

void MainWindow::offerLostRecords()
{
    const QVector<StoredRecord> lost = keeper->lostRecords();
    bool showAgain = false;
    if (!lost.isEmpty())
        showAgain = dialogs->question(this, appTitle,
            tr("The last session ended with %n records that were not saved to an archive. "
               "Show them again?",
                nullptr, lost.size()));
    keeper->settleLostRecords(showAgain, lost);
    if (!showAgain || !recordViewsOpen())
        return;
    itemSelectionChanged_onList();
    loadedRecords.clear();
    loadedHeaders.clear();
    for (const StoredRecord &row : lost) {
        loadedRecords << row.record;
        loadedHeaders << row.headers;
    }
    on_file_open();
}

void MainWindow::keepArrivedBatch(const DownloadBatch &batch)
{
    // The texts the batch will be listed with, unless the user changes them
    // before it is; listBatch then keeps those. They are the first version of
    // a record new to the store; a record stored already keeps its texts
    // until the user edits or saves it here.
    StoredRecord row;
    row.arrival = true;
    if (recordViewsOpen()) {
        row.headers = headerTextsOnScreen();
        row.headers.exportTime = connectionPanel->exportTimeText;
        row.source = connectionPanel->Combo_PortCom->currentText();
    } else {
        row.textsKnown = false;
    }
    row.sourceKind = QStringLiteral("port");
    row.hasVersion = batch.hasVersion;
    row.meterVersionMajor = batch.meterVersionMajor;
    row.meterVersionMinor = batch.meterVersionMinor;
    row.meterVerdict = int(batch.verdict);
    row.unsaved = true;
    QVector<StoredRecord> rows;
    rows.reserve(batch.records.size());
    for (const TestRecord &record : batch.records) {
        row.record = record;
        row.receivedAtMs = unixMsOf(record.arrivalTime);
        rows << row;
        ++row.batchPosition;
    }
    keeper->keep(rows);
}

void MainWindow::keepOpenedArchive(const QString &path)
{
    // Opening is not editing: the archive's texts are the first version of a
    // record new to the store and change nothing of one stored already.
    StoredRecord row;
    row.arrival = true;
    row.sourceKind = QStringLiteral("archive");
    row.source = QFileInfo(path).absoluteFilePath();
    row.receivedAtMs = QDateTime::currentMSecsSinceEpoch();
    QVector<StoredRecord> rows;
    rows.reserve(loadedRecords.size());
    for (int i = 0; i < loadedRecords.size(); ++i) {
        row.record = loadedRecords.at(i);
        row.headers = loadedHeaders.value(i);
        row.batchPosition = i;
        rows << row;
    }
    keeper->keep(rows);
}

void MainWindow::keepTextsOf(int first, int count, bool arrived)
{
    if (keeper && first >= 0 && first + count <= records.size())
        keeper->keepTexts(records.mid(first, count), recordHeaders.mid(first, count), arrived);
}

void MainWindow::keepSaved(const QString &archive)
{
    if (keeper)
        keeper->keepSaved(records, recordHeaders, QFileInfo(archive).absoluteFilePath());
}

void MainWindow::keepDiscarded(const QVector<TestRecord> &gone)
{
    if (keeper)
        keeper->keepDiscarded(gone);
}

void MainWindow::keepTextsOnScreen()
{
    if (!recordViewsOpen())
        return;
    const int row = listedRow(connectionPanel->displayedItem);
    if (row < 0)
        return;
    recordHeaders[row] = headerTextsOnScreen();
    keepTextsOf(row);
}

// A clean close: what is on screen is kept, and the records of this session
// are not offered again.
void MainWindow::closeRecordStore()
{
    if (!keeper)
        return;
    typingPause->stop();
    keepTextsOnScreen();
    if (historyWindow)
        historyWindow->close();
    keeper->endSession();
}

void MainWindow::showStoreState(bool keeping, const QString &problem)
{
    if (keeping) {
        if (storeState && !storeState->isHidden()) {
            storeState->hide();
            qWarning().noquote() << "Lumetra: records are kept again in"
                                 << keeper->location().displayName();
        }
        return;
    }
    if (!storeState) {
        storeState = new QLabel(statusBar());
        storeState->setObjectName(QStringLiteral("Label_StoreState"));
        // However long the reason, the window keeps its size: the line shows
        // what fits, the tool tip the whole.
        storeState->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        statusBar()->addWidget(storeState, 1);
    }
    const QString text = tr("Records are not being kept: %1").arg(problem);
    storeState->setText(text);
    storeState->setToolTip(text);
    storeState->show();
    qWarning().noquote() << "Lumetra: records are not being kept:" << problem;
}

void MainWindow::showHistory()
{
    if (!historyWindow) {
        historyWindow = new HistoryWindow(keeper->location(), this);
        historyWindow->setAttribute(Qt::WA_DeleteOnClose);
        connect(historyWindow, &HistoryWindow::openRequested, this, &MainWindow::openFromHistory);
        connect(keeper, &RecordKeeper::recordsWritten, historyWindow, &HistoryWindow::refresh);
    }
    historyWindow->show();
    historyWindow->raise();
    historyWindow->activateWindow();
}

void MainWindow::openFromHistory(const QStringList &keys)
{
    QVector<StoredRecord> rows = keeper->fetch(keys);
    if (!recordViewsOpen())
        return;
    if (!rows.isEmpty()) {
        for (StoredRecord &row : rows)
            row.unsaved = false; // they are in the store as they are
        keeper->keep(rows);
        itemSelectionChanged_onList();
        loadedRecords.clear();
        loadedHeaders.clear();
        for (const StoredRecord &row : qAsConst(rows)) {
            loadedRecords << row.record;
            loadedHeaders << row.headers;
        }
        on_file_open();
    }
    reportUnopened(keys.size(), rows.size());
}

// Said over the History window, where the user chose them.
void MainWindow::reportUnopened(int chosen, int opened)
{
    if (opened >= chosen)
        return;
    QWidget *parent = historyWindow ? static_cast<QWidget *>(historyWindow) : this;
    if (opened == 0 && !keeper->isKeeping()) {
        dialogs->warning(parent, appTitle,
            tr("The chosen records could not be opened: %1").arg(keeper->problem()));
        return;
    }
    const int unopened = chosen - opened;
    dialogs->warning(parent, appTitle,
        tr("%n of the %1 chosen records could not be opened: their data in the records store is "
           "damaged.",
            nullptr, unopened)
            .arg(chosen));
}
