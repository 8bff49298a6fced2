#ifndef LUMETRA_REPORTFONT_H
#define LUMETRA_REPORTFONT_H

#include <QFont>

// The windows are laid out in fixed pixel boxes made for a small, narrow
// dialog font. Returns base made narrower, then smaller, until the widest
// captions fit their boxes, but never smaller than 7 points.
QFont fittingReportFont(const QFont &base);

#endif
