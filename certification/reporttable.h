// SPDX-License-Identifier: MIT
#ifndef LUMETRA_REPORTTABLE_H
#define LUMETRA_REPORTTABLE_H

#include "reportpainter.h"

#include <QColor>
#include <QRectF>
#include <QString>
#include <QVector>
#include <vector>

// A table of a report under its heading, every cell's text whole on the lines
// it needs, that runs over as many pages as it needs with its column titles
// repeated. Sizes in millimetres; column widths are scaled to the width drawn in.
class ReportTable
{
public:
    struct Cell
    {
        QString text;
        QColor ink = Qt::black;
        bool bold = false;
    };
    struct Row
    {
        QVector<Cell> cells;
        QColor tint; // none: the stripes
    };
    // Rows first to first + count - 1 at top of a page.
    struct Part
    {
        int page = 0; // counted from the page the table starts on
        double top = 0.0;
        int first = 0;
        int count = 0;
    };

    ReportTable(const QString &heading, const QVector<ReportColumn> &columns);

    void addRow(const Row &row) { rows.append(row); }
    int rowCount() const { return rows.size(); }

    // Where the parts go, from top on the first page to *end on the last.
    std::vector<Part> layout(
        const ReportPainter &measure, const QRectF &body, double top, double *end) const;
    void draw(const ReportPainter &page, const Part &part, const QRectF &body) const;

private:
    double rowHeight(const ReportPainter &measure, int row, double width) const;
    double scale(double width) const;

    QString heading;
    QVector<ReportColumn> columns;
    QVector<Row> rows;
};

#endif
