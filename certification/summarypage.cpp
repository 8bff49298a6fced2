// SPDX-License-Identifier: MIT
#include "summarypage.h"

#include "certificationsummary.h"
#include "reportpainter.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr std::array<ReportColumn, 10> summaryColumns = { {
    { QT_TRANSLATE_NOOP("CertificationReport", "Record"), 14 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Export time"), 34 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Wavelength (nm)"), 19 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Polarity"), 15 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Threshold (dB)"), 18 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Worst loss (dB)"), 18 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Smallest margin (dB)"), 21 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Passed"), 14 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Failed"), 14 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Verdict"), 19 },
} };

void countBox(const ReportPainter &page, const QRectF &box, const QString &label, int count,
    const QColor &ink)
{
    page.frame(box, ruleInk(), 0.2);
    page.text(QRectF(box.left(), box.top() + 0.5, box.width(), 4.0), label, page.font(7),
        Qt::AlignHCenter | Qt::AlignVCenter, labelInk());
    page.text(QRectF(box.left(), box.top() + 4.5, box.width(), 6.5), QString::number(count),
        page.font(12, true), Qt::AlignHCenter | Qt::AlignVCenter, ink);
}

} // namespace

double SummaryPage::drawFacts(
    const ReportPainter &page, const CertificationSummary &summary, const QRectF &area)
{
    const double left = area.left(), top = area.top(), width = area.width();

    // First what the customer looks for: did the job pass?
    const QRectF banner(left, top, width, 15.0);
    page.fill(banner, verdictTint(summary.verdict));
    page.frame(banner, verdictInk(summary.verdict), 0.5);
    page.text(QRectF(left + 4.0, top, 40.0, 15.0), ReportText::tr("Overall verdict"), page.font(11),
        Qt::AlignLeft | Qt::AlignVCenter, labelInk());
    page.text(QRectF(left + 44.0, top, 50.0, 15.0), verdictText(summary.verdict),
        page.font(24, true),
        Qt::AlignLeft | Qt::AlignVCenter, verdictInk(summary.verdict));
    const QString basis = summary.verdict == Verdict::None
        ? ReportText::tr("no fiber has a verdict")
        : ReportText::tr(
            "%1 of %n fibers with a verdict pass", nullptr, summary.passed + summary.failed)
              .arg(summary.passed);
    page.text(QRectF(left + 96.0, top, width - 100.0, 15.0), basis, page.font(9),
        Qt::AlignRight | Qt::AlignVCenter, labelInk());

    // The job's texts whole, on as many lines as they need.
    const double half = width / 2;
    double y = top + 19.0;
    const auto facts = [&](const QRectF &line, const char *label, const QString &value) {
        return page.labelled(line, 27.0, ReportText::tr(label), value);
    };
    y += 1.0
        + std::max(facts(QRectF(left, y, half, 5.0),
                       QT_TRANSLATE_NOOP("CertificationReport", "Company"), summary.companyName),
            facts(QRectF(left + half, y, half, 5.0),
                QT_TRANSLATE_NOOP("CertificationReport", "Operator"), summary.operatorName));
    y += 1.0
        + std::max(facts(QRectF(left, y, half, 5.0),
                       QT_TRANSLATE_NOOP("CertificationReport", "Test device"), summary.testDevice),
            facts(QRectF(left + half, y, half, 5.0),
                QT_TRANSLATE_NOOP("CertificationReport", "Serial number"), summary.serialNumber));
    const QString exports = summary.firstExportTime == summary.lastExportTime
        ? summary.firstExportTime
        : ReportText::tr("%1 to %2").arg(summary.firstExportTime, summary.lastExportTime);
    y += 1.0
        + facts(QRectF(left, y, width, 5.0),
            QT_TRANSLATE_NOOP("CertificationReport", "Export times"), exports);
    const QString smallest = summary.smallestMarginFiber == 0
        ? QStringLiteral("---")
        : ReportText::tr("%1 dB, record %2, fiber %3")
              .arg(summary.smallestMarginText.trimmed(), summary.smallestMarginRecord)
              .arg(summary.smallestMarginFiber);
    y += 3.0
        + facts(QRectF(left, y, width, 5.0),
            QT_TRANSLATE_NOOP("CertificationReport", "Smallest margin"), smallest);

    struct Count
    {
        QString label;
        int count;
        std::optional<Verdict> verdict;
    };
    const std::array<Count, 6> counts = { {
        { ReportText::tr("Records"), summary.records, std::nullopt },
        { ReportText::tr("Fibers"), summary.fibers, std::nullopt },
        { verdictText(Verdict::Pass), summary.passed, Verdict::Pass },
        { verdictText(Verdict::Fail), summary.failed, Verdict::Fail },
        { verdictText(Verdict::None), summary.unrated, Verdict::None },
        { ReportText::tr("No reading"), summary.withoutReading, std::nullopt },
    } };
    const double gap = 3.0;
    const double boxWidth = (width - (counts.size() - 1) * gap) / counts.size();
    for (size_t i = 0; i < counts.size(); ++i) {
        const QRectF box(left + i * (boxWidth + gap), y, boxWidth, 12.0);
        countBox(page, box, counts[i].label, counts[i].count,
            counts[i].verdict ? verdictInk(*counts[i].verdict) : QColor(Qt::black));
    }
    y += 14.0;
    // Why a fiber that shows FAIL may be missing from the smallest margin.
    if (summary.withoutReading > 0) {
        y += page.lines(QRectF(left, y, width, 4.0),
            ReportText::tr("A fiber without a reading has no margin; its verdict is counted as the "
                           "window shows it."),
            page.font(7.5), labelInk());
    }
    if (!summary.suspectRecords.isEmpty()) {
        const QString records = summary.suspectRecords.join(QStringLiteral(", "));
        y += page.lines(QRectF(left, y, width, 4.0),
            (summary.suspectRecords.size() == 1
                    ? ReportText::tr("Suspect readings in record %1 (marked !): see its section. "
                                     "The verdicts stand as measured.")
                    : ReportText::tr("Suspect readings in records %1 (marked !): see their "
                                     "sections. The verdicts stand as measured."))
                .arg(records),
            page.font(7.5, true), suspectInk());
    }
    return std::max(factsHeight, y + 4.0 - top);
}

