// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "configrun.h"
#include "dialoghost.h"
#include "mainctrlthread.h"

#include <QComboBox>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <QVariant>

// Listing the serial ports, opening the chosen one, reporting port failures.

namespace {
// Long enough to read and act on.
constexpr int portAdviceMs = 10000;
} // namespace

void MainWindow::on_newportconnection_requested()
{
    if (!ctrlThread || !ctrlThread->isRunning())
        dialogs->information(nullptr, appTitle, tr("Communication PROBLEM"));
    if (!ctrlThread || !connectionPanel)
        return; // the serial layer went with the thread
    if (ctrlThread->listPorts() != 0) {
        dialogs->critical(nullptr, appTitle,
            tr("No Valid Port Com Found : Please connect The MPO cable first - EXIT"));
        on_failure_detected(4);
        return;
    }
    // The text is what the user knows the port by (a device path on Linux,
    // the COM number on Windows); an entry's row, not its data, picks the port.
    for (int index = 0; index < ctrlThread->portCount; ++index) {
        connectionPanel->Combo_PortCom->addItem(
            QString::fromStdString(ctrlThread->portDisplayName(index)),
            QVariant(int(ctrlThread->portNumbers[index])));
    }
}

void MainWindow::on_portcom_changed(int index)
{
    if (index == 0 || !ctrlThread || !connectionPanel)
        return;
    ctrlThread->selectedPortIndex = index - 1;
    // The device lock makes the close wait for a read in progress.
    if (ctrlThread->waitingForPort == 0)
        ctrlThread->closePort();
    if (ctrlThread->openSelectedPort() != 0) {
        const QString advice = QString::fromStdString(ctrlThread->openFailureAdvice());
        on_failure_detected(5);
        if (connectionPanel)
            connectionPanel->showPortConnected(false);
        // The box cannot say why; the status line can, after the box is gone.
        if (!advice.isEmpty())
            showPortAdvice(advice);
        return;
    }
    hidePortAdvice();
    ctrlThread->waitingForPort = 0;
    connectionPanel->showPortConnected(true);
}

// A widget of the status line rather than a message: status tips of menus and
// widgets replace a message at once, but only cover a widget while they show.
void MainWindow::showPortAdvice(const QString &advice)
{
    if (!portAdvice) {
        portAdvice = new QLabel(statusBar());
        portAdvice->setObjectName(QStringLiteral("Label_PortAdvice"));
        portAdviceTimer = new QTimer(this);
        portAdviceTimer->setObjectName(QStringLiteral("Timer_PortAdvice"));
        portAdviceTimer->setSingleShot(true);
        portAdviceTimer->setInterval(portAdviceMs);
        connect(portAdviceTimer, &QTimer::timeout, this, &MainWindow::hidePortAdvice);
    }
    statusBar()->clearMessage();
    portAdvice->setText(advice);
    portAdvice->setToolTip(advice);
    statusBar()->removeWidget(portAdvice); // once on the line, however often it is shown
    statusBar()->addWidget(portAdvice, 1);
    portAdvice->show();
    portAdviceTimer->start();
}

// Taken off the line, not just hidden: the line hides its widgets under a
// status tip and shows them again after it, an advice hidden meanwhile too.
void MainWindow::hidePortAdvice()
{
    if (!portAdvice)
        return;
    portAdviceTimer->stop();
    statusBar()->removeWidget(portAdvice);
    statusBar()->showMessage(tr("Ready"));
}

void MainWindow::on_failure_detected(int code)
{
    QString text;
    if (code == 0)
        text = tr("Bad Port Number : EXIT %1").arg(code);
    else if (code == 5)
        text = tr("Bad Port Number : DISCONNECTED");
    else
        text = tr("ERROR");
    dialogs->critical(nullptr, appTitle, text);
}
