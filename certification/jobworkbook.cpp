// SPDX-License-Identifier: MIT
#include "jobworkbook.h"

#include "reportpainter.h"
#include "suspectmarks.h"

#include <QDateTime>
#include <QDir>
#include <QSaveFile>
#include <QTemporaryFile>
#include <xlsxwriter.h>

namespace {

constexpr int rowsPerSheet = 1048575; // below the header: a sheet's own limit
constexpr int stepRows = 200;

struct Formats
{
    lxw_format *title = nullptr;
    lxw_format *number = nullptr; // two decimals, as the fiber table writes
    lxw_format *general = nullptr;
    lxw_format *record = nullptr; // 007
    lxw_format *date = nullptr;
    lxw_format *pass = nullptr;
    lxw_format *fail = nullptr;
    lxw_format *none = nullptr;
};

lxw_format *verdictFormat(lxw_workbook *book, Verdict verdict)
{
    lxw_format *format = workbook_add_format(book);
    format_set_bold(format);
    format_set_font_color(format, lxw_color_t(verdictInk(verdict).rgb() & 0xffffff));
    format_set_bg_color(format, lxw_color_t(verdictTint(verdict).rgb() & 0xffffff));
    return format;
}

Formats formatsOf(lxw_workbook *book)
{
    Formats f;
    f.title = workbook_add_format(book);
    format_set_bold(f.title);
    format_set_bg_color(f.title, 0xE4E4E4);
    format_set_text_wrap(f.title);
    f.number = workbook_add_format(book);
    format_set_num_format(f.number, "0.00");
    f.general = workbook_add_format(book);
    f.record = workbook_add_format(book);
    format_set_num_format(f.record, "000");
    f.date = workbook_add_format(book);
    format_set_num_format(f.date, "yyyy-mm-dd hh:mm");
    f.pass = verdictFormat(book, Verdict::Pass);
    f.fail = verdictFormat(book, Verdict::Fail);
    f.none = verdictFormat(book, Verdict::None);
    return f;
}

// Sheet names may not hold []:*?/\ and have at most 31 characters.
QByteArray sheetName(QString name)
{
    for (QChar &c : name) {
        if (QStringLiteral("[]:*?/\\").contains(c))
            c = QLatin1Char('_');
    }
    return name.left(31).toUtf8();
}

// Writes the rows of one kind of sheet, going on to a second one past a sheet's limit.
class SheetWriter
{
public:
    SheetWriter(lxw_workbook *book, const Formats &formats, const QString &name,
        const QVector<QPair<const char *, double>> &columns)
        : book(book)
        , formats(formats)
        , name(name)
        , columns(columns)
    {
    }

    void finish()
    {
        if (sheet && row > 0)
            worksheet_autofilter(sheet, 0, 0, lxw_row_t(row), lxw_col_t(columns.size() - 1));
    }

    void next()
    {
        if (!sheet || row >= rowsPerSheet) {
            finish();
            ++sheets;
            const QString title
                = sheets == 1 ? name : QStringLiteral("%1 %2").arg(name).arg(sheets);
            sheet = workbook_add_worksheet(book, sheetName(title).constData());
            row = 0;
            for (int c = 0; c < columns.size(); ++c) {
                worksheet_set_column(
                    sheet, lxw_col_t(c), lxw_col_t(c), columns.at(c).second, nullptr);
                text(c, ReportText::tr(columns.at(c).first), formats.title);
            }
            worksheet_freeze_panes(sheet, 1, 0);
        }
        ++row;
    }

    void text(int column, const QString &value, lxw_format *format = nullptr)
    {
        if (!value.isEmpty())
            worksheet_write_string(
                sheet, lxw_row_t(row), lxw_col_t(column), value.toUtf8().constData(), format);
    }

    // A number as the report writes it; an empty cell where it writes "---".
    void shown(int column, const QString &value, lxw_format *format)
    {
        bool ok = false;
        const double number = value.trimmed().toDouble(&ok);
        if (ok)
            worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(column), number, format);
    }

    void date(int column, qint64 ms)
    {
        const QDateTime at = QDateTime::fromMSecsSinceEpoch(ms);
        lxw_datetime cell { at.date().year(), at.date().month(), at.date().day(), at.time().hour(),
            at.time().minute(), at.time().second() + at.time().msec() / 1000.0 };
        worksheet_write_datetime(sheet, lxw_row_t(row), lxw_col_t(column), &cell, formats.date);
    }

