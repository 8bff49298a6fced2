#include "reportfont.h"

#include <QFontMetrics>
#include <QString>

namespace {
constexpr qreal largestPointSize = 8.0;
constexpr qreal smallestPointSize = 7.0;

bool captionsFit(const QFont &font)
{
    const QFontMetrics metrics(font);
    // The widest caption of the report page and the widest text of the panel's
    // status field, each against its box less the frame and margins.
    return metrics.horizontalAdvance(QStringLiteral("Serial Number: ")) <= 75
        && metrics.horizontalAdvance(QStringLiteral("DISCONNECTED")) <= 90 - 8;
}
} // namespace

QFont fittingReportFont(const QFont &base)
{
    QFont font = base;
    if (font.pointSizeF() <= 0 || font.pointSizeF() > largestPointSize)
        font.setPointSizeF(largestPointSize);
    for (int stretch :
        { int(QFont::Unstretched), int(QFont::SemiCondensed), int(QFont::Condensed) }) {
        font.setStretch(stretch);
        if (captionsFit(font))
            return font;
    }
    while (!captionsFit(font) && font.pointSizeF() > smallestPointSize)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}
