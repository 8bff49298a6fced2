// SPDX-License-Identifier: MIT
#include "jobreport.h"

#include "joblogo.h"
#include "jobpage.h"
#include "papersize.h"
#include "recordtexts.h"
#include "reportframe.h"
#include "reportpainter.h"
#include "suspectmarks.h"

#include <QPainter>
#include <QPdfWriter>
#include <vector>

namespace {

const QVector<ReportColumn> trunkColumns = {
    { QT_TRANSLATE_NOOP("CertificationReport", "Cable ID"), 26 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Record"), 13 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Received"), 26 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Wavelength (nm)"), 17 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Polarity"), 12 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Threshold (dB)"), 16 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Largest loss (dB)"), 14 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Smallest margin (dB)"), 15 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Verdict"), 17 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Notes"), 30 },
};

const QVector<ReportColumn> supersededColumns = {
    { QT_TRANSLATE_NOOP("CertificationReport", "Cable ID"), 40 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Record"), 16 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Received"), 26 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Verdict"), 18 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Smallest margin (dB)"), 20 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Notes"), 66 },
};

using Cell = ReportTable::Cell;

Cell verdictCell(const RecordFigures &figures)
{
    const Verdict verdict = figures.verdict.verdict();
    return { verdictText(verdict), verdictInk(verdict), true };
}

// A tested row's cells from the record on; the ID's own cell goes before.
QVector<Cell> testCells(const JobTestFigures &test, const QStringList &notes)
{
    const RecordFigures &f = test.figures;
    const QColor ink = test.suspect.isEmpty() ? QColor(Qt::black) : suspectInk();
    return { { f.recordNumber }, { receivedText(test.test.receivedAtMs) }, { f.wavelength },
        { f.polarity }, { f.threshold }, { f.worstLossText() }, { f.smallestMarginText() },
        verdictCell(f), { notes.join(QStringLiteral("; ")), ink } };
}

QColor tintOf(const RecordFigures &figures)
{
    const Verdict verdict = figures.verdict.verdict();
    return verdict == Verdict::Fail ? verdictTint(verdict) : QColor();
}

} // namespace

// What goes on each page.
struct JobReport::Layout
{
    struct Page
    {
        bool facts = false;
        std::vector<std::pair<const ReportTable *, ReportTable::Part>> tables;
        SectionPages::Page sections;
    };

    QSizeF paper;
    QRectF body;
    std::vector<Page> pages;

    Page &page(size_t index)
    {
        if (pages.size() <= index)
            pages.resize(index + 1);
        return pages[index];
    }
};

JobReport::JobReport(const JobRecords &records)
    : job(summarizeJob(records))
    , trunks(std::make_unique<ReportTable>(ReportText::tr("Cable IDs"), trunkColumns))
    , unplanned(
          std::make_unique<ReportTable>(ReportText::tr("Unplanned records"), trunkColumns.mid(1)))
    , superseded(
          std::make_unique<ReportTable>(ReportText::tr("Superseded tests"), supersededColumns))
    , pageSize(systemPaperSize())
    , makerLogo(QStringLiteral(":/images/Tavolin.png"))
{
    if (!job.facts.logo.isEmpty())
        contractorLogo = JobLogo::image(job.facts.logo);
    addTrunkRows();
    addOtherRows();
}

JobReport::~JobReport() = default;

void JobReport::addTrunkRows()
{
    for (const JobTrunkFigures &trunk : qAsConst(job.trunks)) {
        const QStringList notes = trunkNotes(trunk);
        if (!trunk.tested()) {
            QVector<Cell> cells(trunkColumns.size());
            cells[0] = { trunk.cableId };
            cells[8] = { ReportText::tr("not tested"), labelInk(), true };
            cells[9] = { notes.join(QStringLiteral("; ")) };
            trunks->addRow({ cells, QColor() });
            continue;
        }
        const JobTestFigures &latest = trunk.latest();
        trunks->addRow({ QVector<Cell> { { trunk.cableId } } + testCells(latest, notes),
            tintOf(latest.figures) });
        sections.append({ &latest.figures, &latest.test.headers,
            SuspectMarks::forSection(latest.suspect, trunk.cableId) });
    }
}

