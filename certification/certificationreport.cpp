// SPDX-License-Identifier: MIT
#include "certificationreport.h"

#include "papersize.h"
#include "recordsection.h"
#include "reportpainter.h"
#include "summarypage.h"

#include <QBuffer>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr int resolution = 600; // dots per inch: fine enough for any line or glyph position
constexpr double margin = 12.0;
constexpr double headerHeight = 17.0;
constexpr double footerHeight = 8.0;
constexpr double sectionGap = 3.0; // above and below the rule between two records

// A record's section, or the part of it on one page.
struct SectionPart
{
    int record = 0;
    double top = 0.0;
    double bottom = 0.0;
    bool head = true; // else under a "continued" bar
    double noteFrom = 0.0;
    double noteTo = 0.0;
    bool table = true;
};

void setUp(QPdfWriter &writer, QPageSize::PageSizeId pageSize)
{
    writer.setResolution(resolution);
    writer.setPageSize(QPageSize(pageSize));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
}
} // namespace

// Where things go on a page, in millimetres, and how many pages each part takes.
struct CertificationReport::Layout
{
    QSizeF paper;
    QRectF body;
    double factsHeight = 0.0;
    std::vector<int> summaryRows; // rows of the table on each summary page
    int summaryPages = 1;
    std::vector<std::vector<SectionPart>> recordPages;

    int pages() const { return summaryPages + int(recordPages.size()); }
};

CertificationReport::CertificationReport(
    const QVector<TestRecord> &records, const QVector<ReportHeaderTexts> &headers)
    : summary(summarizeRecords(records, headers))
    , headers(headers.mid(0, records.size()))
    , pageSize(systemPaperSize())
    , logo(QStringLiteral(":/images/Tavolin.png"))
{
    this->headers.resize(records.size());
}

void CertificationReport::setPageSize(QPageSize::PageSizeId id)
{
    pageSize = id;
}

void CertificationReport::setLogo(const QImage &image)
{
    logo = image;
}

// Records go two to a page while they fit half of it; a longer one takes the
// room it needs, and one longer than a page goes on over the next.
CertificationReport::Layout CertificationReport::layout(const ReportPainter &measure) const
{
    Layout frame;
    frame.paper = QPageSize(pageSize).size(QPageSize::Millimeter);
    frame.body = QRectF(margin, margin + headerHeight, frame.paper.width() - 2 * margin,
        frame.paper.height() - 2 * margin - headerHeight - footerHeight);
    const QRectF body = frame.body;
    frame.factsHeight = SummaryPage::drawFacts(measure, summary, body);
    const double tableSpace = body.height() - SummaryPage::tableHeaderHeight;
    double space = tableSpace - frame.factsHeight;
    int rows = 0;
    for (int record = 0; record < summary.records; ++record) {
        const double height = SummaryPage::tableRowHeight(measure, summary, record, body.width());
        if (height > space && (rows > 0 || frame.summaryRows.empty())) {
            frame.summaryRows.push_back(rows);
            rows = 0;
            space = tableSpace;
        }
        space -= height;
        ++rows;
    }
    frame.summaryRows.push_back(rows);
    frame.summaryPages = int(frame.summaryRows.size());

    const double half = body.height() / 2;
    const double slot = half - sectionGap;
    double y = body.top(); // below the last section on the page
    const auto newPage = [&]() {
        frame.recordPages.emplace_back();
        y = body.top();
    };
    for (int record = 0; record < summary.records; ++record) {
        if (frame.recordPages.empty())
            newPage();
        const RecordSection section(
            measure, summary.figures.at(record), headers.at(record), body.left(), body.width());
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
            frame.recordPages.back().push_back(
                SectionPart { record, top, top + slot, true, 0.0, noteHeight, true });
            y = top + slot;
            continue;
        }
        double top = y <= body.top() ? y : y + 2 * sectionGap;
        if (top + need > body.bottom() && top > body.top()) {
            newPage();
            top = body.top();
        }
        SectionPart part;
        part.record = record;
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
            frame.recordPages.back().push_back(part);
            y = part.bottom;
            if (part.table)
                break;
            newPage();
            top = body.top();
            part.head = false;
            part.noteFrom = part.noteTo;
        }
    }
    return frame;
}

int CertificationReport::pageCount() const
{
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter writer(&sink);
    setUp(writer, pageSize);
    QPainter painter(&writer);
    return layout(ReportPainter(painter, true)).pages();
}

