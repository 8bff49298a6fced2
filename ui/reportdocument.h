// SPDX-License-Identifier: MIT
#ifndef LUMETRA_REPORTDOCUMENT_H
#define LUMETRA_REPORTDOCUMENT_H

#include "progressstep.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QVector>

class QPrinter;

// Captured report pages in an HTML text document, printed to an A4 PDF.
//
// The text document lays the pages out and prints them as it would any
// document, but it holds each capture only as its PNG encoding: the layout
// measures a shared blank image of the same size, and a capture is decoded
// only while it is drawn. A long list thus costs a few tens of kilobytes per
// report instead of a full-size image each.
class ReportDocument : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    ReportDocument();
    ~ReportDocument() override;

    // Adds capture as the image whose source in the HTML text is name, and
    // returns its PNG encoding.
    QByteArray addImage(const QString &name, const QPixmap &capture);
    void setHtml(const QString &html);

    // The printer every report is printed on: A4, 10 mm margins, colour, PDF.
    static void setUpPrinter(QPrinter &printer, const QString &fileName);
    // Prints the document into fileName, all or nothing: the printer writes a
    // file of its own, which replaces fileName only once it is whole. progress
    // counts the captures drawn; errorString says why a print failed.
    WriteOutcome print(const QString &fileName, const ProgressStep &progress, QString *errorString);

    QSizeF intrinsicSize(QTextDocument *doc, int posInDocument, const QTextFormat &format) override;
    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *doc, int posInDocument,
        const QTextFormat &format) override;

private:
    QTextDocument document;
    // The layout's own image handler: it sizes each image from its stand-in.
    QTextObjectInterface *layoutImages;
    QVector<QPixmap> standIns; // one blank image per size of capture
    QHash<QString, QByteArray> encoded;
    // Each page draws the last image of the page before again, clipped away:
    // keeping it decoded puts it into the PDF once.
    QString drawnName;
    QPixmap drawn;
    ProgressStep printing;
    int capturesDrawn = 0;
    bool cancelled = false;
};

#endif
