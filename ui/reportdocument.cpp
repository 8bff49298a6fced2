// SPDX-License-Identifier: MIT
#include "reportdocument.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QTextFormat>
#include <QUrl>
#include <algorithm>

ReportDocument::ReportDocument()
{
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    layoutImages = layout->handlerForObject(QTextFormat::ImageObject);
    // Printing lays the pages out on a copy of the document, which takes this handler along.
    layout->registerHandler(QTextFormat::ImageObject, this);
}

ReportDocument::~ReportDocument() = default;

QByteArray ReportDocument::addImage(const QString &name, const QPixmap &capture)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    capture.save(&buffer, "PNG");
    encoded.insert(name, png);

    // The layout reads the size in device-independent pixels.
    auto standIn = std::find_if(standIns.cbegin(), standIns.cend(), [&](const QPixmap &blank) {
        return blank.size() == capture.size()
            && blank.devicePixelRatio() == capture.devicePixelRatio();
    });
    if (standIn == standIns.cend()) {
        QPixmap blank(capture.size());
        blank.setDevicePixelRatio(capture.devicePixelRatio());
        blank.fill(Qt::white);
        standIns.append(blank);
        standIn = standIns.cend() - 1;
    }
    document.addResource(QTextDocument::ImageResource, QUrl(name), *standIn);
    return png;
}

void ReportDocument::setHtml(const QString &html)
{
    document.setHtml(html);
}

void ReportDocument::setUpPrinter(QPrinter &printer, const QString &fileName)
{
    // The resolution stays the printer's own: at a few dots per inch the
    // document draws its page numbers as black blocks and stretches the images.
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setColorMode(QPrinter::Color);
    printer.setOutputFileName(fileName);
}

WriteOutcome ReportDocument::print(
    const QString &fileName, const ProgressStep &progress, QString *errorString)
{
    QSaveFile out(fileName);
    QTemporaryFile printed;
    if (!out.open(QIODevice::WriteOnly) || !printed.open()) {
        *errorString = out.isOpen() ? printed.errorString() : out.errorString();
        return WriteOutcome::Failed;
    }
    printed.close(); // the printer opens it by name

    QPrinter printer(QPrinter::ScreenResolution);
    setUpPrinter(printer, printed.fileName());
    printing = progress;
    capturesDrawn = 0;
    cancelled = false;
    document.print(&printer);
    printing = nullptr;
    drawn = QPixmap();
    drawnName.clear();
    if (cancelled) {
        out.cancelWriting();
        return WriteOutcome::Cancelled;
    }
    if (printer.printerState() == QPrinter::Error || !printed.open()) {
        *errorString = QStringLiteral("the PDF could not be written");
        out.cancelWriting();
        return WriteOutcome::Failed;
    }
    while (!printed.atEnd()) {
        const QByteArray chunk = printed.read(1 << 20);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size())
            break;
    }
    if (!printed.atEnd() || !out.commit()) {
        *errorString = out.errorString();
        out.cancelWriting();
        return WriteOutcome::Failed;
    }
    return WriteOutcome::Written;
}

QSizeF ReportDocument::intrinsicSize(
    QTextDocument *doc, int posInDocument, const QTextFormat &format)
{
    return layoutImages->intrinsicSize(doc, posInDocument, format);
}

void ReportDocument::drawObject(QPainter *painter, const QRectF &rect, QTextDocument *doc,
    int posInDocument, const QTextFormat &format)
{
    const QString name = format.toImageFormat().name();
    const auto png = encoded.constFind(name);
    if (png == encoded.constEnd()) {
        layoutImages->drawObject(painter, rect, doc, posInDocument, format);
        return;
    }
    if (name != drawnName && printing) {
        cancelled = cancelled || !printing(++capturesDrawn, encoded.size());
        // The printer cannot be stopped; once cancelled, it runs on drawing nothing.
        if (cancelled)
            return;
    }
    if (name != drawnName) {
        drawn = QPixmap(); // one decoded image at a time
        drawn.loadFromData(*png, "PNG");
        drawnName = name;
    }
    painter->drawPixmap(rect, drawn, QRectF(drawn.rect()));
}
