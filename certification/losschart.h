// SPDX-License-Identifier: MIT
#ifndef LUMETRA_LOSSCHART_H
#define LUMETRA_LOSSCHART_H

#include <QRectF>

class ReportPainter;
struct RecordFigures;

// A bar per fiber of the loss it shows, coloured by its verdict, with the
// threshold drawn across as a dashed line. A fiber without a reading or
// whose loss shows "---" has "---" in its verdict's colour instead of a bar.
// area is in millimetres.
void drawLossChart(const ReportPainter &page, const RecordFigures &figures, const QRectF &area);

#endif
