// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "busycursor.h"
#include "configrun.h"
#include "dialoghost.h"
#include "listofuid.h"
#include "reportdocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPixmap>
#include <QSaveFile>
#include <QUrl>

// PDF reports of the record shown and of every record. Each report is the
// report page rendered by itself, so that no window lying over it can end up
// in a customer's report.

namespace {
void makeReportFolders()
{
    QDir().mkpath(QStringLiteral("./reports"));
    QDir().mkpath(QStringLiteral("./data"));
}

// The page as the screen shows it, but at most two pixels to a design pixel:
// on a screen of 250 % more would make the files larger, not the print sharper.
QPixmap capture(QWidget &page)
{
    constexpr qreal finest = 2.0;
    QPixmap shown = page.grab();
    if (shown.devicePixelRatio() <= finest)
        return shown;
    QPixmap capped
        = shown.scaled(page.size() * finest, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    capped.setDevicePixelRatio(finest);
    return capped;
}

// Renders the page, leaves its PNG copy at pngPath (a failure to write it is
// not reported) and adds it to the document under "mydata://" + pngPath.
void captureInto(ReportDocument &document, QWidget &page, const QString &pngPath)
{
    const QByteArray png = document.addImage(QStringLiteral("mydata://") + pngPath, capture(page));
    QSaveFile copy(pngPath);
    if (copy.open(QIODevice::WriteOnly) && copy.write(png) == png.size())
        copy.commit();
}

QString imageTag(const QString &pngPath)
{
    return QStringLiteral("<img src='mydata://%1' border='0' />").arg(pngPath);
}
} // namespace

void MainWindow::printFile()
{
    if (!recordViewsOpen())
        return;
    ReportDocument document;
    const QString pngPath = QStringLiteral("data/record.png");
    makeReportFolders();
    QString suggested = QStringLiteral("./reports/Report_");
    const QListWidgetItem *current = connectionPanel->List_Records->currentItem();
    if (connectionPanel->List_Records->count() > 0 && current)
        suggested += current->text();
    captureInto(document, *reportWindow, pngPath);
    document.setHtml(
        QStringLiteral("<html><body><h1></h1>") + imageTag(pngPath) + "</body></html>");
    printReport(document, suggested);
}

void MainWindow::printAll()
{
    if (!recordViewsOpen())
        return;
    makeReportFolders();
    const int listed = connectionPanel->List_Records->count();
    QString suggested = QStringLiteral("./reports/Report_");
    if (listed > 0)
        suggested += tr("All_%1").arg(listed);

    ReportDocument document;
    QString html = listed > 0 ? QStringLiteral("<html><body><h1></h1>") : QString();
    {
        const BusyCursor busy;
        const std::unique_ptr<ProgressIndicator> progress
            = dialogs->progress(this, tr("Capturing the reports..."));
        // The count is read on every pass: records arriving meanwhile are printed too.
        for (int row = 0; row < connectionPanel->List_Records->count(); ++row) {
            if (!progress->step(row, connectionPanel->List_Records->count()))
                return; // before anything is asked or written
            if (!recordViewsOpen())
                return;
            connectionPanel->List_Records->setCurrentRow(row);
            // Repaints and delivers arriving records; input waits until the
            // reports are captured.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            if (!recordViewsOpen())
                return;
            // A batch that arrived meanwhile shows its own last record.
            connectionPanel->List_Records->setCurrentRow(row);
            const QString pngPath = QStringLiteral("data/rec%1.png").arg(row);
            captureInto(document, *reportWindow, pngPath);
            html += imageTag(pngPath);
        }
    }
    document.setHtml(html + QStringLiteral("</body></html>"));
    printReport(document, suggested);
}

// Asks for the PDF's name, prints and has the desktop show the result. A name
// with another suffix prints nothing; only a PDF just written is opened.
void MainWindow::printReport(ReportDocument &document, const QString &suggestedName)
{
    const QString chosen = dialogs->getSaveFileName(this, tr("Select output file"), suggestedName,
        tr("PDF Files(*.pdf)"), QStringLiteral("pdf"));
    if (chosen.isEmpty())
        return;
    const QString name = withDefaultSuffix(chosen, QStringLiteral("pdf"));
    if (!name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return;
    const bool printed = writeWithProgress(name, tr("Writing the PDF..."),
        [&](const ProgressStep &step, QString *why) { return document.print(name, step, why); });
    if (printed)
        dialogs->openUrl(QUrl::fromLocalFile(QFileInfo(name).absoluteFilePath()));
}

bool MainWindow::writeWithProgress(const QString &name, const QString &label,
    const std::function<WriteOutcome(const ProgressStep &, QString *)> &write)
{
    QString why;
    WriteOutcome outcome = WriteOutcome::Failed;
    {
        const BusyCursor busy;
        const std::unique_ptr<ProgressIndicator> progress = dialogs->progress(this, label);
        outcome = write([&](int done, int total) { return progress->step(done, total); }, &why);
    }
    if (outcome == WriteOutcome::Failed)
        dialogs->warning(this, appTitle, tr("Cannot write file %1:\n%2.").arg(name, why));
    return outcome == WriteOutcome::Written;
}
