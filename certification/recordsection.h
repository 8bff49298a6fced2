// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDSECTION_H
#define LUMETRA_RECORDSECTION_H

#include <QRectF>

class ReportPainter;
struct RecordFigures;
struct ReportHeaderTexts;

// One record of a certification report, half an A4 page: its header texts
// and note, its number, polarity, wavelength and threshold, the fiber table
// with the margin of every fiber, and the loss chart. area is in millimetres.
void drawRecordSection(const ReportPainter &page, const RecordFigures &figures,
    const ReportHeaderTexts &texts, const QRectF &area);

#endif
