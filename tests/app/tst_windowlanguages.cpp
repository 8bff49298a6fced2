// SPDX-License-Identifier: MIT
#include "configrun.h"
#include "displayscaling.h"
#include "historywindow.h"
#include "jobstatusmodel.h"
#include "jobswindow.h"
#include "listofuid.h"
#include "mainwindow.h"
#include "qtdialoghost.h"
#include "recordarchive.h"
#include "testrecordcompare.h"
#include "uilanguage.h"
#include "windowtestsupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <memory>

// Each window in each language the program embeds: named for a screen reader,
// reachable from the keyboard, and every text whole in its place, without
// scroll bars. ctest runs it on displays of today's sizes and scalings too,
// where the main window must show whole on the screen, and its report print
// at the screen's pixel ratio on the same A4 page.
class TestWindowLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyControlIsNamedAndEveryCommandReachable_data();
    void everyControlIsNamedAndEveryCommandReachable();
    void everyTextFits_data();
    void everyTextFits();
    void wholeWindowOnTheScreen();
    void reportKeepsItsPage();

private:
    QTemporaryDir settingsDir;
    QString archive;
};

namespace {
// Set up by main as the program's entry sets it up.
const DisplayScaling *scaling = nullptr;

// The program's translation into language and Qt's own, as the program
// installs them; none for English.
class Language
{
public:
    explicit Language(const QString &language)
        : loaded(UiLanguage::install(*qApp, { language })
            == (language == QLatin1String("en") ? QString() : language))
    {
    }
    ~Language()
    {
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    const bool loaded;
};

QStringList embeddedLanguages()
{
    QStringList languages;
    const QStringList files
        = QDir(QStringLiteral(":/i18n")).entryList({ QStringLiteral("lumetra_*.qm") }, QDir::Files);
    for (const QString &file : files)
        languages << file.mid(8, file.size() - 11);
    return languages;
}

// The main window with an archive opened, the History and Jobs windows and
// the progress dialog that opening the archive showed, as the user sees them.
struct OpenWindows
{
    OpenWindows(double scale, const QString &archive)
        : main(nullptr, Qt::WindowFlags(), rectOf({ 800, 600 }),
            screenOf({ int(800 * scale), int(600 * scale) }), dialogs)
    {
        scaling->place(main);
        main.show();
        dialogs.fileAnswers << archive;
        main.openAct->trigger();
        main.historyAct->trigger();
        history = main.findChild<HistoryWindow *>();
        main.jobsAct->trigger();
        jobs = main.findChild<JobsWindow *>();
        // The archive's job, once the store has it, with its ID on the page.
        opened = QTest::qWaitFor(
            [this] {
                return jobs->ids->rowCount() > 0
                    && main.reportWindow->Edit_CableId->text() == QLatin1String("A01-B01");
            },
            10000);
        if (dialogs.progressLabels.isEmpty())
            return;
        shownProgress = QtDialogHost().progress(&main, dialogs.progressLabels.constFirst());
        progress = main.findChild<QProgressDialog *>();
        if (progress)
            progress->show();
    }
    RecordingDialogHost dialogs;
    MainWindow main;
    HistoryWindow *history = nullptr;
    JobsWindow *jobs = nullptr;
    bool opened = false; // with the archive's job and cable ID
    std::unique_ptr<ProgressIndicator> shownProgress;
    QProgressDialog *progress = nullptr;

