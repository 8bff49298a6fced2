// SPDX-License-Identifier: MIT
#include "cerrcapture.h"
#include "configrun.h"
#include "mainctrlthread.h"
#include "windowtestsupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

// The connection dialogue: listing the ports into the combo box, opening the
// picked one, and the boxes that tell of failures.
class TestPortSelection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void noPortGivesTheHintThenTwoCriticalBoxes();
    void pickingConnectsSwitchesAndFails();
    void listingWithoutARunningThread();
    void noPermissionSaysWhyAndTheFix();

private:
    QTemporaryDir settingsDir;
};

namespace {
QStringList boxes(const RecordingDialogHost &dialogs)
{
    QStringList shown;
    for (const DialogCall &call : dialogs.calls) {
        const bool framed = !call.parent && call.title == QLatin1String("Lumetra");
        shown << (framed ? QString() : QStringLiteral("(parent or title!) ")) + call.kind
                + QLatin1Char(':') + call.text;
    }
    return shown;
}

QString statusOf(const MainWindow &main)
{
    const QLineEdit *status = main.connectionPanel->Edit_PortStatus;
    const bool cyan = status->styleSheet().contains(QLatin1String("cyan"));
    const bool red = status->styleSheet().contains(QLatin1String("red"));
    return status->text() + (cyan && !red ? " on cyan" : red && !cyan ? " on red" : " on ?");
}

const QString hint
    = QStringLiteral("information:Please Connect the Cable and Select a Port for Communication");

// Root opens any file: while it lives, this thread runs without the
// capabilities that bypass file permissions, as an ordinary user would.
class WithoutFileOverride
{
public:
    WithoutFileOverride()
    {
        if (::syscall(SYS_capget, &header, saved) != 0)
            return;
        __user_cap_data_struct reduced[2] = { saved[0], saved[1] };
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        dropped = ::syscall(SYS_capset, &header, reduced) == 0;
    }
    ~WithoutFileOverride()
    {
        if (dropped)
            ::syscall(SYS_capset, &header, saved);
    }
    bool ok() const { return dropped || ::geteuid() != 0; }

private:
    __user_cap_header_struct header { _LINUX_CAPABILITY_VERSION_3, 0 };
    __user_cap_data_struct saved[2] {};
    bool dropped = false;
};
} // namespace

void TestPortSelection::initTestCase()
{
    QVERIFY(prepareWindowTests(settingsDir));
}

void TestPortSelection::noPortGivesTheHintThenTwoCriticalBoxes()
{
    TestWindow window;
    MainWindow &main = window.main;
    RecordingDialogHost &dialogs = window.dialogs;
    const QStringList sequence
        = { hint, "critical:No Valid Port Com Found : Please connect The MPO cable first - EXIT",
              "critical:ERROR" };

    highlightPortList(main);
    QCOMPARE(boxes(dialogs), sequence);
    highlightPortList(main); // still unlisted: the same again
    QCOMPARE(boxes(dialogs), sequence + sequence);
    QCOMPARE(main.connectionPanel->Combo_PortCom->count(), 1);
    QCOMPARE(statusOf(main), QStringLiteral("DISCONNECTED on red"));

    // The thread's failure signal reaches the same boxes.
    dialogs.calls.clear();
    emit main.ctrlThread->debugCommunication.ExitWithFailure(0);
    emit main.ctrlThread->debugCommunication.ExitWithFailure(7);
    QTRY_COMPARE(
        boxes(dialogs), QStringList({ "critical:Bad Port Number : EXIT 0", "critical:ERROR" }));
}

void TestPortSelection::pickingConnectsSwitchesAndFails()
{
    PseudoPort first, second;
    QVERIFY(first.open() && second.open());
    const QString missing = QStringLiteral("/nonexistent/ttyLumetra");
    TestWindow window({ first.path, missing, second.path });
    MainWindow &main = window.main;
    RecordingDialogHost &dialogs = window.dialogs;
    QComboBox *combo = main.connectionPanel->Combo_PortCom;

    highlightPortList(main);
    highlightPortList(main); // listed: highlighting is only highlighting now
    QCOMPARE(boxes(dialogs), QStringList { hint });
    QStringList entries;
    for (int index = 0; index < combo->count(); ++index)
        entries << QStringLiteral("%1=%2")
                       .arg(combo->itemText(index))
                       .arg(combo->itemData(index).toInt());
    QCOMPARE(entries,
        QStringList({ "SELECT=-1", first.path + "=1", missing + "=2", second.path + "=3" }));
    QCOMPARE(main.ctrlThread->waitingForPort.load(), 1);

    QVERIFY(pickPort(main, first.path));
    QCOMPARE(statusOf(main), QStringLiteral("CONNECTED on cyan"));
    QCOMPARE(main.ctrlThread->waitingForPort.load(), 0);
    ::close(first.slave); // from here the serial layer alone holds the terminal open
    first.slave = -1;

    emit combo->activated(0); // SELECT
    QVERIFY(pickPort(main, first.path)); // the open port again: closed, then reopened
    QCOMPARE(statusOf(main), QStringLiteral("CONNECTED on cyan"));
    QVERIFY(!first.terminalSideClosed());
    QCOMPARE(boxes(dialogs), QStringList { hint });

    // A port that cannot be opened: the connected one is closed first, the
    // box comes before the status turns red.
    QString statusWhileBoxOpen;
    bool firstClosedWhileBoxOpen = false;
    dialogs.onShow = [&](const DialogCall &) {
        statusWhileBoxOpen = statusOf(main);
        firstClosedWhileBoxOpen = first.terminalSideClosed();
    };
    QVERIFY(pickPort(main, missing));
    QCOMPARE(boxes(dialogs).mid(1), QStringList { "critical:Bad Port Number : DISCONNECTED" });
    QCOMPARE(statusWhileBoxOpen, QStringLiteral("CONNECTED on cyan"));
    QVERIFY(firstClosedWhileBoxOpen);
    QCOMPARE(statusOf(main), QStringLiteral("DISCONNECTED on red"));
    QCOMPARE(main.ctrlThread->waitingForPort.load(), 0);

    QVERIFY(pickPort(main, second.path));
    QCOMPARE(statusOf(main), QStringLiteral("CONNECTED on cyan"));
    QCOMPARE(dialogs.calls.size(), 2);
}

