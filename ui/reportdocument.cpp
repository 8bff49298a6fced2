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

bool ReportDocument::print(const QString &fileName, QString *errorString)
{
    // The printer tells only that it failed; the file tells why.
    QFile probe(fileName);
    if (!probe.open(QIODevice::WriteOnly)) {
        *errorString = probe.errorString();
        return false;
    }
    probe.close();

    QPrinter printer(QPrinter::ScreenResolution);
    setUpPrinter(printer, fileName);
    document.print(&printer);
    drawn = QPixmap();
    drawnName.clear();
    if (printer.printerState() == QPrinter::Error) {
        QFile::remove(fileName);
        *errorString = QStringLiteral("the PDF could not be written");
        return false;
    }
    return true;
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
    if (name != drawnName) {
        drawn = QPixmap(); // one decoded image at a time
        drawn.loadFromData(*png, "PNG");
        drawnName = name;
    }
    painter->drawPixmap(rect, drawn, QRectF(drawn.rect()));
}
