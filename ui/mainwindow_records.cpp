// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "configrun.h"
#include "dialoghost.h"
#include "downloadsession.h"
#include "listofuid.h"
#include "mainctrlthread.h"
#include "recordtexts.h"
#include "recordverdict.h"
#include "suspectmarks.h"
#include "suspectreading.h"

#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTableWidget>
#include <QTextEdit>
#include <optional>

// The record list and the record display. Entry i of List_Records shows
// entry i of the session's collection.

bool MainWindow::recordViewsOpen() const
{
    // Closing the window deletes both, possibly behind an open message box.
    return connectionPanel && reportWindow;
}

void MainWindow::on_file_transfer(int receivedRecords)
{
    setCursor(Qt::WaitCursor);
    statusBar()->showMessage(tr("Receiving: %n records", nullptr, receivedRecords));
}

void MainWindow::on_file_ready(uint /*status*/)
{
    // Each call takes one batch. The signal's verdict is not used: when calls
    // nest behind an open warning box it may belong to a later batch.
    if (!ctrlThread)
        return;
    DownloadBatch batch = ctrlThread->takeBatch();
    if (batch.records.isEmpty())
        return; // nothing was queued: the thread never hands over an empty batch
    // Kept before anything can hold it up, with the texts it will be listed
    // with unless the user changes them first.
    std::optional<ReportHeaderTexts> texts;
    if (recordViewsOpen()) {
        texts = headerTextsOnScreen();
        texts->exportTime = connectionPanel->exportTimeText;
    }
    session->keepArrived(batch,
        recordViewsOpen() ? connectionPanel->Combo_PortCom->currentText() : QString(), texts);
    arrivedBatches.enqueue(std::move(batch));

    // A call that arrives while an earlier one waits on its warning leaves the
    // batch to that call, so that batches are listed in the order they came.
    if (listingBatches)
        return;
    listingBatches = true;
    while (!arrivedBatches.isEmpty() && recordViewsOpen())
        listBatch(arrivedBatches.dequeue());
    listingBatches = false;
    statusBar()->showMessage(tr("Ready"));
}

void MainWindow::listBatch(const DownloadBatch &batch)
{
    if (batch.verdict == 1) {
        dialogs->warning(nullptr, appTitle,
            tr("<b>Data may be corrupted</b> - Problem with MPO Power Meter Version -<br>"
               "                                                        "
               "Please Verify MPO Power Meter Version.<br>"
               "                                                     "
               "The supported version are <b>%1</b> or Higher")
                .arg(minMeterVersion));
        if (!recordViewsOpen())
            return;
    }
    itemSelectionChanged_onList();
    reportWindow->Edit_ExportTime->setText(connectionPanel->exportTimeText);
    setCursor(Qt::ArrowCursor);

    listEntriesFrom(session->listArrived(batch.records, headerTextsOnScreen()));
    // Only the last record stays on screen, and the selection change shows
    // it: filling the table for every record would change nothing the user sees.
    showLastEntry();
}

void MainWindow::on_file_open()
{
    if (!recordViewsOpen())
        return;
    listEntriesFrom(session->listOpened(loadedRecords, loadedHeaders));
    if (!session->entries().isEmpty())
        showHeaderTexts(session->entries().constLast().headers);
    showLastEntry();
    setCursor(Qt::ArrowCursor);
}

// The mark says at a glance whether the record passed; its tip names the failing fibers.
void MainWindow::listEntriesFrom(int first)
{
    // Collection first: a selection change seen by the list finds its record.
    const QVector<SessionEntry> &entries = session->entries();
    for (int row = first; row < entries.size(); ++row) {
        auto *entry = new QListWidgetItem(entries.at(row).numberText);
        const RecordVerdict verdict = recordVerdict(entries.at(row).record);
        // A colour as the decoration: the list draws it as a small square, and
        // no picture is kept per entry.
        const std::optional<Qt::GlobalColor> color = verdictColor(verdict.verdict());
        entry->setData(Qt::DecorationRole, QColor(color ? *color : Qt::gray));
        entry->setToolTip(recordVerdictTip(verdict));
        markCableId(entry, entries.at(row));
        connectionPanel->List_Records->addItem(entry);
    }
}

QVector<TestRecord> MainWindow::records() const
{
    QVector<TestRecord> listed;
    for (const SessionEntry &entry : session->entries())
        listed << entry.record;
    return listed;
}

QVector<ReportHeaderTexts> MainWindow::recordHeaders() const
{
    QVector<ReportHeaderTexts> listed;
    for (const SessionEntry &entry : session->entries())
        listed << entry.headers;
    return listed;
}

// Makes the last entry current; the selection change shows its record.
void MainWindow::showLastEntry()
{
    QListWidget *list = connectionPanel->List_Records;
    const int last = list->count() - 1;
    connectionPanel->displayedItem = list->item(last);
    list->setCurrentRow(last);
    list->setFocus(Qt::OtherFocusReason);
}

void MainWindow::new_listRec_to_display(QListWidgetItem *item)
{
    if (!recordViewsOpen())
        return;
    const int shown = listedRow(connectionPanel->displayedItem);
    if (shown >= 0)
        session->setHeaders(shown, headerTextsOnScreen());

    const int row = listedRow(item);
    showSuspectNote(row);
    if (row < 0)
        return;
    const SessionEntry entry = session->entries().at(row);
    showRecordRows(entry.record);
    reportWindow->Edit_FileNumber->setText(item->text());
    reportWindow->Edit_Polarity->setText(polarityDisplayName(entry.record.polarityCode));
    showHeaderTexts(entry.headers);
    reportWindow->showCableId(entry.cableId, entry.idPending);
    connectionPanel->displayedItem = item;
}

