// SPDX-License-Identifier: MIT
#ifndef LUMETRA_JOBREPORT_H
#define LUMETRA_JOBREPORT_H

#include "jobsummary.h"
#include "progressstep.h"
#include "reporttable.h"
#include "sectionpages.h"

#include <QImage>
#include <QPageSize>
#include <QString>
#include <QVector>
#include <memory>

class QPdfWriter;
class ReportPainter;

// What a customer signs a job off by: page 1 says whether it is complete and
// passed; a row per planned cable ID, then the unplanned records; a section
// per tested ID with its latest record as the certification report shows a
// record; the superseded tests at the end. Suspect readings are named where
// their record is.
class JobReport
{
public:
    // The maker's image is ":/images/Tavolin.png" once the images are
    // registered, the contractor's the job's own; the paper is the user's region's.
    explicit JobReport(const JobRecords &records);
    JobReport(const JobReport &) = delete;
    JobReport &operator=(const JobReport &) = delete;
    ~JobReport();

    void setPageSize(QPageSize::PageSizeId id);
    const JobSummary &summary() const { return job; }

    int pageCount() const;
    // As the certification report writes: nothing half-written. progress counts pages.
    WriteOutcome write(const QString &path, const ProgressStep &progress = {},
        QString *errorString = nullptr) const;

private:
    struct Layout;
    Layout layout(const ReportPainter &measure) const;
    WriteOutcome paint(QPdfWriter &writer, const ProgressStep &progress) const;
    void addTrunkRows();
    void addOtherRows();

    JobSummary job;
    std::unique_ptr<ReportTable> trunks;
    std::unique_ptr<ReportTable> unplanned;
    std::unique_ptr<ReportTable> superseded;
    QVector<SectionPages::Section> sections; // point into job
    QPageSize::PageSizeId pageSize;
    QImage makerLogo;
    QImage contractorLogo;
};

#endif
