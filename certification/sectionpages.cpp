// SPDX-License-Identifier: MIT
#include "sectionpages.h"

#include "recordfigures.h"
#include "reportheadertexts.h"
#include "reportpainter.h"

#include <algorithm>

namespace {
constexpr double sectionGap = 3.0; // above and below the rule between two sections

RecordSection sectionOn(
    const ReportPainter &page, const SectionPages::Section &section, const QRectF &body)
{
    return RecordSection(
        page, *section.figures, *section.texts, body.left(), body.width(), section.marks);
}
} // namespace

std::vector<SectionPages::Page> SectionPages::layout(
    const ReportPainter &measure, const QVector<Section> &sections, const QRectF &body)
{
    std::vector<Page> pages;
    const double half = body.height() / 2;
    const double slot = half - sectionGap;
    double y = body.top(); // below the last section on the page
    const auto newPage = [&]() {
        pages.emplace_back();
        y = body.top();
    };
    for (int index = 0; index < sections.size(); ++index) {
        if (pages.empty())
            newPage();
        const RecordSection section = sectionOn(measure, sections.at(index), body);
        const QVector<double> &breaks = section.noteBreaks();
        const double noteHeight = breaks.isEmpty() ? 0.0 : breaks.last();
        const double head = section.headHeight();
        const double tableHeight = RecordSection::smallestTableHeight();
        const double need = head + section.noteRoom(0.0, noteHeight, true) + tableHeight;
        if (need <= slot) {
            double top = body.top() + half + sectionGap;
            if (y <= body.top())
                top = body.top();
            else if (y > body.top() + slot + 0.01) {
                newPage();
                top = body.top();
            }
            pages.back().push_back(Part { index, top, top + slot, true, 0.0, noteHeight, true });
            y = top + slot;
            continue;
        }
        double top = y <= body.top() ? y : y + 2 * sectionGap;
        if (top + need > body.bottom() && top > body.top()) {
            newPage();
            top = body.top();
        }
        Part part;
        part.section = index;
        for (;;) {
            const double lead = part.head ? head : RecordSection::continuedHeight();
            part.top = top;
            part.noteTo = part.noteFrom;
            for (const double cut : breaks) {
                if (cut > part.noteFrom
                    && (top + lead + section.noteRoom(part.noteFrom, cut, part.head)
                            <= body.bottom()
                        || part.noteTo == part.noteFrom)) // a line at least on every page
                    part.noteTo = cut;
            }
            const double used = lead + section.noteRoom(part.noteFrom, part.noteTo, part.head);
            part.table
                = part.noteTo >= noteHeight && top + used + tableHeight <= body.bottom() + 0.01;
            // The table as roomy as in a half page, where the page has the room.
            part.bottom = top + used
                + (part.table
                        ? std::min(RecordSection::largestTableHeight(), body.bottom() - top - used)
                        : 0.0);
            pages.back().push_back(part);
            y = part.bottom;
            if (part.table)
                break;
            newPage();
            top = body.top();
            part.head = false;
            part.noteFrom = part.noteTo;
        }
    }
    return pages;
}

void SectionPages::draw(const ReportPainter &page, const QVector<Section> &sections,
    const Page &parts, const QRectF &body)
{
    for (const Part &part : parts) {
        if (part.top > body.top())
            page.line(QPointF(body.left(), part.top - sectionGap),
                QPointF(body.right(), part.top - sectionGap), QColor(0x99, 0x99, 0x99), 0.3);
        const RecordSection section = sectionOn(page, sections.at(part.section), body);
        double y = part.top;
        if (part.head) {
            y += section.drawHead(y);
        } else {
            section.drawContinued(y);
            y += RecordSection::continuedHeight();
        }
        section.drawNote(y, part.noteFrom, part.noteTo, part.head);
        y += section.noteRoom(part.noteFrom, part.noteTo, part.head);
        if (part.table)
            section.drawTable(y, part.bottom);
    }
}