void JobReport::addOtherRows()
{
    for (const JobTestFigures &test : qAsConst(job.unplanned))
        unplanned->addRow(
            { testCells(test, { SuspectMarks::note(test.suspect) }), tintOf(test.figures) });
    for (const JobTrunkFigures &trunk : qAsConst(job.trunks)) {
        for (int i = 0; i < trunk.earlierTests(); ++i) {
            const JobTestFigures &test = trunk.tests.at(i);
            const QString suspect = SuspectMarks::note(test.suspect);
            superseded->addRow(
                { { { trunk.cableId }, { test.figures.recordNumber },
                      { receivedText(test.test.receivedAtMs) }, verdictCell(test.figures),
                      { test.figures.smallestMarginText() }, { suspect, suspectInk() } },
                    QColor() });
        }
    }
}

void JobReport::setPageSize(QPageSize::PageSizeId id)
{
    pageSize = id;
}

JobReport::Layout JobReport::layout(const ReportPainter &measure) const
{
    Layout frame;
    frame.paper = ReportFrame::paper(pageSize);
    frame.body = ReportFrame::body(frame.paper);
    const QRectF body = frame.body;
    frame.page(0).facts = true;
    size_t at = 0; // the page the next part starts on
    double y = body.top() + JobPage::drawFacts(measure, job, contractorLogo, body);
    const auto place = [&](const ReportTable &table) {
        if (table.rowCount() == 0)
            return;
        double end = y;
        const std::vector<ReportTable::Part> parts = table.layout(measure, body, y, &end);
        for (const ReportTable::Part &part : parts)
            frame.page(at + size_t(part.page)).tables.emplace_back(&table, part);
        at += size_t(parts.back().page);
        y = end + 6.0;
    };
    place(*trunks);
    place(*unplanned);
    const std::vector<SectionPages::Page> sectionPages
        = SectionPages::layout(measure, sections, body);
    for (const SectionPages::Page &parts : sectionPages)
        frame.page(++at).sections = parts;
    if (!sectionPages.empty())
        y = sectionPages.back().back().bottom + 6.0;
    place(*superseded);
    return frame;
}

int JobReport::pageCount() const
{
    return ReportFrame::countPages(pageSize,
        [&](QPainter &painter) { return int(layout(ReportPainter(painter, true)).pages.size()); });
}

WriteOutcome JobReport::write(
    const QString &path, const ProgressStep &progress, QString *errorString) const
{
    return ReportFrame::write(
        path, pageSize, ReportText::tr("Job Report"),
        [&](QPdfWriter &writer) { return paint(writer, progress); }, errorString);
}

WriteOutcome JobReport::paint(QPdfWriter &writer, const ProgressStep &progress) const
{
    QPainter painter;
    if (!painter.begin(&writer))
        return WriteOutcome::Failed;
    painter.setRenderHint(QPainter::Antialiasing);
    const ReportPainter page(painter);
    const Layout frame = layout(ReportPainter(painter, true));
    const int pages = int(frame.pages.size());
    for (int index = 0; index < pages; ++index) {
        if (progress && !progress(index, pages))
            return WriteOutcome::Cancelled;
        if (index > 0)
            writer.newPage();
        ReportFrame::draw(
            painter, frame.paper, makerLogo, ReportText::tr("Job Report"), index + 1, pages);
        const Layout::Page &shown = frame.pages.at(size_t(index));
        if (shown.facts)
            JobPage::drawFacts(page, job, contractorLogo, frame.body);
        for (const auto &table : shown.tables)
            table.first->draw(page, table.second, frame.body);
        SectionPages::draw(page, sections, shown.sections, frame.body);
    }
    if (progress && !progress(pages, pages))
        return WriteOutcome::Cancelled;
    return painter.end() ? WriteOutcome::Written : WriteOutcome::Failed;
}
