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
    void givenAndDroppedLikeOpen();
    void openRecent();

private:
    // An archive of count records from firstNumber on, its name as company.
    QString archive(const QString &name, uint16_t firstNumber, int count = 1);

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
            texts << action->text().remove(QRegularExpression("^&\\d ")) + (action->isEnabled() ? "" : " (off)");
    return texts;
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
    for (int i = 0; i < count; ++i)
        records << edgeRecord(uint16_t(firstNumber + i), -20.5f - i);
    const QVector<ReportHeaderTexts> headers(count, ReportHeaderTexts { name, {}, {}, {}, {}, {}, {} });
    const QString path = workDir.filePath(name);
    return RecordArchive::save(path, records, headers) ? path : QString();
}

// Files given, good or not, give what File > Open gives for each, in order.
// Dropped on a text field, archives are opened, not typed in.
void TestOpening::givenAndDroppedLikeOpen()
{
    QFile notes(workDir.filePath("notes.mrf"));
    QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("notes") == 5);
    notes.close();
    const QStringList files = { archive("a.mrf", 10, 2), workDir.filePath("gone.mrf"),
        notes.fileName(), archive("b.mrf", 20) };
    QStringList byOpen;
    {
        TestWindow window;
        window.dialogs.fileAnswers = files;
        for (int i = 0; i < files.size(); ++i)
            QMetaObject::invokeMethod(&window.main, "loadFile");
        byOpen = entriesOf(window.main) + warningsOf(window.dialogs);
    }
    TestWindow window;
    window.main.openArchives(files);
    QCOMPARE(entriesOf(window.main), QStringList({ "10", "11", "20" }));
    QCOMPARE(warningsOf(window.dialogs).size(), 2); // the file gone and the one not an archive
    QCOMPARE(entriesOf(window.main) + warningsOf(window.dialogs), byOpen);

    window.dialogs.calls.clear();
    window.main.show();
    QLineEdit *field = window.main.reportWindow->Edit_Company;
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(archive("c.MRF", 30)), QUrl::fromLocalFile("x.pdf") });
    data.setText(data.urls().first().toString());
    QDragEnterEvent enter({ 5, 5 }, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop({ 5, 5 }, enter.dropAction(), &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &drop);
    QTRY_COMPARE(entriesOf(window.main).mid(3), QStringList({ "30" }));
    QCOMPARE(field->text(), QStringLiteral("c.MRF")); // the record's company, no file name typed
    QCOMPARE(window.dialogs.calls.size(), 0); // nor was the PDF tried
}

// The last eight opened or saved, newest first, kept across windows; gone
// files dropped; an entry opens like File > Open; Clear empties it.
void TestOpening::openRecent()
{
    QStringList opened;
    for (int i = 0; i < 9; ++i)
        opened << archive(QStringLiteral("recent-%1.mrf").arg(i), uint16_t(100 + i));
    {
        TestWindow window;
        window.main.openArchives(opened);
        window.main.openArchives({ opened.at(3) }); // again: to the top, not twice
    }
    TestWindow window;
    MainWindow &main = window.main;
    QStringList expected { opened.at(3) };
    for (int i = 8; i > 0; --i)
        if (i != 3)
            expected << opened.at(i);
    QCOMPARE(recentEntries(main), expected + QStringList { "Clear" });

    QVERIFY(QFile::remove(opened.at(8)));
    expected.removeAt(1);
    QCOMPARE(recentEntries(main), expected + QStringList { "Clear" });

    const QString saved = workDir.filePath("saved.mrf");
    window.dialogs.fileAnswers << saved;
    main.recentMenu->actions().at(1)->trigger(); // recent-7
    QCOMPARE(entriesOf(main), QStringList({ "107" }));
    QMetaObject::invokeMethod(&main, "saveFile");
    QCOMPARE(recentEntries(main).mid(0, 2), QStringList({ saved, opened.at(7) }));

    main.recentMenu->actions().last()->trigger(); // Clear
    QCOMPARE(recentEntries(main), QStringList({ "Clear (off)" }));
}

QTEST_MAIN(TestOpening)
#include "tst_opening.moc"
