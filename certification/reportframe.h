// SPDX-License-Identifier: MIT
#ifndef LUMETRA_REPORTFRAME_H
#define LUMETRA_REPORTFRAME_H

#include "progressstep.h"

#include <QImage>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>

class QPainter;
class QPdfWriter;

// What every page of a report has: the maker's image and the title above,
// the page number below, and the body between them. Sizes in millimetres.
namespace ReportFrame {
constexpr double margin = 12.0;
constexpr double headerHeight = 17.0;
constexpr double footerHeight = 8.0;

QSizeF paper(QPageSize::PageSizeId pageSize);
QRectF body(const QSizeF &paper);
void setUp(QPdfWriter &writer, QPageSize::PageSizeId pageSize);
void draw(QPainter &painter, const QSizeF &paper, const QImage &logo, const QString &title,
    int page, int pages);

// Writes a PDF through QSaveFile: one that was cancelled or failed leaves no
// file, and an earlier file of that name as it was. paint draws the pages.
WriteOutcome write(const QString &path, QPageSize::PageSizeId pageSize, const QString &title,
    const std::function<WriteOutcome(QPdfWriter &)> &paint, QString *errorString);
// The pages layout counts, on a writer that writes nowhere.
int countPages(QPageSize::PageSizeId pageSize, const std::function<int(QPainter &)> &layout);
} // namespace ReportFrame

#endif