// While a record with suspect readings is shown, the status line says so and
// what to do; the same readings are looked for among the records listed, as
// the certification report does. Its verdict stays as measured.
void MainWindow::showSuspectNote(int row)
{
    const QVector<SuspectReading> flags
        = row < 0 ? QVector<SuspectReading>() : SuspectReading::ofRecord(row, records());
    if (flags.isEmpty()) {
        if (suspectNote)
            suspectNote->hide();
        return;
    }
    if (!suspectNote) {
        suspectNote = new QLabel(statusBar());
        suspectNote->setObjectName(QStringLiteral("Label_SuspectNote"));
        suspectNote->setStyleSheet(QStringLiteral("color: #b05a00"));
        // Beside whatever the line says, in its right half: the line shows
        // what fits, the tool tip the whole.
        suspectNote->setFixedWidth(width() / 2);
        statusBar()->addPermanentWidget(suspectNote);
        suspectNote->ensurePolished();
    }
    const QString text = SuspectMarks::forSection(flags).flags.join(QStringLiteral("; "));
    suspectNote->setText(
        suspectNote->fontMetrics().elidedText(text, Qt::ElideRight, suspectNote->width()));
    suspectNote->setToolTip(text);
    suspectNote->show();
}

// The row of item in the list, or -1 when it is not listed. Compares pointers
// only, so an entry that is gone is never dereferenced.
int MainWindow::listedRow(const QListWidgetItem *item) const
{
    const QListWidget *list = connectionPanel->List_Records;
    for (int row = 0; item && row < list->count() && row < session->entries().size(); ++row) {
        if (list->item(row) == item)
            return row;
    }
    return -1;
}

void MainWindow::itemSelectionChanged_onList()
{
    if (recordViewsOpen() && connectionPanel->List_Records->count() > 0)
        new_listRec_to_display(connectionPanel->List_Records->currentItem());
}

void MainWindow::clearAll()
{
    if (!recordViewsOpen() || connectionPanel->List_Records->count() == 0)
        return;
    QListWidget *list = connectionPanel->List_Records;
    list->clearFocus();
    connectionPanel->displayedItem = nullptr;
    {
        const QSignalBlocker quiet(list);
        list->clear();
    }
    session->removeAll();

    reportWindow->remoteDevices->clearContents();
    reportWindow->remoteDevices->setRowCount(0);
    reportWindow->Edit_FileNumber->clear();
    reportWindow->Edit_Polarity->clear();
    reportWindow->showCableId(QString());
    updateCableIdActions();
    showSuspectNote(-1);
    // The header fields keep their texts for the next batch.
}

void MainWindow::clearSingle()
{
    if (!recordViewsOpen())
        return;
    QListWidget *list = connectionPanel->List_Records;
    if (list->count() <= 1) {
        clearAll();
        return;
    }
    const int row = list->currentRow();
    if (row < 0)
        return;
    {
        // The list must not announce its new current entry before the
        // collection has lost the record too.
        const QSignalBlocker quiet(list);
        QListWidgetItem *removed = list->takeItem(row);
        if (connectionPanel->displayedItem == removed)
            connectionPanel->displayedItem = nullptr; // its texts on screen are dropped
        delete removed;
        session->remove(row);
        if (QListWidgetItem *current = list->currentItem())
            current->setSelected(true);
    }
    new_listRec_to_display(list->currentItem());
}

void MainWindow::showRecordRows(const TestRecord &record)
{
    QTableWidget *table = reportWindow->remoteDevices;
    table->clearContents();
    table->setRowCount(0);
    const double threshold = thresholdDb(record);
    const QString wavelength = QString::number(wavelengthNm(record.wavelengthCode));
    for (int fiber = 0; fiber < TestRecord::channelCount; ++fiber) {
        const ChannelResult &channel = record.channels[size_t(fiber)];
        const ChannelRowText texts = formatChannelRow(channel.powerDbm, channel.referenceDbm,
            float(threshold), record.headerByte5, record.polarityCode, record.headerByte8);
        reportWindow->addtablerow();
        reportWindow->updatetablevalue(fiber, 0, QString::number(fiber + 1));
        reportWindow->updatetablevalue(fiber, 1, wavelength);
        reportWindow->updatetablevalue(fiber, 2, texts.powerText);
        reportWindow->updatetablevalue(fiber, 3, texts.lossText);
        reportWindow->updatetablevalue(fiber, 4, thresholdText(threshold));
        reportWindow->updatetablevalueandcolor(fiber, 5, texts.verdictText);
    }
}

ReportHeaderTexts MainWindow::headerTextsOnScreen() const
{
    const ListOfUID &page = *reportWindow;
    return ReportHeaderTexts { page.Edit_Company->text(), page.Edit_Operator->text(),
        page.Edit_TestDevice->text(), page.Edit_TestDate->text(), page.Edit_SerialNumber->text(),
        page.Edit_ExportTime->text(), page.Edit_Comment->toHtml() };
}

void MainWindow::showHeaderTexts(const ReportHeaderTexts &texts)
{
    reportWindow->Edit_Company->setText(texts.companyName);
    reportWindow->Edit_Operator->setText(texts.operatorName);
    reportWindow->Edit_TestDevice->setText(texts.testDevice);
    reportWindow->Edit_TestDate->setText(texts.testDate);
    reportWindow->Edit_SerialNumber->setText(texts.serialNumber);
    reportWindow->Edit_ExportTime->setText(texts.exportTime);
    reportWindow->Edit_Comment->setHtml(texts.noteHtml);
}
