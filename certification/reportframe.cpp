// SPDX-License-Identifier: MIT
#include "reportframe.h"

#include "reportpainter.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {
constexpr int resolution = 600; // dots per inch: fine enough for any line or glyph position
} // namespace

QSizeF ReportFrame::paper(QPageSize::PageSizeId pageSize)
{
    return QPageSize(pageSize).size(QPageSize::Millimeter);
}

QRectF ReportFrame::body(const QSizeF &paper)
{
    return QRectF(margin, margin + headerHeight, paper.width() - 2 * margin,
        paper.height() - 2 * margin - headerHeight - footerHeight);
}

void ReportFrame::setUp(QPdfWriter &writer, QPageSize::PageSizeId pageSize)
{
    writer.setResolution(resolution);
    writer.setPageSize(QPageSize(pageSize));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
}

void ReportFrame::draw(QPainter &painter, const QSizeF &paper, const QImage &logo,
    const QString &title, int page, int pages)
{
    const ReportPainter draw(painter);
    const double top = margin;
    if (!logo.isNull()) {
        const double height = 11.0;
        const double width = height * logo.width() / logo.height();
        painter.drawImage(draw.mm(QRectF(margin, top, width, height)), logo);
    }
    draw.text(QRectF(margin + 30.0, top, paper.width() - 2 * margin - 60.0, 11.0), title,
        draw.font(16, true), Qt::AlignHCenter | Qt::AlignVCenter);
    draw.line(QPointF(margin, top + 13.0), QPointF(paper.width() - margin, top + 13.0),
        QColor(0x55, 0x55, 0x55), 0.4);

    const double bottom = paper.height() - margin;
    draw.line(QPointF(margin, bottom - footerHeight + 2.0),
        QPointF(paper.width() - margin, bottom - footerHeight + 2.0), QColor(0x99, 0x99, 0x99),
        0.2);
    draw.text(QRectF(margin, bottom - 5.0, paper.width() - 2 * margin, 5.0),
        ReportText::tr("Page %1 of %2").arg(page).arg(pages), draw.font(8),
        Qt::AlignRight | Qt::AlignVCenter);
}

WriteOutcome ReportFrame::write(const QString &path, QPageSize::PageSizeId pageSize,
    const QString &title, const std::function<WriteOutcome(QPdfWriter &)> &paint,
    QString *errorString)
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
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Lumetra"));
        painted = paint(writer);
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

int ReportFrame::countPages(
    QPageSize::PageSizeId pageSize, const std::function<int(QPainter &)> &layout)
{
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter writer(&sink);
    setUp(writer, pageSize);
    QPainter painter(&writer);
    return layout(painter);
}
