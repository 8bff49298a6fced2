// SPDX-License-Identifier: MIT
#ifndef LUMETRA_REPORTFONT_H
#define LUMETRA_REPORTFONT_H

#include <QFont>

// The panel and the report page are laid out in fixed pixel boxes, scaled by
// the screen factors sx and sy, that were made for a small, narrow dialog
// font. Returns base at most 8 points times the smaller factor, made
// narrower, then smaller, until the widest captions fit their scaled boxes,
// but never smaller than 7 points.
QFont fittingReportFont(const QFont &base, double sx, double sy);

#endif