    QList<QWidget *> windows() { return { &main, history, jobs, progress }; }
};

QString described(const QWidget *widget)
{
    return QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ')
        + widget->objectName();
}

// A caption as drawn: mnemonic marks gone, trailing blanks take no room.
QString shown(QString text)
{
    text.replace(QLatin1String("&&"), QStringLiteral("\x1")).remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x1'), QLatin1Char('&')).remove(QRegularExpression(" +$"));
}

int widthOf(const QFont &font, const QString &text)
{
    return QFontMetrics(font).horizontalAdvance(shown(text));
}

// Every text shown in a window against the room its widget gives it.
class FitCheck
{
public:
    explicit FitCheck(const QString &where)
        : where(where)
    {
    }
    void window(QWidget *window);
    QStringList misfits;

private:
    void need(const QWidget *widget, const QString &text, int needed, int available,
        const char *dimension = "wide")
    {
        if (!shown(text).isEmpty() && needed > available)
            misfits << QStringLiteral("%1: \"%2\" in %3 needs %4 px %5, has %6")
                           .arg(where, text, described(widget))
                           .arg(needed)
                           .arg(QLatin1String(dimension))
                           .arg(available);
    }
    // In the widget's font or any that stands in for glyphs it lacks; high
    // enough for the glyphs' ink, as the empty room above and below may be cut.
    void text(const QWidget *widget, const QString &text, QSize room)
    {
        need(widget, text, widthOf(widget->font(), text), room.width());
        need(widget, text, QFontMetrics(widget->font()).tightBoundingRect(shown(text)).height(),
            room.height(), "high");
    }
    void widget(QWidget *widget);
    void scrolling(QAbstractScrollArea *area);
    void bars(QMainWindow *main);
    const QString where;
};

void FitCheck::window(QWidget *top)
{
    for (QWidget *child : top->findChildren<QWidget *>())
        if (child->isVisible() && child->window() == top->window())
            widget(child);
    if (auto *main = qobject_cast<QMainWindow *>(top))
        bars(main);
}

void FitCheck::widget(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        const int margin = label->margin();
        if (label->wordWrap())
            need(label, label->text(), label->heightForWidth(label->width()), label->height(),
                "high");
        else if (label->pixmap(Qt::ReturnByValue).isNull())
            text(label, label->text(), label->contentsRect().size() - QSize(margin, margin) * 2);
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        need(button, button->text(), button->sizeHint().width(), button->width());
    } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        // The frame and the edit's own margins of 2 px across and 1 px down.
        const QMargins margins = edit->textMargins();
        const int frame = edit->hasFrame()
            ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit)
            : 0;
        const QSize room = edit->size()
            - QSize(2 * frame + 4 + margins.left() + margins.right(),
                2 * frame + 2 + margins.top() + margins.bottom());
        text(edit, edit->text().isEmpty() ? edit->placeholderText() : edit->text(), room);
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        option.frame = combo->hasFrame();
        const QSize room = combo->style()
                               ->subControlRect(QStyle::CC_ComboBox, &option,
                                   QStyle::SC_ComboBoxEditField, combo)
                               .size();
        for (int item = 0; item < combo->count(); ++item)
            text(combo, combo->itemText(item), room);
    } else if (auto *header = qobject_cast<QHeaderView *>(widget)) {
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int section = 0; header->model() && section < header->count(); ++section) {
            const QString caption
                = header->model()->headerData(section, header->orientation()).toString();
            if (!header->isSectionHidden(section))
                need(header, caption, widthOf(header->font(), caption) + 2 * margin,
                    header->sectionSize(section));
        }
    } else if (auto *area = qobject_cast<QAbstractScrollArea *>(widget)) {
        scrolling(area);
    }
}

void FitCheck::scrolling(QAbstractScrollArea *area)
{
    for (const QScrollBar *bar : { area->horizontalScrollBar(), area->verticalScrollBar() })
        if (bar->isVisible())
            misfits << QStringLiteral("%1: %2 scrolls").arg(where, described(area));
    auto *table = qobject_cast<QTableView *>(area);
    const int last = table && table->model() ? table->model()->rowCount() - 1 : -1;
    if (last >= 0)
        need(table, QStringLiteral("row %1").arg(last + 1),
            table->rowViewportPosition(last) + table->rowHeight(last), table->viewport()->height(),
            "low");
}

void FitCheck::bars(QMainWindow *main)
{
    QMenuBar *bar = main->menuBar();
    for (QAction *title : bar->actions()) {
        // A title past the bar's end goes behind its extension button; a menu
        // takes the width of its widest entry, up to the screen's.
        const QRect place = bar->actionGeometry(title);
        need(bar, title->text(), place.isEmpty() ? bar->width() + 1 : place.right() + 1,
            bar->width());
        if (QMenu *menu = title->menu())
            need(menu, title->text(), menu->sizeHint().width(),
                bar->screen()->availableGeometry().width());
    }
    // The status line leaves a few pixels on either side of its message.
    QStatusBar *line = main->statusBar();
    QStringList messages { line->currentMessage() };
    for (const QAction *action : main->findChildren<QAction *>())
        messages << action->statusTip();
    for (const QWidget *widget : main->findChildren<QWidget *>())
        messages << widget->statusTip();
    for (const QString &message : qAsConst(messages))
        need(line, message, widthOf(line->font(), message), line->width() - 18);
}