WriteOutcome CertificationReport::write(
    const QString &path, const ProgressStep &progress, QString *errorString) const
{
    QSaveFile file(path);
    const auto failed = [&](const QString &why) {
        if (errorString)
            *errorString = why;
        file.cancelWriting();
        return WriteOutcome::Failed;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    WriteOutcome painted = WriteOutcome::Failed;
    {
        QPdfWriter writer(&file);
        setUp(writer, pageSize);
        writer.setTitle(ReportText::tr("Certification Report"));
        writer.setCreator(QStringLiteral("Lumetra"));
        painted = paint(writer, progress);
    }
    if (painted == WriteOutcome::Cancelled) {
        file.cancelWriting();
        return WriteOutcome::Cancelled;
    }
    if (painted == WriteOutcome::Failed || file.error() != QFileDevice::NoError)
        return failed(file.error() != QFileDevice::NoError
                ? file.errorString()
                : ReportText::tr("the PDF could not be drawn"));
    if (!file.commit())
        return failed(file.errorString());
    return WriteOutcome::Written;
}

WriteOutcome CertificationReport::paint(QPdfWriter &writer, const ProgressStep &progress) const
{
    QPainter painter;
    if (!painter.begin(&writer))
        return WriteOutcome::Failed;
    painter.setRenderHint(QPainter::Antialiasing);
    const ReportPainter page(painter);
    const Layout frame = layout(ReportPainter(painter, true));
    const int pages = frame.pages();
    const QRectF body = frame.body;

    int row = 0;
    for (int index = 0; index < pages; ++index) {
        if (progress && !progress(index, pages))
            return WriteOutcome::Cancelled;
        if (index > 0)
            writer.newPage();
        drawFrame(painter, frame, index + 1, pages);
        if (index == 0) {
            SummaryPage::drawFacts(page, summary, body);
            const QRectF table(body.left(), body.top() + frame.factsHeight, body.width(),
                body.height() - frame.factsHeight);
            SummaryPage::drawTable(page, summary, row, frame.summaryRows.front(), table);
            row += frame.summaryRows.front();
            continue;
        }
        if (index < frame.summaryPages) {
            const int rows = frame.summaryRows.at(size_t(index));
            SummaryPage::drawTable(page, summary, row, rows, body);
            row += rows;
            continue;
        }
        for (const SectionPart &part : frame.recordPages.at(size_t(index - frame.summaryPages))) {
            if (part.top > body.top())
                page.line(QPointF(body.left(), part.top - sectionGap),
                    QPointF(body.right(), part.top - sectionGap), QColor(0x99, 0x99, 0x99), 0.3);
            const RecordSection section(page, summary.figures.at(part.record),
                headers.at(part.record), body.left(), body.width());
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
    if (progress && !progress(pages, pages))
        return WriteOutcome::Cancelled;
    return painter.end() ? WriteOutcome::Written : WriteOutcome::Failed;
}

// The logo and title above, the page number below, on every page.
void CertificationReport::drawFrame(
    QPainter &painter, const Layout &frame, int page, int pages) const
{
    const ReportPainter draw(painter);
    const double top = margin;
    if (!logo.isNull()) {
        const double height = 11.0;
        const double width = height * logo.width() / logo.height();
        painter.drawImage(draw.mm(QRectF(margin, top, width, height)), logo);
    }
    draw.text(QRectF(margin + 30.0, top, frame.paper.width() - 2 * margin - 60.0, 11.0),
        ReportText::tr("Certification Report"), draw.font(16, true),
        Qt::AlignHCenter | Qt::AlignVCenter);
    draw.line(QPointF(margin, top + 13.0), QPointF(frame.paper.width() - margin, top + 13.0),
        QColor(0x55, 0x55, 0x55), 0.4);

    const double bottom = frame.paper.height() - margin;
    draw.line(QPointF(margin, bottom - footerHeight + 2.0),
        QPointF(frame.paper.width() - margin, bottom - footerHeight + 2.0),
        QColor(0x99, 0x99, 0x99), 0.2);
    draw.text(QRectF(margin, bottom - 5.0, frame.paper.width() - 2 * margin, 5.0),
        ReportText::tr("Page %1 of %2").arg(page).arg(pages), draw.font(8),
        Qt::AlignRight | Qt::AlignVCenter);
}
