// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDSECTION_H
#define LUMETRA_RECORDSECTION_H

#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>

class QTextDocument;
class ReportPainter;
struct RecordFigures;
struct ReportHeaderTexts;

// What a section says beyond its record: the cable ID that heads it, printed
// whole, and its suspect readings.
struct SectionMarks
{
    QString cableId;
    QStringList flags; // a line each
    QVector<int> flaggedFibers; // 1 to 12: their loss in the flags' colour
};

// One record of a certification report: its header texts and note, its
// number, polarity, wavelength and threshold, the fiber table with the
// margin of every fiber, and the loss chart. Every text is there whole: a
// section grows with its texts, and a note too long for a page is cut
// between its lines and goes on under a "continued" bar. Sizes are in
// millimetres; the page may be a measuring one.
class RecordSection
{
public:
    RecordSection(const ReportPainter &page, const RecordFigures &figures,
        const ReportHeaderTexts &texts, double left, double width,
        const SectionMarks &marks = SectionMarks());
    ~RecordSection();

    // The title bar, the header texts and the record's facts.
    double headHeight() const;
    static double continuedHeight();
    // Where the note may be cut, from its top, in order: below each of its
    // lines. The last is the note's height; empty when there is no note.
    const QVector<double> &noteBreaks() const { return breaks; }
    // The room the part from..to of the note takes below the head, or below
    // the continued bar; under the head an empty note still has its label.
    double noteRoom(double from, double to, bool underHead) const;
    // The fiber table and the chart at their smallest and at their largest.
    static double smallestTableHeight();
    static double largestTableHeight();

    double drawHead(double top) const;
    void drawContinued(double top) const;
    void drawNote(double top, double from, double to, bool underHead) const;
    // The rows share the height from top to bottom, within limits.
    void drawTable(double top, double bottom) const;

private:
    double head(const ReportPainter &on, double top) const;

    const ReportPainter &page;
    const RecordFigures &figures;
    const ReportHeaderTexts &texts;
    double left;
    double width;
    SectionMarks marks;
    std::unique_ptr<QTextDocument> note;
    QVector<double> breaks;
};

#endif
