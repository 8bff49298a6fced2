// SPDX-License-Identifier: MIT
#include "certificationreport.h"

#include "papersize.h"
#include "reportframe.h"
#include "reportpainter.h"
#include "sectionpages.h"
#include "summarypage.h"
#include "suspectmarks.h"

#include <QPainter>
#include <QPdfWriter>
#include <vector>

// Where things go on a page, in millimetres, and how many pages each part takes.
struct CertificationReport::Layout
{
    QSizeF paper;
    QRectF body;
    double factsHeight = 0.0;
    std::vector<int> summaryRows; // rows of the table on each summary page
    int summaryPages = 1;
    std::vector<SectionPages::Page> recordPages;

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
    for (int i = 0; i < records.size(); ++i)
        sections.append({ &summary.figures.at(i), &this->headers.at(i),
            SuspectMarks::forSection(summary.suspects.at(i)) });
}

void CertificationReport::setPageSize(QPageSize::PageSizeId id)
{
    pageSize = id;
}

void CertificationReport::setLogo(const QImage &image)
{
    logo = image;
}

CertificationReport::Layout CertificationReport::layout(const ReportPainter &measure) const
{
    Layout frame;
    frame.paper = ReportFrame::paper(pageSize);
    frame.body = ReportFrame::body(frame.paper);
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
    frame.recordPages = SectionPages::layout(measure, sections, body);
    return frame;
}

int CertificationReport::pageCount() const
{
    return ReportFrame::countPages(
        pageSize, [&](QPainter &painter) { return layout(ReportPainter(painter, true)).pages(); });
}

WriteOutcome CertificationReport::write(
    const QString &path, const ProgressStep &progress, QString *errorString) const
{
    return ReportFrame::write(
        path, pageSize, ReportText::tr("Certification Report"),
        [&](QPdfWriter &writer) { return paint(writer, progress); }, errorString);
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
        ReportFrame::draw(
            painter, frame.paper, logo, ReportText::tr("Certification Report"), index + 1, pages);
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
        SectionPages::draw(
            page, sections, frame.recordPages.at(size_t(index - frame.summaryPages)), body);
    }
    if (progress && !progress(pages, pages))
        return WriteOutcome::Cancelled;
    return painter.end() ? WriteOutcome::Written : WriteOutcome::Failed;
}