// Each box and panel drawn with its top and left lines: in the band of two
// pixels along each edge, its middle differs from the window's background.
QStringList brokenFrames(QWidget *window)
{
    const QImage shown = window->grab().toImage();
    const qreal ratio = shown.devicePixelRatio();
    const QRgb background = window->palette().color(QPalette::Window).rgb();
    QStringList broken;
    for (const QFrame *frame : window->findChildren<QFrame *>()) {
        if (!frame->isVisible()
            || (frame->frameShape() != QFrame::Box && frame->frameShape() != QFrame::Panel))
            continue;
        const QRect at(frame->mapTo(window, QPoint()) * ratio, frame->size() * ratio);
        const auto lined = [&](QPoint from, QPoint step) {
            return shown.pixel(from) != background || shown.pixel(from + step) != background;
        };
        if (!lined(QPoint(at.center().x(), at.top()), QPoint(0, 1))
            || !lined(QPoint(at.left(), at.center().y()), QPoint(1, 0)))
            broken << described(frame);
    }
    return broken;
}

QStringList unnamedFocusable(QWidget *window)
{
    QStringList unnamed;
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : qAsConst(widgets)) {
        // A focus proxy's owner is named in its place; a progress bar is
        // read out as it moves.
        const bool control = (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy();
        if (!(control || qobject_cast<QProgressBar *>(widget)) || widget->window() != window
            || !widget->isVisibleTo(window))
            continue;
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(widget);
        if (!reader || reader->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << described(widget);
    }
    return unnamed;
}
} // namespace

void TestWindowLanguages::initTestCase()
{
    QVERIFY(prepareWindowTests(settingsDir));
    // Its copies run side by side on other displays, each writing its own pictures.
    QVERIFY(QDir::setCurrent(settingsDir.path()));
    QVERIFY(Language(QStringLiteral("en")).loaded); // and the translations registered
    TestRecord record = edgeRecord(1, -20.5f);
    record.wavelengthCode = 1;
    record.polarityCode = 3;
    archive = settingsDir.filePath(QStringLiteral("one.mrf"));
    ArchiveJob job;
    job.facts.name = QStringLiteral("North");
    job.cableIds = QStringList { "A01-B01", "A01-B02", "A01-B03" };
    job.recordIds = QStringList { "A01-B01" };
    QVERIFY(RecordArchive::save(archive, { record }, QVector<ReportHeaderTexts>(1), nullptr, &job));
}

void TestWindowLanguages::everyControlIsNamedAndEveryCommandReachable_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << "en";
    QTest::newRow("de") << "de";
}

void TestWindowLanguages::everyControlIsNamedAndEveryCommandReachable()
{
    QFETCH(QString, language);
    const Language installed(language);
    QVERIFY(installed.loaded);
    OpenWindows windows(1.0, archive);
    QStringList unnamed;
    for (QWidget *window : windows.windows()) {
        QVERIFY(window);
        unnamed += unnamedFocusable(window);
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1String(", "))));

    // Alt and a letter open each menu; every command is in one ...
    QList<QAction *> inMenus;
    for (const QAction *title : windows.main.menuBar()->actions()) {
        if (title->isSeparator())
            continue;
        QVERIFY2(!QKeySequence::mnemonic(title->text()).isEmpty(), qPrintable(title->text()));
        inMenus += title->menu()->actions();
    }
    // ... and has a letter of its own there or a key.
    for (QAction *command :
        windows.main.findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(command->text().isEmpty()
                || (inMenus.contains(command)
                    && !(QKeySequence::mnemonic(command->text()).isEmpty()
                        && command->shortcuts().isEmpty())),
            qPrintable(command->text()));
}

