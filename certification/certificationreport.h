// SPDX-License-Identifier: MIT
#ifndef LUMETRA_CERTIFICATIONREPORT_H
#define LUMETRA_CERTIFICATIONREPORT_H

#include "certificationsummary.h"
#include "progressstep.h"
#include "reportheadertexts.h"
#include "sectionpages.h"
#include "testrecord.h"

#include <QImage>
#include <QPageSize>
#include <QString>
#include <QVector>

class QPdfWriter;
class ReportPainter;

// The report a customer files: a summary first, then each record, two to a
// page unless its texts need more room, drawn as text and lines into a PDF
// with its fonts embedded. Every value comes from the window's own text
// functions, and every text typed is there whole.
class CertificationReport
{
public:
    // headers[i] belongs to records[i]. The logo is ":/images/Tavolin.png"
    // once the images are registered; the paper is the user's region's.
    CertificationReport(
        const QVector<TestRecord> &records, const QVector<ReportHeaderTexts> &headers);
    CertificationReport(const CertificationReport &) = delete;
    CertificationReport &operator=(const CertificationReport &) = delete;

    void setPageSize(QPageSize::PageSizeId id);
    void setLogo(const QImage &image);

    int pageCount() const;

    // Writes through QSaveFile: a report that was cancelled or failed leaves
    // no file, and an earlier file of that name as it was. progress counts pages.
    WriteOutcome write(const QString &path, const ProgressStep &progress = {},
        QString *errorString = nullptr) const;

private:
    struct Layout;
    Layout layout(const ReportPainter &measure) const;
    WriteOutcome paint(QPdfWriter &writer, const ProgressStep &progress) const;

    CertificationSummary summary;
    QVector<ReportHeaderTexts> headers;
    QVector<SectionPages::Section> sections; // point into summary and headers
    QPageSize::PageSizeId pageSize;
    QImage logo;
};

#endif