namespace {

double designWidth()
{
    double width = 0;
    for (const ReportColumn &column : summaryColumns)
        width += column.width;
    return width;
}

// The export time is a typed text: it may need more than a line.
double exportTimeHeight(const ReportPainter &page, const QString &text, double width)
{
    return page.lines(QRectF(0, 0, width, 0), text, page.font(7.5), Qt::black, Qt::AlignHCenter);
}

} // namespace

double SummaryPage::tableRowHeight(
    const ReportPainter &page, const CertificationSummary &summary, int row, double width)
{
    const double cell = summaryColumns[1].width * width / designWidth() - 1.0;
    return std::max(rowHeight,
        exportTimeHeight(ReportPainter(page.painter(), true), summary.exportTimes.value(row), cell)
            + 1.0);
}

void SummaryPage::drawTable(const ReportPainter &page, const CertificationSummary &summary,
    int first, int count, const QRectF &area)
{
    const double scale = area.width() / designWidth();

    page.fill(
        QRectF(area.left(), area.top(), area.width(), tableHeaderHeight), QColor(0xe4, 0xe4, 0xe4));
    double x = area.left();
    for (const ReportColumn &column : summaryColumns) {
        page.wrapped(QRectF(x + 0.5, area.top(), column.width * scale - 1.0, tableHeaderHeight),
            ReportText::tr(column.title), page.font(7, true));
        x += column.width * scale;
    }

    const QFont cell = page.font(7.5);
    double y = area.top() + tableHeaderHeight;
    for (int row = first; row < first + count && row < summary.figures.size(); ++row) {
        const RecordFigures &figures = summary.figures.at(row);
        const Verdict verdict = figures.verdict.verdict();
        const bool failed = verdict == Verdict::Fail;
        const double timeWidth = summaryColumns[1].width * scale - 1.0;
        const double timeHeight = exportTimeHeight(
            ReportPainter(page.painter(), true), summary.exportTimes.value(row), timeWidth);
        const double height = std::max(rowHeight, timeHeight + 1.0);
        const QRectF line(area.left(), y, area.width(), height);
        if (failed)
            page.fill(line, verdictTint(verdict));
        else if (row % 2 == 1)
            page.fill(line, QColor(0xf4, 0xf4, 0xf4));
        const bool suspect = !summary.suspects.value(row).isEmpty();
        const QStringList cells
            = { figures.recordNumber + (suspect ? QStringLiteral(" !") : QString()),
                  summary.exportTimes.value(row), figures.wavelength, figures.polarity,
                  figures.threshold, figures.worstLossText(), figures.smallestMarginText(),
                  QString::number(figures.verdict.passed), QString::number(figures.verdict.failed),
                  verdictText(verdict) };
        x = area.left();
        for (int c = 0; c < cells.size(); ++c) {
            const double width = summaryColumns[size_t(c)].width * scale;
            const bool last = c == cells.size() - 1;
            const QColor ink = last ? verdictInk(verdict)
                : c == 0 && suspect ? suspectInk()
                : failed            ? QColor(0x90, 0, 0)
                                    : QColor(Qt::black);
            if (c == 1)
                page.lines(QRectF(x + 0.5, y + (height - timeHeight) / 2, width - 1.0, 0),
                    cells.at(c), cell, ink, Qt::AlignHCenter);
            else
                page.text(QRectF(x + 0.5, y, width - 1.0, height), cells.at(c),
                    last ? page.font(7.5, true) : cell, Qt::AlignHCenter | Qt::AlignVCenter, ink);
            x += width;
        }
        y += height;
    }
    page.line(QPointF(area.left(), y), QPointF(area.right(), y), ruleInk(), 0.2);
}