void TestWindowLanguages::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("scale");
    const QStringList languages = embeddedLanguages(); // English's plural forms too
    for (const QString &language : languages)
        for (double scale : { 1.0, 2.0 })
            QTest::addRow("%s at %g", qPrintable(language), scale) << language << scale;
}

void TestWindowLanguages::everyTextFits()
{
    QFETCH(QString, language);
    QFETCH(double, scale);
    QVERIFY2(!embeddedLanguages().isEmpty(), "no translation is embedded");
    const Language installed(language);
    QVERIFY(installed.loaded);
    OpenWindows windows(scale, archive);
    QVERIFY(windows.opened);
    FitCheck check(QStringLiteral("%1 at %2").arg(language).arg(scale));
    for (QWidget *window : windows.windows()) {
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        check.window(window);
    }
    // The panel's other state, and the line's message while records arrive.
    windows.main.connectionPanel->showPortConnected(true);
    QVERIFY(QMetaObject::invokeMethod(&windows.main, "on_file_transfer", Q_ARG(int, 999)));
    check.window(&windows.main);
    check.misfits.removeDuplicates();
    QVERIFY2(check.misfits.isEmpty(), qPrintable(check.misfits.join(QLatin1Char('\n'))));
}

// The display's scaling the run is for: "1.5", or "<1.5" where the window
// cannot take all of it; none off a display of known size.
double expectedScaling(bool *shrunk = nullptr)
{
    const QByteArray expected = qgetenv("LUMETRA_TEST_SCALING");
    if (shrunk)
        *shrunk = expected.startsWith('<');
    return expected.mid(expected.startsWith('<') ? 1 : 0).toDouble();
}

void TestWindowLanguages::wholeWindowOnTheScreen()
{
    bool shrunk = false;
    const double system = expectedScaling(&shrunk);
    if (system <= 0)
        QSKIP("on a display of known size only (ctest -L display)");
    OpenWindows windows(1.0, archive);
    MainWindow &main = windows.main;
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    const double ratio = main.devicePixelRatioF();
    if (shrunk)
        QVERIFY2(ratio >= 1.0 && ratio < system, qPrintable(QString::number(ratio)));
    else
        QCOMPARE(ratio, system);
    // The menus' pictures at the screen's sharpness, not blown up.
    QVERIFY(qAbs(main.openAct->icon().pixmap(16).devicePixelRatio() - ratio) < 0.01);
    // With a window manager's title bar of 30 pixels at 100 %.
    const int titleBar = qCeil(30 * system / ratio);
    const QRect whole = main.frameGeometry().adjusted(0, -titleBar, 0, 0);
    const QStringList broken = brokenFrames(&main);
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1String(", "))));
    const QRect available = main.screen()->availableGeometry();
    QCOMPARE(available.united(whole), available);
}

void TestWindowLanguages::reportKeepsItsPage()
{
    OpenWindows windows(1.0, archive);
    const QString pdf = settingsDir.filePath(QStringLiteral("record.pdf"));
    windows.dialogs.fileAnswers << pdf;
    windows.main.generateAct->trigger();
    const double ratio = qMin(windows.main.devicePixelRatioF(), 2.0);
    const QSize page = windows.main.reportWindow->size();
    QCOMPARE(QImage(QStringLiteral("data/record.png")).size(),
        QSize(qRound(page.width() * ratio), qRound(page.height() * ratio)));
    // pdfimages: page num type width height color comp bpc enc interp object ID x-ppi y-ppi ...
    const QStringList image = QString(outputOf("pdfimages", { "-list", pdf }))
                                  .split('\n')
                                  .value(2)
                                  .split(' ', Qt::SkipEmptyParts);
    QCOMPARE(image.value(3).toInt(), qRound(page.width() * ratio));
    // As at 100 %: one design pixel to a pixel of a 96-dpi screen.
    QCOMPARE(image.value(12).toInt(), qRound(96 * ratio));
}

int main(int argc, char *argv[])
{
    DisplayScaling displayScaling(MainWindow::designSize());
    scaling = &displayScaling;
    QApplication app(argc, argv);
    displayScaling.applicationMade();
    TestWindowLanguages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowlanguages.moc"
