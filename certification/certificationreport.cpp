// SPDX-License-Identifier: MIT
#include "certificationreport.h"

#include "papersize.h"
#include "recordsection.h"
#include "reportpainter.h"
#include "summarypage.h"

#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

namespace {
constexpr int resolution = 600; // dots per inch: fine enough for any line or glyph position
constexpr double margin = 12.0;
constexpr double headerHeight = 17.0;
constexpr double footerHeight = 8.0;
constexpr int recordsPerPage = 2;
} // namespace

// Where things go on a page, in millimetres, and how many pages each part takes.
struct CertificationReport::Layout
{
    QSizeF paper;
    QRectF body;
    int firstPageRows = 0;
    int nextPageRows = 0;
    int summaryPages = 1;
    int recordPages = 0;
};

CertificationReport::CertificationReport(
    const QVector<TestRecord> &records, const QVector<ReportHeaderTexts> &headers)
    : summary(summarizeRecords(records, headers))
    , headers(headers.mid(0, records.size()))
    , pageSize(paperSizeFor(QLocale::system()))
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

CertificationReport::Layout CertificationReport::layout() const
{
    Layout frame;
    frame.paper = QPageSize(pageSize).size(QPageSize::Millimeter);
    frame.body = QRectF(margin, margin + headerHeight, frame.paper.width() - 2 * margin,
        frame.paper.height() - 2 * margin - headerHeight - footerHeight);
    const double tableSpace = frame.body.height() - SummaryPage::tableHeaderHeight;
    frame.firstPageRows
        = std::max(0, int((tableSpace - SummaryPage::factsHeight) / SummaryPage::rowHeight));
    frame.nextPageRows = std::max(1, int(tableSpace / SummaryPage::rowHeight));
    const int rest = std::max(0, summary.records - frame.firstPageRows);
    frame.summaryPages = 1 + (rest + frame.nextPageRows - 1) / frame.nextPageRows;
    frame.recordPages = (summary.records + recordsPerPage - 1) / recordsPerPage;
    return frame;
}

int CertificationReport::pageCount() const
{
    const Layout frame = layout();
    return frame.summaryPages + frame.recordPages;
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
        writer.setResolution(resolution);
        writer.setPageSize(QPageSize(pageSize));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
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
    const Layout frame = layout();
    const int pages = frame.summaryPages + frame.recordPages;
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
            const QRectF table(body.left(), body.top() + SummaryPage::factsHeight, body.width(),
                body.height() - SummaryPage::factsHeight);
            SummaryPage::drawTable(page, summary, row, frame.firstPageRows, table);
            row += frame.firstPageRows;
        } else if (index < frame.summaryPages) {
            SummaryPage::drawTable(page, summary, row, frame.nextPageRows, body);
            row += frame.nextPageRows;
        } else {
            const int first = (index - frame.summaryPages) * recordsPerPage;
            const double height = body.height() / recordsPerPage;
            for (int slot = 0; slot < recordsPerPage && first + slot < summary.records; ++slot) {
                const int record = first + slot;
                const QRectF area(body.left(), body.top() + slot * height + (slot > 0 ? 3.0 : 0.0),
                    body.width(), height - 3.0);
                if (slot > 0)
                    page.line(QPointF(body.left(), area.top() - 3.0),
                        QPointF(body.right(), area.top() - 3.0), QColor(0x99, 0x99, 0x99), 0.3);
                drawRecordSection(page, summary.figures.at(record), headers.at(record), area);
            }
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