    void verdict(int column, Verdict value)
    {
        text(column, verdictText(value),
            value == Verdict::Pass       ? formats.pass
                : value == Verdict::Fail ? formats.fail
                                         : formats.none);
    }

private:
    lxw_workbook *book;
    const Formats &formats;
    QString name;
    QVector<QPair<const char *, double>> columns;
    lxw_worksheet *sheet = nullptr;
    int sheets = 0;
    int row = 0;
};

const QVector<QPair<const char *, double>> trunkSheet = {
    { QT_TRANSLATE_NOOP("CertificationReport", "Cable ID"), 18 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Record"), 8 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Received"), 17 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Wavelength (nm)"), 11 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Polarity"), 9 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Threshold (dB)"), 11 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Largest loss (dB)"), 11 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Smallest margin (dB)"), 11 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Verdict"), 10 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Notes"), 30 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Company"), 20 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Operator"), 16 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Test device"), 16 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Test date"), 12 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Serial number"), 14 },
};

const QVector<QPair<const char *, double>> fiberSheet = {
    { QT_TRANSLATE_NOOP("CertificationReport", "Cable ID"), 18 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Record"), 8 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Fiber"), 6 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Wavelength (nm)"), 11 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Power (dBm)"), 11 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Loss (dB)"), 10 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Threshold (dB)"), 11 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Margin (dB)"), 10 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Verdict"), 10 },
    { QT_TRANSLATE_NOOP("CertificationReport", "Notes"), 40 },
};

} // namespace

namespace {

// The rows of both sheets, step by step.
class Rows
{
public:
    Rows(const JobSummary &summary, lxw_workbook *book, const ProgressStep &progress,
        QVector<JobWorkbook::CutText> *cut)
        : summary(summary)
        , formats(formatsOf(book))
        , trunks(book, formats, ReportText::tr("Trunks"), trunkSheet)
        , fibers(book, formats, ReportText::tr("Fibers"), fiberSheet)
        , progress(progress)
        , cut(cut)
    {
        for (const JobTrunkFigures &trunk : summary.trunks)
            total += 1 + (trunk.tested() ? TestRecord::channelCount : 0);
        total += summary.unplanned.size() * (1 + TestRecord::channelCount);
    }

    bool write()
    {
        for (const JobTrunkFigures &trunk : summary.trunks) {
            trunks.next();
            trunks.text(0, trunk.cableId);
            if (trunk.tested())
                testRow(trunk.latest(), trunk.cableId, trunkNotes(trunk));
            else {
                trunks.text(8, ReportText::tr("not tested"), formats.none);
                trunks.text(9, trunkNotes(trunk).join(QStringLiteral("; ")));
            }
            if (!step())
                return false;
        }
        for (const JobTestFigures &test : summary.unplanned) {
            trunks.next();
            testRow(test, QString(), { ReportText::tr("unplanned record") });
            if (!step())
                return false;
        }
        trunks.finish();
        for (const JobTrunkFigures &trunk : summary.trunks) {
            if (trunk.tested() && !fiberRows(trunk.latest(), trunk.cableId))
                return false;
        }
        for (const JobTestFigures &test : summary.unplanned) {
            if (!fiberRows(test, QString()))
                return false;
        }
        fibers.finish();
        return !progress || progress(total, total);
    }

private:
    bool step()
    {
        ++done;
        return !progress || done % stepRows != 0 || progress(done, total);
    }

    void testRow(const JobTestFigures &test, const QString &cableId, QStringList notes)
    {
        const RecordFigures &f = test.figures;
        trunks.shown(1, f.recordNumber, formats.record);
        trunks.date(2, test.test.receivedAtMs);
        trunks.shown(3, f.wavelength, formats.general);
        trunks.text(4, f.polarity.trimmed());
        trunks.shown(5, f.threshold, formats.general);
        trunks.shown(6, f.worstLossText(), formats.number);
        trunks.shown(7, f.smallestMarginText(), formats.number);
        trunks.verdict(8, f.verdict.verdict());
        const QString suspect = SuspectMarks::note(test.suspect);
        if (!suspect.isEmpty() && !notes.contains(suspect))
            notes << suspect;
        trunks.text(9, notes.join(QStringLiteral("; ")));
        const ReportHeaderTexts &h = test.test.headers;
        const std::pair<const char *, const QString *> texts[] = {
            { "Company", &h.companyName },
            { "Operator", &h.operatorName },
            { "Test device", &h.testDevice },
            { "Test date", &h.testDate },
            { "Serial number", &h.serialNumber },
        };
        for (int i = 0; i < 5; ++i)
            trunks.text(10 + i, whole(*texts[i].second, cableId, f.recordNumber, texts[i].first));
    }