void TestPortSelection::listingWithoutARunningThread()
{
    PseudoPort port;
    QVERIFY(port.open());
    TestWindow window({ port.path });
    MainWindow &main = window.main;
    RecordingDialogHost &dialogs = window.dialogs;
    QVERIFY(main.ctrlThread->stopAndWait(3000));

    // A stopped thread is reported, and the ports are listed all the same.
    highlightPortList(main);
    QCOMPARE(boxes(dialogs), QStringList({ hint, "information:Communication PROBLEM" }));
    QCOMPARE(main.connectionPanel->Combo_PortCom->itemText(1), port.path);

    // Once the thread is gone there is nothing left to list or open with.
    main.ctrlThread.reset();
    dialogs.calls.clear();
    QVERIFY(QMetaObject::invokeMethod(&main, "on_newportconnection_requested"));
    QVERIFY(!pickPort(main, QStringLiteral("no such entry")));
    emit main.connectionPanel->Combo_PortCom->activated(1);
    QCOMPARE(boxes(dialogs), QStringList { "information:Communication PROBLEM" });
    QCOMPARE(main.connectionPanel->Combo_PortCom->count(), 2);
    QCOMPARE(statusOf(main), QStringLiteral("DISCONNECTED on red"));
}

void TestPortSelection::noPermissionSaysWhyAndTheFix()
{
    PseudoPort port;
    QVERIFY(port.open());
    QVERIFY(::chmod(port.path.toLocal8Bit().constData(), 0) == 0);
    TestWindow window({ port.path });
    MainWindow &main = window.main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    highlightPortList(main);

    CerrCapture diagnostics;
    {
        WithoutFileOverride ordinaryUser;
        QVERIFY(ordinaryUser.ok());
        QVERIFY(pickPort(main, port.path));
    }
    // The box keeps its text; the status line and the diagnostic say why.
    QCOMPARE(
        boxes(window.dialogs).mid(1), QStringList { "critical:Bad Port Number : DISCONNECTED" });
    QCOMPARE(statusOf(main), QStringLiteral("DISCONNECTED on red"));
    const QLabel *adviceLine = main.statusBar()->findChild<QLabel *>("Label_PortAdvice");
    QVERIFY(adviceLine && adviceLine->isVisible());
    const QString advice = adviceLine->text();
    QVERIFY2(advice.startsWith("No permission to open " + port.path + ": join the group ")
            && advice.endsWith(", then log in again."),
        qPrintable(advice));
    QVERIFY2(
        QString::fromStdString(diagnostics.text()).contains(advice), diagnostics.text().c_str());
    QVERIFY2(adviceLine->sizeHint().width() <= main.statusBar()->width(), qPrintable(advice));
    // A status tip passing over it leaves it in place.
    QStatusTipEvent tip(QStringLiteral("Save all records")), tipGone { QString() };
    QApplication::sendEvent(&main, &tip);
    QApplication::sendEvent(&main, &tipGone);
    QVERIFY(adviceLine->isVisible());

    // Once the port opens, the advice goes.
    QVERIFY(::chmod(port.path.toLocal8Bit().constData(), 0600) == 0);
    QVERIFY(pickPort(main, port.path));
    QCOMPARE(statusOf(main), QStringLiteral("CONNECTED on cyan"));
    QVERIFY(main.ctrlThread->openFailureAdvice().empty());
    QVERIFY(adviceLine->isHidden());
    QCOMPARE(main.statusBar()->currentMessage(), QStringLiteral("Ready"));

    // Its ten seconds may end under a status tip; it stays gone after the tip.
    QVERIFY(::chmod(port.path.toLocal8Bit().constData(), 0) == 0);
    {
        WithoutFileOverride ordinaryUser;
        QVERIFY(pickPort(main, port.path));
    }
    QVERIFY(adviceLine->isVisible());
    QTimer *tenSeconds = main.findChild<QTimer *>("Timer_PortAdvice");
    QVERIFY(tenSeconds && tenSeconds->isActive());
    QApplication::sendEvent(&main, &tip);
    QVERIFY(QMetaObject::invokeMethod(tenSeconds, "timeout"));
    QApplication::sendEvent(&main, &tipGone);
    QVERIFY(adviceLine->isHidden());
}

QTEST_MAIN(TestPortSelection)
#include "tst_portselection.moc"
