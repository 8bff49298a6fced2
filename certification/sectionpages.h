// SPDX-License-Identifier: MIT
#ifndef LUMETRA_SECTIONPAGES_H
#define LUMETRA_SECTIONPAGES_H

#include "recordsection.h"

#include <QRectF>
#include <QVector>
#include <vector>

class ReportPainter;
struct RecordFigures;
struct ReportHeaderTexts;

// Records' sections on pages: two to a page while they fit half of it; a
// longer one takes the room it needs, and one longer than a page goes on over
// the next. Sizes in millimetres.
namespace SectionPages {

struct Section
{
    const RecordFigures *figures = nullptr;
    const ReportHeaderTexts *texts = nullptr;
    SectionMarks marks;
};

// A section, or the part of it on one page.
struct Part
{
    int section = 0;
    double top = 0.0;
    double bottom = 0.0;
    bool head = true; // else under a "continued" bar
    double noteFrom = 0.0;
    double noteTo = 0.0;
    bool table = true;
};

using Page = std::vector<Part>;

// The pages the sections take, the first from the top of body.
std::vector<Page> layout(
    const ReportPainter &measure, const QVector<Section> &sections, const QRectF &body);
void draw(const ReportPainter &page, const QVector<Section> &sections, const Page &parts,
    const QRectF &body);

} // namespace SectionPages

#endif
