// SPDX-License-Identifier: MIT
#include "reporttable.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QRegularExpression>
#include <algorithm>

namespace {
constexpr double headingHeight = 8.0;
constexpr double titlesHeight = 8.0;
constexpr double smallestRow = 4.8;
constexpr double cellFont = 7.5;

// A column's title on its lines, set smaller where a word of it would not fit.
QFont titleFont(const ReportPainter &page, const QString &title, double width)
{
    QFont font = page.font(7, true);
    const double room = page.mm(width);
    const QStringList words = title.split(QRegularExpression(QStringLiteral("\\s+")));
    const auto fits = [&](const QFont &tried) {
        const QFontMetricsF metrics(tried, page.painter().device());
        return std::all_of(words.begin(), words.end(),
            [&](const QString &word) { return metrics.horizontalAdvance(word) <= room; });
    };
    while (!fits(font) && font.pointSizeF() > 5.0)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    return font;
}
} // namespace

ReportTable::ReportTable(const QString &heading, const QVector<ReportColumn> &columns)
    : heading(heading)
    , columns(columns)
{
}

double ReportTable::scale(double width) const
{
    double design = 0;
    for (const ReportColumn &column : columns)
        design += column.width;
    return width / design;
}

double ReportTable::rowHeight(const ReportPainter &measure, int row, double width) const
{
    const double factor = scale(width);
    double height = smallestRow;
    const QVector<Cell> &cells = rows.at(row).cells;
    for (int c = 0; c < cells.size() && c < columns.size(); ++c)
        height = std::max(height,
            measure.lines(QRectF(0, 0, columns.at(c).width * factor - 1.0, 0), cells.at(c).text,
                measure.font(cellFont, cells.at(c).bold), Qt::black, Qt::AlignHCenter)
                + 1.0);
    return height;
}

std::vector<ReportTable::Part> ReportTable::layout(
    const ReportPainter &measure, const QRectF &body, double top, double *end) const
{
    std::vector<Part> parts;
    const ReportPainter measuring(measure.painter(), true);
    // The heading, the titles and a first row together.
    const double lead = headingHeight + titlesHeight;
    const double first = rows.isEmpty() ? 0.0 : rowHeight(measuring, 0, body.width());
    if (top > body.top() && top + lead + first > body.bottom())
        parts.push_back({ 1, body.top(), 0, 0 });
    else
        parts.push_back({ 0, top, 0, 0 });
    double y = parts.back().top + lead;
    for (int row = 0; row < rows.size(); ++row) {
        const double height = rowHeight(measuring, row, body.width());
        if (y + height > body.bottom() && parts.back().count > 0) {
            parts.push_back({ parts.back().page + 1, body.top(), row, 0 });
            y = body.top() + titlesHeight;
        }
        y += height;
        ++parts.back().count;
    }
    *end = y;
    return parts;
}

void ReportTable::draw(const ReportPainter &page, const Part &part, const QRectF &body) const
{
    double y = part.top;
    if (part.first == 0) {
        page.text(QRectF(body.left(), y, body.width(), headingHeight - 1.0), heading,
            page.font(11, true));
        y += headingHeight;
    }
    const double factor = scale(body.width());
    page.fill(QRectF(body.left(), y, body.width(), titlesHeight), QColor(0xe4, 0xe4, 0xe4));
    double x = body.left();
    for (const ReportColumn &column : columns) {
        const QString title = ReportText::tr(column.title);
        const double width = column.width * factor - 1.0;
        page.wrapped(QRectF(x + 0.5, y, width, titlesHeight), title, titleFont(page, title, width));
        x += column.width * factor;
    }
    y += titlesHeight;
    const ReportPainter measuring(page.painter(), true);
    for (int row = part.first; row < part.first + part.count; ++row) {
        const double height = rowHeight(measuring, row, body.width());
        const Row &shown = rows.at(row);
        if (shown.tint.isValid())
            page.fill(QRectF(body.left(), y, body.width(), height), shown.tint);
        else if (row % 2 == 1)
            page.fill(QRectF(body.left(), y, body.width(), height), QColor(0xf4, 0xf4, 0xf4));
        x = body.left();
        for (int c = 0; c < shown.cells.size() && c < columns.size(); ++c) {
            const double width = columns.at(c).width * factor;
            const Cell &cell = shown.cells.at(c);
            const QFont font = page.font(cellFont, cell.bold);
            const double used = measuring.lines(
                QRectF(0, 0, width - 1.0, 0), cell.text, font, Qt::black, Qt::AlignHCenter);
            page.lines(QRectF(x + 0.5, y + (height - used) / 2, width - 1.0, 0), cell.text, font,
                cell.ink, Qt::AlignHCenter);
            x += width;
        }
        y += height;
    }
    page.line(QPointF(body.left(), y), QPointF(body.right(), y), ruleInk(), 0.2);
}
