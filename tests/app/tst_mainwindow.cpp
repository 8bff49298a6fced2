// SPDX-License-Identifier: MIT
#include "configrun.h"
#include "listofuid.h"
#include "lumetraversion.h"
#include "mainctrlthread.h"
#include "mainwindow.h"
#include "recordingdialoghost.h"
#include "uitesthelpers.h"
#include "windowtestsupport.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <unistd.h>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void placement_data();
    void placement();
    void titleIconAndSubWindows();
    void actions_data();
    void actions();
    void menus();
    void statusLineSaysReady();
    void aboutAndUsage();
    void threadStartsWaitingForAPort();
    void headerTextsComeFromSettings();
    void pagesFitTheirFontToTheScaledBoxes_data();
    void pagesFitTheirFontToTheScaledBoxes();
    void closing_data();
    void closing();

private:
    QTemporaryDir settingsDir;
};

namespace {
QStringList entriesOf(const QWidget *menu)
{
    QStringList entries;
    for (const QAction *action : menu->actions())
        entries << (action->isSeparator() ? QStringLiteral("|") : action->text());
    return entries;
}

bool sameIcon(const QIcon &actual, const QString &path)
{
    return actual.pixmap(32).toImage() == QIcon(path).pixmap(32).toImage();
}
} // namespace

void TestMainWindow::initTestCase()
{
    QVERIFY(prepareWindowTests(settingsDir));
}

void TestMainWindow::init()
{
    QSettings(QStringLiteral("Tavolin"), QStringLiteral("Lumetra")).clear();
    useFixedTestFont();
}

namespace {
// A desktop font whose menu bar and status line fit the design height.
void useSmallDesktopFont()
{
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
}
} // namespace

void TestMainWindow::placement_data()
{
    QTest::addColumn<QSize>("reference");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QRect>("panel");
    QTest::addColumn<QRect>("report");

    QTest::newRow("same screen") << QSize(1920, 1080) << QSize(1920, 1080) << QSize(820, 671)
                                 << QRect(0, 0, 220, 630) << QRect(220, 0, 600, 630);
    QTest::newRow("1280x1024 then 1920x1080")
        << QSize(1280, 1024) << QSize(1920, 1080) << QSize(1230, 707) << QRect(0, 0, 330, 664)
        << QRect(330, 0, 900, 664);
    QTest::newRow("1024 then 1366 wide: truncated")
        << QSize(1024, 768) << QSize(1366, 768) << QSize(1093, 671) << QRect(0, 0, 293, 630)
        << QRect(293, 0, 800, 630);
    QTest::newRow("twice as wide") << QSize(960, 1080) << QSize(1920, 1080) << QSize(1640, 671)
                                   << QRect(0, 0, 440, 630) << QRect(440, 0, 1200, 630);
}

void TestMainWindow::placement()
{
    QFETCH(QSize, reference);
    QFETCH(QSize, screen);
    QFETCH(QSize, window);
    QFETCH(QRect, panel);
    QFETCH(QRect, report);

    useSmallDesktopFont();
    RecordingDialogHost dialogs;
    MainWindow main(nullptr, Qt::WindowFlags(), rectOf(reference), screenOf(screen), dialogs);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));

    QCOMPARE(main.winversion, 10.0);
    QCOMPARE(main.XFactor, double(screen.width()) / reference.width());
    QCOMPARE(main.YFactor, double(screen.height()) / reference.height());
    QCOMPARE(main.geometry().topLeft(), QPoint(20, 30));
    QCOMPARE(main.size(), window);
    QCOMPARE(main.minimumSize(), window);
    QCOMPARE(main.maximumSize(), window);
    QCOMPARE(main.panelSubWindow->geometry(), panel);
    QCOMPARE(main.reportSubWindow->geometry(), report);
    QCOMPARE(main.reportWindow->remoteDevices->columnWidth(0), int(80 * main.XFactor));
    QVERIFY(dialogs.calls.isEmpty());
}

