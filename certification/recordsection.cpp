// SPDX-License-Identifier: MIT
#include "recordsection.h"

#include "losschart.h"
#include "recordfigures.h"
#include "reportheadertexts.h"
#include "reportpainter.h"
#include "testrecord.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <array>

namespace {

constexpr double lineHeight = 4.6;
constexpr double labelWidth = 24.0;
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

void drawFiberTable(const ReportPainter &page, const RecordFigures &figures,
    const QVector<int> &flagged, const QRectF &area, double rowHeight)
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
            const bool suspect = c == 3 && flagged.contains(fiber + 1);
            page.text(QRectF(x, y, width, rowHeight), cells.at(c),
                verdict || suspect ? page.font(8, true) : cell, Qt::AlignHCenter | Qt::AlignVCenter,
                verdict       ? verdictInk(shown.texts.verdict)
                    : suspect ? suspectInk()
                              : QColor(Qt::black));
            x += width;
        }
        y += rowHeight;
    }
    page.frame(QRectF(area.left(), area.top(), area.width(), y - area.top()), ruleInk(), 0.2);
}

} // namespace

RecordSection::RecordSection(const ReportPainter &page, const RecordFigures &figures,
    const ReportHeaderTexts &texts, double left, double width, const SectionMarks &marks)
    : page(page)
    , figures(figures)
    , texts(texts)
    , left(left)
    , width(width)
    , marks(marks)
    , note(std::make_unique<QTextDocument>())
{
    // The note as the window shows it, bold, colours and all, at the size of
    // the other texts.
    note->documentLayout()->setPaintDevice(page.painter().device());
    note->setDocumentMargin(0);
    note->setHtml(texts.noteHtml);
    if (note->toPlainText().trimmed().isEmpty())
        return;
    const QFont font = page.font(8.5);
    QTextCharFormat size;
    size.setFontFamily(font.family());
    size.setFontPointSize(font.pointSizeF());
    size.setFontStyleHint(font.styleHint(), font.styleStrategy());
    QTextCursor all(note.get());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(size);
    note->setTextWidth(page.mm(width - labelWidth));

    const double perMm = page.mm(1.0);
    for (QTextBlock block = note->begin(); block.isValid(); block = block.next()) {
        const QTextLayout *lines = block.layout();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            breaks.append((lines->position().y() + line.y() + line.height()) / perMm);
        }
    }
    std::sort(breaks.begin(), breaks.end());
    const double height = note->size().height() / perMm;
    if (breaks.isEmpty() || breaks.last() < height)
        breaks.append(height);
}

RecordSection::~RecordSection() = default;

double RecordSection::headHeight() const
{
    return head(ReportPainter(page.painter(), true), 0.0);
}

double RecordSection::continuedHeight()
{
    return 8.5;
}

double RecordSection::noteRoom(double from, double to, bool underHead) const
{
    if (to > from)
        return to - from + 0.6 + 1.5;
    return underHead ? lineHeight + 1.0 : 0.0;
}

double RecordSection::smallestTableHeight()
{
    return fiberHeaderHeight + TestRecord::channelCount * smallestRowHeight;
}

double RecordSection::largestTableHeight()
{
    return fiberHeaderHeight + TestRecord::channelCount * largestRowHeight;
}

