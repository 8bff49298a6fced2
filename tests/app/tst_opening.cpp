// SPDX-License-Identifier: MIT
#include "listofuid.h"
#include "recordarchive.h"
#include "testrecordcompare.h"
#include "windowtestsupport.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QtTest>

// The ways archives are opened besides File > Open: the command line and a
// later start (openArchives), dropped files and File > Open Recent.
class TestOpening : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void listsLikeOpenDoes();
    void dropOnTheWindow();
    void openRecent();

private:
    QString archive(const QString &name, uint16_t firstNumber, int count);

    QTemporaryDir settingsDir;
    QTemporaryDir workDir;
};

namespace {
QStringList warningsOf(const RecordingDialogHost &dialogs)
{
    QStringList shown;
    for (const DialogCall &call : dialogs.calls)
        if (call.kind == QLatin1String("warning"))
            shown << call.title + '|' + call.text;
    return shown;
}

QStringList recentEntries(MainWindow &main)
{
    emit main.recentMenu->aboutToShow();
    QStringList texts;
    for (QAction *action : main.recentMenu->actions())
        if (!action->isSeparator())
            texts << action->text() + (action->isEnabled() ? "" : " (off)");
    return texts;
}

QString entryFor(int position, const QString &path)
{
    return QStringLiteral("&%1 %2").arg(position).arg(QDir::toNativeSeparators(path));
}
} // namespace

void TestOpening::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(prepareWindowTests(settingsDir));
    QVERIFY(QDir::setCurrent(workDir.path()));
}

QString TestOpening::archive(const QString &name, uint16_t firstNumber, int count)
{
    QVector<TestRecord> records;
    QVector<ReportHeaderTexts> headers;
    for (int i = 0; i < count; ++i) {
        records << edgeRecord(uint16_t(firstNumber + i), -20.5f - i);
        headers << ReportHeaderTexts { name, {}, {}, {}, {}, {}, {} };
    }
    const QString path = workDir.filePath(name);
    return RecordArchive::save(path, records, headers) ? path : QString();
}

// Each file, good or not, gives what File > Open gives for it, in order.
void TestOpening::listsLikeOpenDoes()
{
    QFile notAnArchive(workDir.filePath("notes.mrf"));
    QVERIFY(notAnArchive.open(QIODevice::WriteOnly) && notAnArchive.write("notes") == 5);
    notAnArchive.close();
    const QStringList files = { archive("a.mrf", 10, 2), workDir.filePath("gone.mrf"),
        notAnArchive.fileName(), archive("b.mrf", 20, 1) };

    QStringList byOpen, byOpenWarnings;
    {
        TestWindow window;
        window.dialogs.fileAnswers = files;
        for (int i = 0; i < files.size(); ++i)
            QMetaObject::invokeMethod(&window.main, "loadFile");
        byOpen = entriesOf(window.main);
        byOpenWarnings = warningsOf(window.dialogs);
    }
    TestWindow window;
    window.main.openArchives(files);
    QCOMPARE(entriesOf(window.main), QStringList({ "10", "11", "20" }));
    QCOMPARE(entriesOf(window.main), byOpen);
    QCOMPARE(warningsOf(window.dialogs).size(), 2);
    QCOMPARE(warningsOf(window.dialogs), byOpenWarnings);
    QVERIFY(warningsOf(window.dialogs).first().contains(files.at(1)));
}

// Dropped on a text field, archives are opened, not typed in; other files
// are left alone.
void TestOpening::dropOnTheWindow()
{
    const QString a = archive("drop-a.mrf", 30, 1), b = archive("drop-b.MRF", 40, 2);
    TestWindow window;
    window.main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.main));
    QLineEdit *field = window.main.reportWindow->Edit_Company;

    const auto drop = [field](const QList<QUrl> &urls) {
        QMimeData data;
        data.setUrls(urls);
        data.setText(urls.value(0).toString());
        const QPoint at = field->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
            Qt::NoModifier);
        QApplication::sendEvent(field, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(at, enter.dropAction(), &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &dropped);
        return dropped.isAccepted();
    };
    drop({ QUrl::fromLocalFile(workDir.filePath("report.pdf")) });
    field->clear();
    QVERIFY(drop({ QUrl::fromLocalFile(b), QUrl::fromLocalFile(workDir.filePath("x.pdf")),
        QUrl::fromLocalFile(a) }));
    QTRY_COMPARE(entriesOf(window.main), QStringList({ "40", "41", "30" }));
    QCOMPARE(window.dialogs.calls.size(), 0); // the PDFs were not tried
    QCOMPARE(field->text(), QStringLiteral("drop-a.mrf")); // the company of the record shown
}

// The last eight opened or saved, newest first, kept across windows; gone
// files dropped; an entry opens like File > Open; Clear empties it.
void TestOpening::openRecent()
{
    QStringList opened;
    for (int i = 0; i < 9; ++i)
        opened << archive(QStringLiteral("recent-%1.mrf").arg(i), uint16_t(100 + i), 1);
    {
        TestWindow window;
        window.main.openArchives(opened);
        window.main.openArchives({ opened.at(3) }); // again: to the top, not twice
    }
    TestWindow window;
    MainWindow &main = window.main;
    QStringList expected = { entryFor(1, opened.at(3)) };
    for (int i = 8, position = 2; position <= 8; --i)
        if (i != 3)
            expected << entryFor(position++, opened.at(i));
    QCOMPARE(recentEntries(main), expected + QStringList { "Clear" });

    QVERIFY(QFile::remove(opened.at(8)));
    QVERIFY(!recentEntries(main).join('\n').contains(QDir::toNativeSeparators(opened.at(8))));
    QCOMPARE(recentEntries(main).size(), 7 + 1);

    const QString saved = workDir.filePath("saved.mrf");
    window.dialogs.fileAnswers << saved;
    main.recentMenu->actions().at(1)->trigger(); // recent-7
    QCOMPARE(entriesOf(main), QStringList({ "107" }));
    QVERIFY(QMetaObject::invokeMethod(&main, "saveFile"));
    QTRY_VERIFY(QFile::exists(saved));
    QCOMPARE(recentEntries(main).mid(0, 2),
        QStringList({ entryFor(1, saved), entryFor(2, opened.at(7)) }));

    main.recentMenu->actions().last()->trigger(); // Clear
    QCOMPARE(recentEntries(main), QStringList({ "Clear (off)" }));
}

QTEST_MAIN(TestOpening)
#include "tst_opening.moc"
