// SPDX-License-Identifier: MIT
#include "reportfont.h"

#include "scaledlayout.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QString>
#include <QtGlobal>

namespace {
constexpr qreal designPointSize = 8.0;
constexpr qreal smallestPointSize = 7.0;

bool captionsFit(const QFont &font, const ScaledLayout &s)
{
    const QFontMetrics metrics(font);
    // The widest caption of the report page and the widest text of the panel's
    // status field, each against its box less the frame and margins; in English
    // and in the user's language, so that a translation never gets more room
    // than the English text had.
    const auto widest = [&metrics](const char *context, const char *text) {
        return qMax(metrics.horizontalAdvance(QLatin1String(text)),
            metrics.horizontalAdvance(QCoreApplication::translate(context, text)));
    };
    return widest("ListOfUID", "Serial Number: ") <= s.x(75)
        && widest("ConfigRun", "DISCONNECTED") <= s.x(90) - 8;
}
} // namespace

QFont fittingReportFont(const QFont &base, double sx, double sy)
{
    const ScaledLayout s { sx, sy };
    const qreal largest = designPointSize * qMin(sx, sy);
    const qreal smallest = qMin(smallestPointSize, largest);
    QFont font = base;
    if (font.pointSizeF() <= 0 || font.pointSizeF() > largest)
        font.setPointSizeF(largest);
    for (int stretch :
        { int(QFont::Unstretched), int(QFont::SemiCondensed), int(QFont::Condensed) }) {
        font.setStretch(stretch);
        if (captionsFit(font, s))
            return font;
    }
    while (!captionsFit(font, s) && font.pointSizeF() > smallest)
        font.setPointSizeF(qMax(smallest, font.pointSizeF() - 0.5));
    return font;
}