void TestMainWindow::titleIconAndSubWindows()
{
    RecordingDialogHost dialogs;
    MainWindow main(
        nullptr, Qt::WindowFlags(), rectOf({ 800, 600 }), screenOf({ 800, 600 }), dialogs);
    QCOMPARE(main.windowTitle(), QStringLiteral("Tavolin Lumetra"));
    QVERIFY(sameIcon(main.windowIcon(), QStringLiteral(":/images/Tavolin.png")));
    QCOMPARE(main.centralWidget(), main.mdiArea);
    QCOMPARE(main.mdiArea->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(main.mdiArea->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

    const QList<QMdiSubWindow *> order = main.mdiArea->subWindowList(QMdiArea::CreationOrder);
    QCOMPARE(order.size(), 2);
    QCOMPARE(order.at(0), main.reportSubWindow.data());
    QCOMPARE(order.at(1), main.panelSubWindow.data());
    QCOMPARE(main.reportSubWindow->widget(), main.reportWindow.data());
    QCOMPARE(main.panelSubWindow->widget(), main.connectionPanel.data());
    for (QMdiSubWindow *sub : order) {
        QVERIFY(sub->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(sub->testAttribute(Qt::WA_DeleteOnClose));
    }
    QCOMPARE(main.reportSubWindow->statusTip(), QStringLiteral("Create a Dialog window"));
    QCOMPARE(main.connectionPanel->windowTitle(), QStringLiteral("Device Connection"));
    QCOMPARE(main.connectionPanel->statusTip(), QStringLiteral("MPO Device Connection and Status"));
    QCOMPARE(main.reportWindow->windowTitle(), QStringLiteral("Test Report"));
    QCOMPARE(main.reportWindow->statusTip(), QStringLiteral("Test Report main window"));
}

void TestMainWindow::actions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<int>("standardKey"); // 0: no shortcut
    QTest::addColumn<QString>("statusTip");

    QTest::newRow("generate") << "&Generate"
                              << ":/images/print.png" << int(QKeySequence::Print)
                              << "Generate a report";
    QTest::newRow("generate all") << "&Generate All"
                                  << ":/images/print.png" << int(QKeySequence::SelectAll)
                                  << "Generate all reports";
    QTest::newRow("open") << "&Open"
                          << ":/images/open.png" << int(QKeySequence::Open)
                          << "Open an existing record";
    QTest::newRow("save") << "&Save"
                          << ":/images/save.png" << int(QKeySequence::Save)
                          << "Save record to disk";
    QTest::newRow("exit") << "E&xit"
                          << ":/images/exit.png" << int(QKeySequence::Quit)
                          << "Exit the application";
    QTest::newRow("clear all") << "Clear All"
                               << ":/images/delete.png" << int(QKeySequence::Cut)
                               << "Clear the list of Record";
    QTest::newRow("clear selected")
        << "Clear Selected"
        << ":/images/remove.png" << int(QKeySequence::Delete) << "Clear the current Record";
    QTest::newRow("about") << "&About"
                           << ":/images/Tavolin.png" << 0 << "Show the application's About box";
    QTest::newRow("usage") << "&Usage"
                           << ":/images/help-browser.png" << 0 << "Help User with Lumetra";
}

void TestMainWindow::actions()
{
    QFETCH(QString, text);
    QFETCH(QString, icon);
    QFETCH(int, standardKey);
    QFETCH(QString, statusTip);

    RecordingDialogHost dialogs;
    MainWindow main(
        nullptr, Qt::WindowFlags(), rectOf({ 800, 600 }), screenOf({ 800, 600 }), dialogs);
    const QList<QAction *> matching = [&] {
        QList<QAction *> found;
        for (QAction *action : main.findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly))
            if (action->text() == text)
                found << action;
        return found;
    }();
    QCOMPARE(matching.size(), 1);
    QAction *action = matching.first();
    QCOMPARE(action->statusTip(), statusTip);
    QVERIFY(sameIcon(action->icon(), icon));
    if (standardKey)
        QCOMPARE(
            action->shortcuts(), QKeySequence::keyBindings(QKeySequence::StandardKey(standardKey)));
    else
        QVERIFY(action->shortcuts().isEmpty());
}

void TestMainWindow::menus()
{
    RecordingDialogHost dialogs;
    MainWindow main(
        nullptr, Qt::WindowFlags(), rectOf({ 800, 600 }), screenOf({ 800, 600 }), dialogs);
    QCOMPARE(
        entriesOf(main.menuBar()), QStringList({ "&File", "&Records", "&Reports", "|", "&Help" }));
    QCOMPARE(entriesOf(main.fileMenu),
        QStringList({ "&Open", "Open &Recent", "&Save", "Export &CSV...", "|", "E&xit" }));
    QCOMPARE(entriesOf(main.recordsMenu),
        QStringList({ "Clear Selected", "Clear All", "|", "&History...", "&Jobs..." }));
    QCOMPARE(entriesOf(main.reportsMenu),
        QStringList({ "&Generate", "&Generate All", "&Certification Report...", "|",
            "&Job Report...", "Job &Workbook..." }));
    QCOMPARE(entriesOf(main.helpMenu), QStringList({ "&About", "&Usage" }));

    // The keys users are told about.
    QVERIFY(main.clearAllAct->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_X)));
    QVERIFY(main.clearSelectedAct->shortcuts().contains(QKeySequence(Qt::Key_Delete)));
    QVERIFY(main.openAct->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_O)));
    QCOMPARE(main.certificationAct->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    QCOMPARE(main.exportCsvAct->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
}

void TestMainWindow::statusLineSaysReady()
{
    RecordingDialogHost dialogs;
    MainWindow main(
        nullptr, Qt::WindowFlags(), rectOf({ 800, 600 }), screenOf({ 800, 600 }), dialogs);
    QCOMPARE(main.statusBar()->currentMessage(), QStringLiteral("Ready"));
}

void TestMainWindow::aboutAndUsage()
{
    RecordingDialogHost dialogs;
    MainWindow main(
        nullptr, Qt::WindowFlags(), rectOf({ 800, 600 }), screenOf({ 800, 600 }), dialogs);
    main.aboutAct->trigger();
    main.usageAct->trigger();
    QCOMPARE(dialogs.calls.size(), 2);

    const DialogCall &about = dialogs.calls.at(0);
    QCOMPARE(about.kind, QStringLiteral("about"));
    QCOMPARE(about.parent, &main);
    QCOMPARE(about.title, QStringLiteral("About Lumetra"));
    // The version and its date are the build's, as --version and the package give them.
    QVERIFY2(about.text.startsWith(QStringLiteral("Version %1 (make sure latest version displays)"
                                                  "<br>Version Date: %2<br>")
                                       .arg(lumetraVersion, lumetraVersionDate)),
        qPrintable(about.text));
    QVERIFY(about.text.size() > 80); // followed by the support line

    const DialogCall &usage = dialogs.calls.at(1);
    QCOMPARE(usage.kind, QStringLiteral("about"));
    QCOMPARE(usage.parent, &main);
    QCOMPARE(usage.title, QStringLiteral("Lumetra Usage"));
    QCOMPARE(usage.text,
        QStringLiteral(
            "To download software test report:<br><dd>- Turn on MPO Power Meter<dd>- Attach "
            "MPO cable from computer to MPO Power Meter<dd>- In Software - Select "
            "appropriate Com Port(ex Com 2)<dd>- To export file select File <i>(F2)</i>, "
            "Recall <i>(F2)</i> and Export <i>(F2)</i><dd>- Select Single File, Range of "
            "Files or All Files, By pressing Select <i>(F1)</i>. Use vertical and "
            "horizontal arrows to select range<dd>- Press Export <i>(F1)</i> to dump "
            "file(s) to computer"));
}

void TestMainWindow::threadStartsWaitingForAPort()
{
    RecordingDialogHost dialogs;
    MainWindow main(
        nullptr, Qt::WindowFlags(), rectOf({ 800, 600 }), screenOf({ 800, 600 }), dialogs);
    QVERIFY(main.ctrlThread);
    QVERIFY(main.ctrlThread->isRunning());
    QCOMPARE(main.ctrlThread->waitingForPort.load(), 1);
    QCOMPARE(main.ctrlThread->baseDirectory, QCoreApplication::applicationDirPath());
    QVERIFY(main.records().isEmpty() && main.recordHeaders().isEmpty());
    QCOMPARE(main.appTitle, QStringLiteral("Lumetra"));
    QCOMPARE(main.minMeterVersion, QStringLiteral("2.1"));
}

void TestMainWindow::headerTextsComeFromSettings()
{
    {
        QSettings settings(QStringLiteral("Tavolin"), QStringLiteral("Lumetra"));
        settings.setValue(QStringLiteral("company/name"), QStringLiteral("ACME Fiber"));
        settings.setValue(QStringLiteral("company/operator"), QStringLiteral("J. Doe"));
        settings.setValue(QStringLiteral("company/test_device"), QStringLiteral("MPO-12"));
        settings.setValue(QStringLiteral("company/serialnumber"), QStringLiteral("SN 42"));
    }
    RecordingDialogHost dialogs;
    MainWindow main(
        nullptr, Qt::WindowFlags(), rectOf({ 800, 600 }), screenOf({ 800, 600 }), dialogs);
    const ListOfUID *report = main.reportWindow;
    QCOMPARE(report->Edit_Company->text(), QStringLiteral("ACME Fiber"));
    QCOMPARE(report->Edit_Operator->text(), QStringLiteral("J. Doe"));
    QCOMPARE(report->Edit_TestDevice->text(), QStringLiteral("MPO-12"));
    QCOMPARE(report->Edit_TestDate->text(), QString());
    QCOMPARE(report->Edit_SerialNumber->text(), QStringLiteral("SN 42"));
    QCOMPARE(report->Edit_ExportTime->text(), QString());
}

void TestMainWindow::pagesFitTheirFontToTheScaledBoxes_data()
{
    QTest::addColumn<double>("factor");
    QTest::newRow("1.0") << 1.0;
    QTest::newRow("1.5") << 1.5;
}

void TestMainWindow::pagesFitTheirFontToTheScaledBoxes()
{
    QFETCH(double, factor);
    RecordingDialogHost dialogs;
    MainWindow main(nullptr, Qt::WindowFlags(), rectOf({ 800, 600 }),
        screenOf({ int(800 * factor), int(600 * factor) }), dialogs);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    const QLabel *caption = main.reportWindow->Label_SerialNumber;
    QVERIFY2(QFontMetrics(caption->font()).horizontalAdvance(caption->text()) <= caption->width(),
        qPrintable(caption->font().toString()));
    // Styled, and styled again on every change of state: fitted all the same.
    const QLineEdit *status = main.connectionPanel->Edit_PortStatus;
    for (bool connected : { true, false }) {
        main.connectionPanel->showPortConnected(connected);
        QCOMPARE(status->font(), main.connectionPanel->font());
        QVERIFY(
            QFontMetrics(status->font()).horizontalAdvance(status->text()) < status->width() - 4);
    }
    // Menu bar and status line at the desktop's font leave the pages whole.
    QVERIFY(main.height() >= int(671 * factor));
    QVERIFY(main.mdiArea->viewport()->height() >= main.panelSubWindow->height());
    QVERIFY(!main.mdiArea->verticalScrollBar()->isVisible());
    QVERIFY(!main.mdiArea->horizontalScrollBar()->isVisible());
    // The desktop's font stays where nothing is boxed.
    QCOMPARE(main.menuBar()->font(), QApplication::font(main.menuBar()));
    QCOMPARE(main.fileMenu->font(), QApplication::font(main.fileMenu));
    QCOMPARE(main.statusBar()->font(), QApplication::font(main.statusBar()));
    QCOMPARE(QApplication::font(), QFont(QStringLiteral("DejaVu Sans"), 9));
}

void TestMainWindow::closing_data()
{
    QTest::addColumn<bool>("byExitAction");
    QTest::newRow("E&xit") << true;
    QTest::newRow("close button") << false;
}

void TestMainWindow::closing()
{
    QFETCH(bool, byExitAction);
    useSmallDesktopFont();

    PseudoPort port;
    QVERIFY(port.open());
    QTemporaryDir noKernelPorts;
    qputenv("LUMETRA_PORTS", port.path.toLocal8Bit());

    RecordingDialogHost dialogs;
    auto main = std::make_unique<MainWindow>(
        nullptr, Qt::WindowFlags(), rectOf({ 800, 600 }), screenOf({ 800, 600 }), dialogs);
    MainCtrlThread *thread = main->ctrlThread.get();
    thread->ttyClassDirectory = noKernelPorts.path().toStdString();
    QCOMPARE(thread->listPorts(), 0);
    thread->selectedPortIndex = 0;
    QCOMPARE(thread->openSelectedPort(), 0);
    ::close(port.slave); // the serial layer holds its own descriptor now
    port.slave = -1;
    QVERIFY(!port.terminalSideClosed());

    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    const QPoint position = main->pos();
    main->reportWindow->Edit_Company->setText(QStringLiteral("Tavolin Labs"));
    main->reportWindow->Edit_Operator->setText(QStringLiteral("Ana"));
    main->reportWindow->Edit_TestDevice->setText(QStringLiteral("PM-12"));
    main->reportWindow->Edit_TestDate->setText(QStringLiteral("2026-12-07"));
    main->reportWindow->Edit_SerialNumber->setText(QStringLiteral("0815"));
    main->reportWindow->Edit_ExportTime->setText(QStringLiteral("not kept"));

    // Anything written after the window has closed would overwrite this mark.
    const QString mark = QStringLiteral("written once");
    QMetaObject::Connection marking = connect(qApp, &QGuiApplication::lastWindowClosed, [&] {
        QSettings(QStringLiteral("Tavolin"), QStringLiteral("Lumetra"))
            .setValue(QStringLiteral("company/operator"), mark);
    });
    bool threadGoneAtQuit = false;
    bool portClosedAtQuit = false;
    QMetaObject::Connection quitting = connect(qApp, &QCoreApplication::aboutToQuit, [&] {
        threadGoneAtQuit = !main->ctrlThread;
        portClosedAtQuit = port.terminalSideClosed();
    });
    QTimer::singleShot(0, main.get(), [&] {
        if (byExitAction)
            main->exitAct->trigger();
        else
            main->close();
    });
    QTimer::singleShot(10000, qApp, &QCoreApplication::quit); // a refused close must not hang

    QCOMPARE(QApplication::exec(), 0);
    disconnect(marking);
    disconnect(quitting);

    QVERIFY(!main->isVisible());
    QVERIFY(threadGoneAtQuit);
    QVERIFY(portClosedAtQuit);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!main->panelSubWindow && !main->reportSubWindow);
    QVERIFY(!main->connectionPanel && !main->reportWindow);
    main.reset();

    QSettings settings(QStringLiteral("Tavolin"), QStringLiteral("Lumetra"));
    QCOMPARE(settings.value(QStringLiteral("mainwindow/pos")).toPoint(), position);
    QCOMPARE(settings.value(QStringLiteral("mainwindow/size")).toSize(), QSize(820, 671));
    QCOMPARE(
        settings.value(QStringLiteral("company/name")).toString(), QStringLiteral("Tavolin Labs"));
    QCOMPARE(settings.value(QStringLiteral("company/operator")).toString(), mark);
    QCOMPARE(
        settings.value(QStringLiteral("company/test_device")).toString(), QStringLiteral("PM-12"));
    QCOMPARE(settings.value(QStringLiteral("company/test_date")).toString(),
        QStringLiteral("2026-12-07"));
    QCOMPARE(
        settings.value(QStringLiteral("company/serialnumber")).toString(), QStringLiteral("0815"));
    QVERIFY(!settings.contains(QStringLiteral("company/export_time")));
    QCOMPARE(settings.allKeys().size(), 7);
    QVERIFY(dialogs.calls.isEmpty());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
