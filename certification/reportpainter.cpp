// SPDX-License-Identifier: MIT
#include "reportpainter.h"


#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPen>
#include <QTextLayout>
#include <algorithm>

ReportPainter::ReportPainter(QPainter &painter, bool measuring)
    : p(&painter)
    , unitsPerMm(painter.device()->logicalDpiX() / 25.4)
    , measuring(measuring)
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
    if (measuring)
        return;
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
    if (measuring)
        return;
    p->setFont(font);
    p->setPen(Qt::black);
    p->drawText(mm(rect), int(alignment) | Qt::TextWordWrap, text);
}

double ReportPainter::lines(const QRectF &rect, const QString &text, const QFont &font,
    const QColor &color, Qt::Alignment alignment) const
{
    QString shown = text;
    shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(shown, font, p->device());
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    double height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(mm(rect.width()));
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    if (!measuring) {
        p->setPen(color);
        layout.draw(p, mm(rect).topLeft());
    }
    return std::max(height, QFontMetricsF(font, p->device()).height()) / unitsPerMm;
}

void ReportPainter::fill(const QRectF &rect, const QColor &color) const
{
    if (!measuring)
        p->fillRect(mm(rect), color);
}

void ReportPainter::frame(const QRectF &rect, const QColor &color, double widthMm) const
{
    if (measuring)
        return;
    p->setPen(QPen(color, mm(widthMm)));
    p->setBrush(Qt::NoBrush);
    p->drawRect(mm(rect));
}

void ReportPainter::line(const QPointF &from, const QPointF &to, const QColor &color,
    double widthMm, Qt::PenStyle style) const
{
    if (measuring)
        return;
    QPen pen(color, mm(widthMm));
    pen.setStyle(style);
    p->setPen(pen);
    p->drawLine(QPointF(mm(from.x()), mm(from.y())), QPointF(mm(to.x()), mm(to.y())));
}

double ReportPainter::labelled(
    const QRectF &line, double labelWidth, const QString &label, const QString &value) const
{
    text(QRectF(line.left(), line.top(), labelWidth, line.height()), label, font(7.5),
        Qt::AlignLeft | Qt::AlignVCenter, labelInk());
    const QFont valueFont = font(8.5);
    // The first line where a single line would sit.
    const double inset = std::max(
        0.0, (line.height() - QFontMetricsF(valueFont, p->device()).height() / unitsPerMm) / 2);
    const double height = lines(
        QRectF(line.left() + labelWidth, line.top() + inset, line.width() - labelWidth - 1.0, 0.0),
        value, valueFont);
    return std::max(line.height(), height + 2 * inset);
}

QColor labelInk()
{
    return QColor(0x55, 0x55, 0x55);
}

QColor ruleInk()
{
    return QColor(0x99, 0x99, 0x99);
}

QColor suspectInk()
{
    return QColor(0xb0, 0x5a, 0x00);
}

QColor verdictInk(Verdict verdict)
{
    const std::optional<Qt::GlobalColor> color = verdictColor(verdict);
    return color ? QColor(*color) : QColor(Qt::black);
}

QColor verdictTint(Verdict verdict)
{
    const std::optional<Qt::GlobalColor> color = verdictColor(verdict);
    if (!color)
        return QColor(0xee, 0xee, 0xee);
    // Opaque: transparency would make every page of the PDF heavier.
    const QColor ink(*color);
    const auto pale = [](int channel) { return 255 - (255 - channel) * 18 / 100; };
    return QColor(pale(ink.red()), pale(ink.green()), pale(ink.blue()));
}
