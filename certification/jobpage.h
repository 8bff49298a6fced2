// SPDX-License-Identifier: MIT
#ifndef LUMETRA_JOBPAGE_H
#define LUMETRA_JOBPAGE_H

#include <QImage>
#include <QRectF>

class ReportPainter;
struct JobSummary;

// Page 1 of a job's report: whether the job is complete and passed, what the
// job is, when and by whom and with what it was tested, the counts, the
// smallest margin, and the contractor's logo. Sizes in millimetres.
namespace JobPage {
// Draws the facts at the top of area; returns the height they take.
double drawFacts(
    const ReportPainter &page, const JobSummary &summary, const QImage &logo, const QRectF &area);
} // namespace JobPage

#endif
