// SPDX-License-Identifier: MIT
#include "recordsection.h"

#include "losschart.h"
#include "recordfigures.h"
#include "reportheadertexts.h"
#include "reportpainter.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QStringList>
#include <QTextDocument>
#include <algorithm>
#include <array>

namespace {

constexpr double lineHeight = 4.6;
constexpr double labelWidth = 24.0;
constexpr double noteHeight = 12.0;
constexpr double fiberHeaderHeight = 8.0;
constexpr double smallestRowHeight = 4.3;
constexpr double largestRowHeight = 5.6;

constexpr std::array<ReportColumn, 7> fiberColumns = { {
    { QT_TRANSLATE_NOOP("CertificationReport", "Fiber"), 10 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Wavelength (nm)"), 17 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Power (dBm)"), 17 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Loss (dB)"), 15 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Threshold (dB)"), 17 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Margin (dB)"), 16 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Verdict"), 14 },
} };

// The note as the window shows it, made smaller to fit its box if need be;
// false when the note is empty.
bool drawNote(const ReportPainter &page, const QString &html, const QRectF &area)
{
    QTextDocument note;
    QPainter &painter = page.painter();
    note.documentLayout()->setPaintDevice(painter.device());
    note.setDefaultFont(page.font(8.5));
    note.setDocumentMargin(0);
    note.setHtml(html);
    if (note.toPlainText().trimmed().isEmpty())
        return false;
    const QRectF box = page.mm(area);
    const double scale = std::max(0.6, std::min(1.0, box.height() / note.size().height()));
    note.setTextWidth(box.width() / scale);
    const double fitted = std::max(0.6, std::min(1.0, box.height() / note.size().height()));
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(fitted, fitted);
    note.drawContents(&painter, QRectF(0, 0, box.width() / fitted, box.height() / fitted));
    painter.restore();
    return true;
}

void drawFiberTable(
    const ReportPainter &page, const RecordFigures &figures, const QRectF &area, double rowHeight)
{
    double designWidth = 0;
    for (const ReportColumn &column : fiberColumns)
        designWidth += column.width;
    const double scale = area.width() / designWidth;

    page.fill(
        QRectF(area.left(), area.top(), area.width(), fiberHeaderHeight), QColor(0xe4, 0xe4, 0xe4));
    double x = area.left();
    for (const ReportColumn &column : fiberColumns) {
        page.wrapped(QRectF(x + 0.5, area.top(), column.width * scale - 1.0, fiberHeaderHeight),
            ReportText::tr(column.title), page.font(7, true));
        x += column.width * scale;
    }
    const QFont cell = page.font(8);
    double y = area.top() + fiberHeaderHeight;
    for (int fiber = 0; fiber < figures.fibers.size(); ++fiber) {
        const FiberFigures &shown = figures.fibers.at(fiber);
        if (fiber % 2 == 1)
            page.fill(QRectF(area.left(), y, area.width(), rowHeight), QColor(0xf4, 0xf4, 0xf4));
        const QStringList cells = { QString::number(fiber + 1), figures.wavelength,
            shown.texts.powerText, shown.texts.lossText, figures.threshold, shown.marginText,
            shown.texts.verdictText };
        x = area.left();
        for (int c = 0; c < cells.size(); ++c) {
            const double width = fiberColumns[size_t(c)].width * scale;
            const bool verdict = c == cells.size() - 1;
            page.text(QRectF(x, y, width, rowHeight), cells.at(c),
                verdict ? page.font(8, true) : cell, Qt::AlignHCenter | Qt::AlignVCenter,
                verdict ? verdictInk(cells.at(c)) : QColor(Qt::black));
            x += width;
        }
        y += rowHeight;
    }
    page.frame(QRectF(area.left(), area.top(), area.width(), y - area.top()), ruleInk(), 0.2);
}

} // namespace

void drawRecordSection(const ReportPainter &page, const RecordFigures &figures,
    const ReportHeaderTexts &texts, const QRectF &area)
{
    const double left = area.left(), width = area.width();
    double y = area.top();

    const QString verdict = figures.verdict.text();
    page.fill(QRectF(left, y, width, 7.0), verdictTint(verdict));
    page.text(QRectF(left + 2.0, y, 60.0, 7.0), ReportText::tr("Record %1").arg(figures.recordNumber),
        page.font(11, true));
    page.text(QRectF(left + width - 92.0, y, 60.0, 7.0),
        ReportText::tr("PASS %1, FAIL %2, --- %3")
            .arg(figures.verdict.passed)
            .arg(figures.verdict.failed)
            .arg(figures.verdict.unrated),
        page.font(7.5), Qt::AlignRight | Qt::AlignVCenter, labelInk());
    page.text(QRectF(left + width - 30.0, y, 28.0, 7.0), verdict, page.font(11, true),
        Qt::AlignRight | Qt::AlignVCenter, verdictInk(verdict));
    y += 8.5;

    const double half = width / 2;
    page.labelled(
        QRectF(left, y, half, lineHeight), labelWidth, ReportText::tr("Company"), texts.companyName);
    page.labelled(QRectF(left + half, y, half, lineHeight), labelWidth, ReportText::tr("Operator"),
        texts.operatorName);
    y += lineHeight;
    page.labelled(
        QRectF(left, y, half, lineHeight), labelWidth, ReportText::tr("Test device"), texts.testDevice);
    page.labelled(QRectF(left + half, y, half, lineHeight), labelWidth, ReportText::tr("Test date"),
        texts.testDate);
    y += lineHeight;
    page.labelled(QRectF(left, y, half, lineHeight), labelWidth, ReportText::tr("Serial number"),
        texts.serialNumber);
    page.labelled(QRectF(left + half, y, half, lineHeight), labelWidth, ReportText::tr("Export time"),
        texts.exportTime);
    y += lineHeight;
    const double third = width / 3;
    page.labelled(
        QRectF(left, y, third, lineHeight), labelWidth, ReportText::tr("Polarity"), figures.polarity);
    page.labelled(QRectF(left + third, y, third, lineHeight), labelWidth, ReportText::tr("Wavelength"),
        ReportText::tr("%1 nm").arg(figures.wavelength));
    page.labelled(QRectF(left + 2 * third, y, third, lineHeight), labelWidth,
        ReportText::tr("Threshold"), ReportText::tr("%1 dB").arg(figures.threshold));
    y += lineHeight + 0.8;

    page.text(QRectF(left, y, labelWidth, lineHeight), ReportText::tr("Note"), page.font(7.5),
        Qt::AlignLeft | Qt::AlignVCenter, labelInk());
    const QRectF noteBox(left + labelWidth, y + 0.6, width - labelWidth, noteHeight);
    if (drawNote(page, texts.noteHtml, noteBox))
        y += noteHeight + 1.5;
    else
        y += lineHeight + 1.0;

    // The table and the chart take the height that is left.
    const int rows = std::max(1, int(figures.fibers.size()));
    const double rowHeight = std::clamp(
        (area.bottom() - y - fiberHeaderHeight) / rows, smallestRowHeight, largestRowHeight);
    const double tableWidth = 106.0 * width / 186.0;
    const double tableHeight = fiberHeaderHeight + rows * rowHeight;
    drawFiberTable(page, figures, QRectF(left, y, tableWidth, tableHeight), rowHeight);
    drawLossChart(
        page, figures, QRectF(left + tableWidth + 4.0, y, width - tableWidth - 4.0, tableHeight));
}
