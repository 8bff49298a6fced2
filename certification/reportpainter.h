// SPDX-License-Identifier: MIT
#ifndef LUMETRA_REPORTPAINTER_H
#define LUMETRA_REPORTPAINTER_H

#include "verdict.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

// Draws the report's text and lines in millimetres from the page's top-left
// corner, in the report's one font family; text stays text in the PDF. A
// measuring painter draws nothing: the same code then tells how tall things are.
class ReportPainter
{
public:
    explicit ReportPainter(QPainter &painter, bool measuring = false);

    QPainter &painter() const { return *p; }
    bool isMeasuring() const { return measuring; }
    double mm(double millimetres) const;
    QRectF mm(const QRectF &millimetres) const;

    QFont font(double pointSize, bool bold = false) const;

    // One line in rect, for the report's own texts and numbers. A text too
    // wide is set smaller, down to 70 %, and then shortened with an ellipsis.
    void text(const QRectF &rect, const QString &text, const QFont &font,
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter,
        const QColor &color = Qt::black) const;
    // Word-wrapped lines in rect, at the font's size.
    void wrapped(const QRectF &rect, const QString &text, const QFont &font,
        Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignVCenter) const;
    // Every word of text from the top of rect on as many lines as its width
    // needs; a word longer than a line is broken. Returns the height taken.
    double lines(const QRectF &rect, const QString &text, const QFont &font,
        const QColor &color = Qt::black, Qt::Alignment alignment = Qt::AlignLeft) const;
    void fill(const QRectF &rect, const QColor &color) const;
    void frame(const QRectF &rect, const QColor &color, double widthMm = 0.2) const;
    void line(const QPointF &from, const QPointF &to, const QColor &color, double widthMm = 0.2,
        Qt::PenStyle style = Qt::SolidLine) const;

    // A grey label in labelWidth, then the whole value, on the line's height
    // or on more lines below it. Returns the height taken.
    double labelled(
        const QRectF &line, double labelWidth, const QString &label, const QString &value) const;

private:
    QPainter *p;
    double unitsPerMm;
    bool measuring;
};

// The report's texts, for translation: one context for all its files.
class ReportText
{
    Q_DECLARE_TR_FUNCTIONS(CertificationReport)
};

// A column of a report table: its title and its width on an A4 page, in millimetres.
struct ReportColumn
{
    const char *title;
    double width;
};

// The grey of labels and rules.
QColor labelInk();
QColor ruleInk();

// The colour of suspect readings: advice, not a verdict.
QColor suspectInk();

// The colours of the window's verdicts, and the tints of their table rows.
QColor verdictInk(Verdict verdict);
QColor verdictTint(Verdict verdict);

#endif
