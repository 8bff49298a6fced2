// SPDX-License-Identifier: MIT
#include "losschart.h"

#include "recordfigures.h"
#include "reportpainter.h"

#include <QVector>
#include <algorithm>
#include <cmath>

namespace {

// 1, 2 or 5 times a power of ten, so that about four steps span the range.
double tickStep(double span)
{
    const double rough = span / 4.0;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : { 1.0, 2.0, 5.0 }) {
        if (factor * magnitude >= rough)
            return factor * magnitude;
    }
    return 10.0 * magnitude;
}

int decimalsFor(double step)
{
    return step >= 1.0 ? 0 : int(std::ceil(-std::log10(step) - 1e-9));
}

} // namespace

void drawLossChart(const ReportPainter &page, const RecordFigures &figures, const QRectF &area)
{
    const QFont small = page.font(6.5);
    const QRectF plot(
        area.left() + 9.0, area.top() + 6.0, area.width() - 11.0, area.height() - 11.0);
    const bool hasThreshold = figures.thresholdDb > 0.0f;
    // The threshold's label is a key above the plot: inside it, a bar could run through it.
    const double keyWidth = hasThreshold ? std::min(34.0, plot.width() / 2) : 0.0;
    page.text(QRectF(plot.left(), area.top(), plot.width() - keyWidth, 4.0),
        ReportText::tr("Loss per fiber (dB)"), page.font(7.5, true), Qt::AlignLeft | Qt::AlignVCenter);
    if (hasThreshold) {
        const double y = area.top() + 2.0;
        const double left = plot.right() - keyWidth;
        page.line(QPointF(left, y), QPointF(left + 5.0, y), Qt::black, 0.3, Qt::DashLine);
        page.text(QRectF(left + 6.0, area.top(), keyWidth - 6.0, 4.0),
            ReportText::tr("threshold %1 dB").arg(figures.threshold), small,
            Qt::AlignLeft | Qt::AlignVCenter);
    }
    // A fiber without a reading shows a loss worked out from a stand-in value:
    // as a bar it would dwarf every loss that was measured.
    const auto measured = [](const FiberFigures &fiber) {
        return fiber.lossDb && fiber.hasReading;
    };
    double low = 0.0, high = hasThreshold ? figures.thresholdDb : 0.0;
    for (const FiberFigures &fiber : figures.fibers) {
        if (measured(fiber)) {
            low = std::min(low, double(*fiber.lossDb));
            high = std::max(high, double(*fiber.lossDb));
        }
    }
    if (high - low < 0.1)
        high = low + 1.0;
    const double step = tickStep(high - low);
    low = std::floor(low / step) * step;
    high = std::ceil(high / step) * step;
    const auto yOf = [&](double value) {
        return plot.bottom() - (value - low) / (high - low) * plot.height();
    };

    const QColor grid(0xcc, 0xcc, 0xcc);
    const int decimals = decimalsFor(step);
    const int ticks = int(std::lround((high - low) / step));
    for (int i = 0; i <= ticks; ++i) {
        double tick = low + i * step;
        if (std::abs(tick) < step / 1000)
            tick = 0.0; // never "-0.0"
        const double y = yOf(tick);
        page.line(QPointF(plot.left(), y), QPointF(plot.right(), y), grid, 0.1);
        page.text(QRectF(area.left(), y - 2.0, 8.0, 4.0), QString::number(tick, 'f', decimals),
            small, Qt::AlignRight | Qt::AlignVCenter);
    }

    const int count = figures.fibers.size();
    const double slot = plot.width() / std::max(count, 1);
    const double zero = yOf(0.0);
    for (int fiber = 0; fiber < count; ++fiber) {
        const FiberFigures &shown = figures.fibers.at(fiber);
        const double centre = plot.left() + slot * (fiber + 0.5);
        const QColor ink = shown.texts.verdict == Verdict::None ? QColor(0x9e, 0x9e, 0x9e)
                                                                : verdictInk(shown.texts.verdict);
        if (measured(shown)) {
            const double top = yOf(*shown.lossDb);
            const QRectF bar(centre - slot * 0.3, std::min(top, zero), slot * 0.6,
                std::max(std::abs(zero - top), 0.15));
            page.fill(bar, ink);
        } else {
            page.text(QRectF(centre - slot / 2, zero - 3.5, slot, 3.2), QStringLiteral("---"),
                small, Qt::AlignHCenter | Qt::AlignBottom, ink);
        }
        page.text(QRectF(centre - slot / 2, plot.bottom() + 0.5, slot, 3.5),
            QString::number(fiber + 1), small, Qt::AlignHCenter | Qt::AlignTop);
    }
    page.line(QPointF(plot.left(), zero), QPointF(plot.right(), zero), Qt::black, 0.2);
    page.line(plot.topLeft(), plot.bottomLeft(), Qt::black, 0.2);

    if (hasThreshold) {
        const double y = yOf(figures.thresholdDb);
        page.line(QPointF(plot.left(), y), QPointF(plot.right(), y), Qt::black, 0.3, Qt::DashLine);
    }
}
