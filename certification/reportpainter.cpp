// SPDX-License-Identifier: MIT
#include "reportpainter.h"

#include "recordverdict.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPen>

ReportPainter::ReportPainter(QPainter &painter)
    : p(&painter)
    , unitsPerMm(painter.device()->logicalDpiX() / 25.4)
{
}

double ReportPainter::mm(double millimetres) const
{
    return millimetres * unitsPerMm;
}

QRectF ReportPainter::mm(const QRectF &millimetres) const
{
    return QRectF(mm(millimetres.x()), mm(millimetres.y()), mm(millimetres.width()),
        mm(millimetres.height()));
}

QFont ReportPainter::font(double pointSize, bool bold) const
{
    // Installed with the package on Linux; elsewhere the system's sans serif stands
    // in. Chinese texts, a report's and a user's, take their glyphs from the second.
    QFont font;
    font.setFamilies({ QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC") });
    // Unshaped, Latin text has no ligatures: a search for "fiber" finds every fiber.
    font.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void ReportPainter::text(const QRectF &rect, const QString &text, const QFont &font,
    Qt::Alignment alignment, const QColor &color) const
{
    const QRectF box = mm(rect);
    QFont fitted = font;
    QFontMetricsF metrics(fitted, p->device());
    const double smallest = font.pointSizeF() * 0.7;
    while (metrics.horizontalAdvance(text) > box.width() && fitted.pointSizeF() > smallest) {
        fitted.setPointSizeF(qMax(smallest, fitted.pointSizeF() - 0.5));
        metrics = QFontMetricsF(fitted, p->device());
    }
    p->setFont(fitted);
    p->setPen(color);
    p->drawText(box, int(alignment) | Qt::TextSingleLine,
        metrics.elidedText(text, Qt::ElideRight, box.width()));
}

void ReportPainter::wrapped(
    const QRectF &rect, const QString &text, const QFont &font, Qt::Alignment alignment) const
{
    p->setFont(font);
    p->setPen(Qt::black);
    p->drawText(mm(rect), int(alignment) | Qt::TextWordWrap, text);
}

void ReportPainter::fill(const QRectF &rect, const QColor &color) const
{
    p->fillRect(mm(rect), color);
}

void ReportPainter::frame(const QRectF &rect, const QColor &color, double widthMm) const
{
    p->setPen(QPen(color, mm(widthMm)));
    p->setBrush(Qt::NoBrush);
    p->drawRect(mm(rect));
}

void ReportPainter::line(const QPointF &from, const QPointF &to, const QColor &color,
    double widthMm, Qt::PenStyle style) const
{
    QPen pen(color, mm(widthMm));
    pen.setStyle(style);
    p->setPen(pen);
    p->drawLine(QPointF(mm(from.x()), mm(from.y())), QPointF(mm(to.x()), mm(to.y())));
}

void ReportPainter::labelled(
    const QRectF &line, double labelWidth, const QString &label, const QString &value) const
{
    text(QRectF(line.left(), line.top(), labelWidth, line.height()), label, font(7.5),
        Qt::AlignLeft | Qt::AlignVCenter, labelInk());
    text(QRectF(
             line.left() + labelWidth, line.top(), line.width() - labelWidth - 1.0, line.height()),
        value, font(8.5));
}

QColor labelInk()
{
    return QColor(0x55, 0x55, 0x55);
}

QColor ruleInk()
{
    return QColor(0x99, 0x99, 0x99);
}

QColor verdictInk(const QString &verdictText)
{
    const std::optional<Qt::GlobalColor> color = verdictColor(verdictText);
    return color ? QColor(*color) : QColor(Qt::black);
}

QColor verdictTint(const QString &verdictText)
{
    const std::optional<Qt::GlobalColor> color = verdictColor(verdictText);
    if (!color)
        return QColor(0xee, 0xee, 0xee);
    // Opaque: transparency would make every page of the PDF heavier.
    const QColor ink(*color);
    const auto pale = [](int channel) { return 255 - (255 - channel) * 18 / 100; };
    return QColor(pale(ink.red()), pale(ink.green()), pale(ink.blue()));
}
