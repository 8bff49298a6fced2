// SPDX-License-Identifier: MIT
#include "jobpage.h"

#include "jobsummary.h"
#include "reportpainter.h"

#include <QPainter>
#include <algorithm>
#include <array>

namespace {

constexpr double logoWidth = 48.0;
constexpr double logoHeight = 26.0;

QColor jobInk(const JobSummary &summary)
{
    return summary.verdict == JobVerdict::Incomplete ? suspectInk()
                                                     : verdictInk(verdictOfText(summary.verdictText()));
}

QColor jobTint(const JobSummary &summary)
{
    return summary.verdict == JobVerdict::Incomplete ? QColor(0xfb, 0xef, 0xe0)
                                                     : verdictTint(verdictOfText(summary.verdictText()));
}

// Scaled into its box without distortion, at the box's top right.
void drawLogo(const ReportPainter &page, const QImage &logo, const QRectF &box)
{
    if (page.isMeasuring())
        return;
    const QSizeF fitted = QSizeF(logo.size()).scaled(box.size(), Qt::KeepAspectRatio);
    const QRectF at(box.right() - fitted.width(), box.top(), fitted.width(), fitted.height());
    page.painter().drawImage(page.mm(at), logo);
}

double drawCounts(
    const ReportPainter &page, const JobSummary &summary, double left, double top, double width)
{
    const std::array<std::pair<QString, int>, 9> counts = { {
        { ReportText::tr("IDs planned"), summary.planned },
        { ReportText::tr("Tested"), summary.tested },
        { QStringLiteral("PASS"), summary.passed },
        { QStringLiteral("FAIL"), summary.failed },
        { ReportText::tr("No verdict"), summary.noVerdict },
        { ReportText::tr("Not tested"), summary.untested },
        { ReportText::tr("Retested"), summary.retested },
        { ReportText::tr("Unplanned records"), int(summary.unplanned.size()) },
        { ReportText::tr("Suspect IDs"), summary.suspectIds },
    } };
    const double gap = 2.0;
    const double boxWidth = (width - (counts.size() - 1) * gap) / counts.size();
    for (size_t i = 0; i < counts.size(); ++i) {
        const QRectF box(left + i * (boxWidth + gap), top, boxWidth, 15.0);
        const QColor ink = i == 2 || i == 3  ? verdictInk(i == 2 ? Verdict::Pass : Verdict::Fail)
            : i == 8 && counts[i].second > 0 ? suspectInk()
                                             : QColor(Qt::black);
        page.frame(box, ruleInk(), 0.2);
        page.wrapped(QRectF(box.left() + 0.5, box.top() + 0.5, box.width() - 1.0, 7.0),
            counts[i].first, page.font(6.5));
        page.text(QRectF(box.left(), box.top() + 7.5, box.width(), 7.0),
            QString::number(counts[i].second), page.font(12, true),
            Qt::AlignHCenter | Qt::AlignVCenter, ink);
    }
    return 17.0;
}

} // namespace

double JobPage::drawFacts(
    const ReportPainter &page, const JobSummary &summary, const QImage &logo, const QRectF &area)
{
    const double left = area.left(), top = area.top(), width = area.width();

    // First what the customer looks for: is the job complete, and did it pass?
    const QRectF banner(left, top, width, 15.0);
    page.fill(banner, jobTint(summary));
    page.frame(banner, jobInk(summary), 0.5);
    page.text(QRectF(left + 4.0, top, 40.0, 15.0), ReportText::tr("Job verdict"), page.font(11),
        Qt::AlignLeft | Qt::AlignVCenter, labelInk());
    page.text(QRectF(left + 44.0, top, 66.0, 15.0), summary.verdictText(), page.font(22, true),
        Qt::AlignLeft | Qt::AlignVCenter, jobInk(summary));
    page.text(QRectF(left + 112.0, top, width - 116.0, 15.0), summary.verdictBasis(), page.font(9),
        Qt::AlignRight | Qt::AlignVCenter, labelInk());

    // The job's texts whole, beside the contractor's logo.
    double y = top + 19.0;
    const bool withLogo = !logo.isNull();
    const double textWidth = withLogo ? width - logoWidth - 4.0 : width;
    const double half = textWidth / 2;
    const auto facts = [&](double x, double w, const char *label, const QString &value) {
        return page.labelled(QRectF(x, y, w, 5.0), 28.0, ReportText::tr(label), value);
    };
    const auto pair = [&](const char *leftLabel, const QString &leftValue, const char *rightLabel,
                          const QString &rightValue) {
        y += 1.0
            + std::max(facts(left, half, leftLabel, leftValue),
                facts(left + half, half, rightLabel, rightValue));
    };
    pair(QT_TRANSLATE_NOOP("CertificationReport", "Job"), summary.facts.name,
        QT_TRANSLATE_NOOP("CertificationReport", "Customer"), summary.facts.customer);
    pair(QT_TRANSLATE_NOOP("CertificationReport", "Site"), summary.facts.site,
        QT_TRANSLATE_NOOP("CertificationReport", "Contractor"), summary.facts.contractor);
    const bool tested = summary.firstTestMs > 0;
    pair(QT_TRANSLATE_NOOP("CertificationReport", "First test"),
        tested ? receivedText(summary.firstTestMs) : QStringLiteral("---"),
        QT_TRANSLATE_NOOP("CertificationReport", "Last test"),
        tested ? receivedText(summary.lastTestMs) : QStringLiteral("---"));
    y += 1.0
        + facts(left, textWidth, QT_TRANSLATE_NOOP("CertificationReport", "Operators"),
            summary.operators.join(QStringLiteral(", ")));
    y += 1.0
        + facts(left, textWidth, QT_TRANSLATE_NOOP("CertificationReport", "Test devices"),
            summary.testDevices.join(QStringLiteral(", ")));
    const QString smallest = summary.smallestMarginFiber == 0
        ? QStringLiteral("---")
        : ReportText::tr("%1 dB, %2, fiber %3")
              .arg(summary.smallestMarginText, summary.smallestMarginId)
              .arg(summary.smallestMarginFiber);
    y += 1.0
        + facts(
            left, textWidth, QT_TRANSLATE_NOOP("CertificationReport", "Smallest margin"), smallest);
    if (withLogo) {
        drawLogo(page, logo, QRectF(left + width - logoWidth, top + 19.0, logoWidth, logoHeight));
        y = std::max(y, top + 19.0 + logoHeight);
    }
    y += 2.0 + drawCounts(page, summary, left, y + 2.0, width);
    if (summary.suspectIds > 0)
        y += page.lines(QRectF(left, y, width, 4.0),
            ReportText::tr("Suspect readings are advice, and the verdicts stand as measured: "
                           "the table of cable IDs names them, and each ID's section says more."),
            page.font(7.5), suspectInk());
    return y + 4.0 - top;
}