double RecordSection::head(const ReportPainter &on, double top) const
{
    double y = top;
    const Verdict verdict = figures.verdict.verdict();
    const QString record = ReportText::tr("Record %1").arg(figures.recordNumber);
    QString counts = ReportText::tr("PASS %1, FAIL %2, --- %3")
                         .arg(figures.verdict.passed)
                         .arg(figures.verdict.failed)
                         .arg(figures.verdict.unrated);
    // A cable ID is printed whole, on the lines it needs.
    double bar = 7.0;
    if (!marks.cableId.isEmpty()) {
        const QRectF idBox(left + 2.0, y + 1.0, width - 96.0, 5.0);
        bar = std::max(bar,
            ReportPainter(on.painter(), true).lines(idBox, marks.cableId, on.font(11, true)) + 2.0);
        on.fill(QRectF(left, y, width, bar), verdictTint(verdict));
        on.lines(idBox, marks.cableId, on.font(11, true));
        counts = record + QStringLiteral(" \u00B7 ") + counts;
    } else {
        on.fill(QRectF(left, y, width, bar), verdictTint(verdict));
        on.text(QRectF(left + 2.0, y, 60.0, bar), record, on.font(11, true));
    }
    on.text(QRectF(left + width - 92.0, y, 60.0, 7.0), counts, on.font(7.5),
        Qt::AlignRight | Qt::AlignVCenter, labelInk());
    on.text(QRectF(left + width - 30.0, y, 28.0, 7.0), verdictText(verdict), on.font(11, true),
        Qt::AlignRight | Qt::AlignVCenter, verdictInk(verdict));
    y += bar + 1.5;

    // Two header texts to a line; a long one takes the lines it needs.
    const double half = width / 2;
    const auto pair = [&](const char *leftLabel, const QString &leftText, const char *rightLabel,
                          const QString &rightText) {
        const double used = std::max(on.labelled(QRectF(left, y, half, lineHeight), labelWidth,
                                         ReportText::tr(leftLabel), leftText),
            on.labelled(QRectF(left + half, y, half, lineHeight), labelWidth,
                ReportText::tr(rightLabel), rightText));
        y += used;
    };
    pair(QT_TRANSLATE_NOOP("CertificationReport", "Company"), texts.companyName,
        QT_TRANSLATE_NOOP("CertificationReport", "Operator"), texts.operatorName);
    pair(QT_TRANSLATE_NOOP("CertificationReport", "Test device"), texts.testDevice,
        QT_TRANSLATE_NOOP("CertificationReport", "Test date"), texts.testDate);
    pair(QT_TRANSLATE_NOOP("CertificationReport", "Serial number"), texts.serialNumber,
        QT_TRANSLATE_NOOP("CertificationReport", "Export time"), texts.exportTime);
    const double third = width / 3;
    on.labelled(QRectF(left, y, third, lineHeight), labelWidth, ReportText::tr("Polarity"),
        figures.polarity);
    on.labelled(QRectF(left + third, y, third, lineHeight), labelWidth,
        ReportText::tr("Wavelength"), ReportText::tr("%1 nm").arg(figures.wavelength));
    on.labelled(QRectF(left + 2 * third, y, third, lineHeight), labelWidth,
        ReportText::tr("Threshold"), ReportText::tr("%1 dB").arg(figures.threshold));
    y += lineHeight + 0.8;
    for (const QString &flag : marks.flags)
        y += on.lines(QRectF(left, y, width, lineHeight), flag, on.font(8.5, true), suspectInk())
            + 0.6;
    return y - top;
}

double RecordSection::drawHead(double top) const
{
    return head(page, top);
}

void RecordSection::drawContinued(double top) const
{
    page.fill(QRectF(left, top, width, 7.0), QColor(0xee, 0xee, 0xee));
    page.text(QRectF(left + 2.0, top, width - 4.0, 7.0),
        ReportText::tr("Record %1 (continued)").arg(figures.recordNumber), page.font(11, true));
}

void RecordSection::drawNote(double top, double from, double to, bool underHead) const
{
    if (underHead)
        page.text(QRectF(left, top, labelWidth, lineHeight), ReportText::tr("Note"), page.font(7.5),
            Qt::AlignLeft | Qt::AlignVCenter, labelInk());
    if (to <= from)
        return;
    QPainter &painter = page.painter();
    const QRectF part(0.0, page.mm(from), page.mm(width - labelWidth), page.mm(to - from));
    painter.save();
    painter.translate(page.mm(left + labelWidth), page.mm(top + 0.6) - part.top());
    note->drawContents(&painter, part);
    painter.restore();
}

void RecordSection::drawTable(double top, double bottom) const
{
    const int rows = std::max(1, int(figures.fibers.size()));
    const double rowHeight = std::clamp(
        (bottom - top - fiberHeaderHeight) / rows, smallestRowHeight, largestRowHeight);
    const double tableWidth = 106.0 * width / 186.0;
    const double tableHeight = fiberHeaderHeight + rows * rowHeight;
    drawFiberTable(
        page, figures, marks.flaggedFibers, QRectF(left, top, tableWidth, tableHeight), rowHeight);
    drawLossChart(
        page, figures, QRectF(left + tableWidth + 4.0, top, width - tableWidth - 4.0, tableHeight));
}