    bool fiberRows(const JobTestFigures &test, const QString &cableId)
    {
        const RecordFigures &f = test.figures;
        QStringList sameReadings;
        for (const SuspectReading &flag : test.suspect) {
            if (flag.kind == SuspectReading::Kind::SameReadings)
                sameReadings << flag.text();
        }
        for (int fiber = 0; fiber < f.fibers.size(); ++fiber) {
            const FiberFigures &shown = f.fibers.at(fiber);
            fibers.next();
            fibers.text(0, cableId);
            fibers.shown(1, f.recordNumber, formats.record);
            fibers.shown(2, QString::number(fiber + 1), formats.general);
            fibers.shown(3, f.wavelength, formats.general);
            fibers.shown(4, shown.texts.powerText, formats.number);
            fibers.shown(5, shown.texts.lossText, formats.number);
            fibers.shown(6, f.threshold, formats.general);
            fibers.shown(7, shown.marginText, formats.number);
            fibers.verdict(8, shown.texts.verdict);
            QStringList notes;
            for (const SuspectReading &flag : test.suspect) {
                if (flag.kind == SuspectReading::Kind::NegativeLoss && flag.fiber == fiber + 1)
                    notes << flag.text();
            }
            fibers.text(9, (notes + sameReadings).join(QStringLiteral("; ")));
            if (!step())
                return false;
        }
        return true;
    }

    // A text as a cell holds it: cut where a cell ends, and said so.
    QString whole(
        const QString &text, const QString &cableId, const QString &record, const char *field)
    {
        if (text.size() <= JobWorkbook::cellLimit)
            return text;
        QString kept = text.left(JobWorkbook::cellLimit);
        if (kept.at(kept.size() - 1).isHighSurrogate())
            kept.chop(1);
        if (cut)
            cut->append({ cableId, record, field });
        return kept;
    }

    const JobSummary &summary;
    Formats formats;
    SheetWriter trunks;
    SheetWriter fibers;
    const ProgressStep &progress;
    QVector<JobWorkbook::CutText> *cut;
    int total = 0;
    int done = 0;
};

// libxlsxwriter opens its file by a name in the system's code page.
bool temporaryName(QTemporaryFile &file, QByteArray *name)
{
    if (!file.open())
        return false;
    file.close();
    *name = QFile::encodeName(file.fileName());
    return QFile::decodeName(*name) == file.fileName();
}

} // namespace

JobWorkbook::JobWorkbook(const JobSummary &summary)
    : summary(summary)
{
}

WriteOutcome JobWorkbook::write(const QString &path, const ProgressStep &progress,
    QString *errorString, QVector<CutText> *cut) const
{
    const auto failed = [&](const QString &why) {
        if (errorString)
            *errorString = why;
        return WriteOutcome::Failed;
    };
    QTemporaryFile temporary(QDir::temp().filePath(QStringLiteral("lumetra-XXXXXX.xlsx")));
    QByteArray name;
    if (!temporaryName(temporary, &name))
        return failed(ReportText::tr("no temporary file could be made in %1")
                          .arg(QDir::toNativeSeparators(QDir::tempPath())));
    lxw_workbook_options options {};
    options.constant_memory = LXW_TRUE; // a row at a time, whatever the job's size
    lxw_workbook *book = workbook_new_opt(name.constData(), &options);
    if (!book)
        return failed(ReportText::tr("the workbook could not be started"));
    if (cut)
        cut->clear();
    if (!Rows(summary, book, progress, cut).write()) {
        lxw_workbook_free(book);
        return WriteOutcome::Cancelled;
    }
    const lxw_error closed = workbook_close(book);
    if (closed != LXW_NO_ERROR)
        return failed(QString::fromUtf8(lxw_strerror(closed)));

    QFile written(temporary.fileName());
    QSaveFile file(path);
    if (!written.open(QIODevice::ReadOnly) || !file.open(QIODevice::WriteOnly))
        return failed(written.isOpen() ? file.errorString() : written.errorString());
    while (!written.atEnd()) {
        const QByteArray chunk = written.read(1 << 20);
        if (chunk.isEmpty() || file.write(chunk) != chunk.size()) {
            file.cancelWriting();
            return failed(file.errorString());
        }
    }
    if (!file.commit())
        return failed(file.errorString());
    return WriteOutcome::Written;
}
