// SPDX-License-Identifier: MIT
#ifndef LUMETRA_SUMMARYPAGE_H
#define LUMETRA_SUMMARYPAGE_H

#include <QRectF>

class ReportPainter;
struct CertificationSummary;

// The summary at the head of a certification report: the job's header texts,
// the counts, the overall verdict, the smallest margin and the fibers without
// a reading, then a table with a row per record. All sizes in millimetres.
namespace SummaryPage {
constexpr double factsHeight = 62.0; // at the least
constexpr double tableHeaderHeight = 8.0;
constexpr double rowHeight = 4.8; // at the least

// Draws the facts at the top of area; returns the height they take.
double drawFacts(
    const ReportPainter &page, const CertificationSummary &summary, const QRectF &area);
// The height of a row of the table: more than rowHeight when its export time
// needs more than a line.
double tableRowHeight(
    const ReportPainter &page, const CertificationSummary &summary, int row, double width);
// Draws the table header at the top of area, then rows first to first + count - 1.
void drawTable(const ReportPainter &page, const CertificationSummary &summary, int first, int count,
    const QRectF &area);
} // namespace SummaryPage

#endif
