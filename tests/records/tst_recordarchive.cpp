// SPDX-License-Identifier: MIT
#include "archivejobpart.h"
#include "recordarchive.h"
#include "testrecordcompare.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <cstring>
#include <limits>

namespace {

TestRecord sampleRecord()
{
    TestRecord record;
    record.recordNumber = 7;
    record.thresholdCentiDb = 75;
    record.channels[0].powerDbm = -20.25f;
    record.channels[0].referenceDbm = -19.75f;
    return record;
}

QByteArray archiveBytes(const QVector<TestRecord> &records,
    const QVector<ReportHeaderTexts> &headers, const ArchiveJob *job = nullptr)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!RecordArchive::write(buffer, records, headers, job))
        return QByteArray();
    return buffer.data();
}

RecordArchive::ReadResult readBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return RecordArchive::read(buffer);
}

QByteArray be32(quint32 value)
{
    QByteArray out(4, '\0');
    qToBigEndian(value, out.data());
    return out;
}

QByteArray utf16Text(const QString &text)
{
    QByteArray out = be32(quint32(text.size() * 2));
    for (const QChar c : text) {
        out.append(char(c.unicode() >> 8));
        out.append(char(c.unicode() & 0xFF));
    }
    return out;
}

QByteArray be64(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    QByteArray out(8, '\0');
    qToBigEndian(bits, out.data());
    return out;
}

} // namespace

class TestRecordArchive : public QObject
{
    Q_OBJECT

private slots:
    void goldenBytes();
    void widenedPowersReadBackExactly();
    void roundTripKeepsEveryField();
    void emptyArchive();
    void badArchives_data();
    void badArchives();
    void hugeFilesClaimingTooMuch();
    void saveReplacesOnlyOnSuccess();
    void saveAndLoadThroughFiles();
    void jobTravelsAfterTheRecords();
    void damagedJobPartLeavesTheRecords();
};

void TestRecordArchive::goldenBytes()
{
    const QByteArray bytes = archiveBytes({ sampleRecord() }, { ReportHeaderTexts() });

    QCOMPARE(bytes.left(4).toHex(), QByteArray("00000016"));
    QByteArray expected = utf16Text(QStringLiteral("Tavolin_MPO"))
        + QByteArray::fromHex("00000001"
                              "0007"
                              "004B"
                              "0000000000");
    expected += QByteArray::fromHex("C034400000000000"
                                    "C033C00000000000"
                                    "00");
    for (int k = 1; k < 12; ++k)
        expected += be64(0.0) + be64(0.0) + QByteArray(1, '\0');
    for (int t = 0; t < 7; ++t)
        expected += QByteArray::fromHex("FFFFFFFF"); // null texts
    QCOMPARE(bytes.toHex(), expected.toHex());
    QCOMPARE(bytes.size(), 30 + 213 + 7 * 4);
}

void TestRecordArchive::widenedPowersReadBackExactly()
{
    TestRecord record;
    record.recordNumber = 40000;
    record.thresholdCentiDb = -100;
    record.channels[3].powerDbm = -19.95f;
    const QByteArray bytes = archiveBytes({ record }, { ReportHeaderTexts() });

    QCOMPARE(bytes.mid(30, 2).toHex(), QByteArray("9c40"));
    QCOMPARE(bytes.mid(32, 2).toHex(), QByteArray("ff9c"));
    // Stored as the double of the single-precision value, not as -19.95.
    QCOMPARE(bytes.mid(30 + 9 + 3 * 17, 8).toHex(), be64(double(-19.95f)).toHex());
    QVERIFY(be64(double(-19.95f)) != be64(-19.95));

    const RecordArchive::ReadResult result = readBytes(bytes);
    QCOMPARE(int(result.status), int(RecordArchive::ReadStatus::Ok));
    QCOMPARE(result.records.at(0).recordNumber, uint16_t(40000));
    QCOMPARE(result.records.at(0).thresholdCentiDb, int16_t(-100));
    QCOMPARE(result.records.at(0).channels[3].powerDbm, -19.95f);

    // Found by fuzzing: a signalling NaN comes back quiet, as widening to
    // double makes it; it stays a NaN, the only bits the archive changes.
    const uint32_t signallingNan = 0x7F800001u;
    std::memcpy(&record.channels[5].powerDbm, &signallingNan, sizeof signallingNan);
    record.channels[6].referenceDbm = -std::numeric_limits<float>::infinity();
    const RecordArchive::ReadResult odd
        = readBytes(archiveBytes({ record }, { ReportHeaderTexts() }));
    QCOMPARE(floatBits(odd.records.at(0).channels[5].powerDbm), signallingNan | 0x00400000u);
    QCOMPARE(odd.records.at(0).channels[6].referenceDbm, -std::numeric_limits<float>::infinity());
}

void TestRecordArchive::roundTripKeepsEveryField()
{
    QVector<TestRecord> records;
    QVector<ReportHeaderTexts> headers;
    for (int i = 0; i < 3; ++i) {
        TestRecord record;
        record.recordNumber = uint16_t(65535 - i);
        record.thresholdCentiDb = int16_t(-32768 + i);
        record.headerByte4 = uint8_t(200 + i);
        record.headerByte5 = uint8_t(128 + i);
        record.wavelengthCode = uint8_t(3 + i);
        record.polarityCode = uint8_t(255 - i);
        record.headerByte8 = uint8_t(i);
        for (int k = 0; k < 12; ++k) {
            record.channels[k].powerDbm = -0.1f * float(k + 1) - float(i);
            record.channels[k].referenceDbm = 100.0f - float(k) * 1.3f;
            record.channels[k].channelByte = uint8_t(250 + k % 6);
        }
        records << record;
    }
    ReportHeaderTexts texts;
    texts.companyName = QStringLiteral("Fibrenet Straße & Co, Łódź");
    texts.operatorName = QString::fromUtf8("J\xc3\xb6rg \xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x94\xa6");
    texts.testDevice = QLatin1String(""); // empty, not null
    texts.testDate = QString(); // null
    texts.serialNumber = QStringLiteral("SN-0042");
    texts.exportTime = QStringLiteral("12-06-2026  14:05:09");
    texts.noteHtml = QStringLiteral("<p>line one<br/>\"two\"</p>");
    headers << texts << ReportHeaderTexts() << texts;

    const RecordArchive::ReadResult result = readBytes(archiveBytes(records, headers));
    QCOMPARE(int(result.status), int(RecordArchive::ReadStatus::Ok));
    QCOMPARE(result.records.size(), 3);
    compareRecordLists(result.records, records);
    if (QTest::currentTestFailed())
        return;
    for (int i = 0; i < 3; ++i)
        QVERIFY(result.headers.at(i) == headers.at(i));
    QVERIFY(result.headers.at(0).testDate.isNull());
    QVERIFY(!result.headers.at(0).testDevice.isNull());
    QVERIFY(result.headers.at(0).testDevice.isEmpty());
}

void TestRecordArchive::emptyArchive()
{
    const QByteArray bytes = archiveBytes({}, {});
    QCOMPARE(bytes.size(), 30);
    const RecordArchive::ReadResult result = readBytes(bytes);
    QCOMPARE(int(result.status), int(RecordArchive::ReadStatus::Ok));
    QVERIFY(result.records.isEmpty());
    QVERIFY(result.headers.isEmpty());
}

void TestRecordArchive::badArchives_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");

    const int notArchive = int(RecordArchive::ReadStatus::NotAnArchive);
    const int corrupt = int(RecordArchive::ReadStatus::Corrupt);
    ReportHeaderTexts texts;
    texts.companyName = QStringLiteral("ACME");
    const QByteArray good = archiveBytes({ sampleRecord(), sampleRecord() }, { texts, texts });
    const QByteArray magic = utf16Text(QStringLiteral("Tavolin_MPO"));
    const int firstEntry = 30;
    const int entrySize = (good.size() - firstEntry) / 2;

    QTest::newRow("empty file") << QByteArray() << notArchive;
    QTest::newRow("other last letter")
        << utf16Text(QStringLiteral("Tavolin_MPX")) + be32(0) << notArchive;
    QTest::newRow("other letter case")
        << utf16Text(QStringLiteral("tavolin_MPO")) + be32(0) << notArchive;
    QTest::newRow("plain text file") << QByteArray("company,operator\n1,2\n") << notArchive;
    QTest::newRow("magic length beyond file")
        << be32(0x7FFFFFF0) + QByteArray("T\0a\0", 4) << notArchive;
    QTest::newRow("count missing") << magic << corrupt;
    QTest::newRow("negative count") << magic + be32(quint32(-1)) << corrupt;
    QTest::newRow("count beyond entries") << magic + be32(3) + good.mid(firstEntry) << corrupt;
    QTest::newRow("huge count") << magic + be32(0x7FFFFFFF) + good.mid(firstEntry) << corrupt;
    QTest::newRow("truncated entry") << good.left(good.size() - 1) << corrupt;
    QTest::newRow("entry cut in its channels")
        << good.left(firstEntry + entrySize + 100) << corrupt;

    QByteArray oddText = good;
    // First text of the second entry: "ACME" (8 bytes) becomes 7 bytes long.
    const int secondTexts = firstEntry + entrySize + 213;
    qToBigEndian(quint32(7), oddText.data() + secondTexts);
    QTest::newRow("odd text length") << oddText << corrupt;

    QByteArray longText = good;
    qToBigEndian(quint32(0x40000000), longText.data() + secondTexts);
    QTest::newRow("text longer than file") << longText << corrupt;

    QTest::newRow("trailing garbage") << good + QByteArray("\x01\x02\x03", 3) << corrupt;
    QTest::newRow("trailing text that is not the job's marker")
        << good + utf16Text(QStringLiteral("Lumetra_Jox")) + be32(1) << corrupt;
}

void TestRecordArchive::badArchives()
{
    QFETCH(QByteArray, bytes);
    const RecordArchive::ReadResult result = readBytes(bytes);
    QTEST(int(result.status), "status");
    QVERIFY(result.records.isEmpty());
    QVERIFY(result.headers.isEmpty());
    QVERIFY(!result.errorString.isEmpty());
}

void TestRecordArchive::hugeFilesClaimingTooMuch()
{
    // Files of gigabytes, sparse so they take no disk: their count or text
    // length fits in the file but not in memory. Refused at once, not by a
    // failed allocation that ends the program, nor after reading gigabytes.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray magic = utf16Text(QStringLiteral("Tavolin_MPO"));
    const int entryFields = 213;
    const struct
    {
        const char *name;
        QByteArray start;
        qint64 size;
    } files[] = {
        { "count", magic + be32(7000000), 30 + qint64(7000000) * (entryFields + 7 * 4) },
        { "text", magic + be32(1) + QByteArray(entryFields, '\0') + be32(0x7FFFFFF0),
            qint64(3) << 30 },
    };
    for (const auto &huge : files) {
        QFile file(dir.filePath(QLatin1String(huge.name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(huge.start) == huge.start.size() && file.resize(huge.size));
        file.close();
        QElapsedTimer timer;
        timer.start();
        const RecordArchive::ReadResult result = RecordArchive::load(file.fileName());
        QCOMPARE(int(result.status), int(RecordArchive::ReadStatus::Corrupt));
        QVERIFY(result.records.isEmpty());
        QVERIFY2(timer.elapsed() < 5000, huge.name);
    }
}

void TestRecordArchive::saveReplacesOnlyOnSuccess()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("kept.mrf"));
    QVERIFY(RecordArchive::save(path, { sampleRecord() }, { ReportHeaderTexts() }));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    // Lists that do not pair up are refused, and the old archive stays whole.
    QString why;
    QVERIFY(!RecordArchive::save(
        path, { sampleRecord(), sampleRecord() }, { ReportHeaderTexts() }, &why));
    QVERIFY(!why.isEmpty());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    file.close();

    why.clear();
    QVERIFY(!RecordArchive::save(dir.filePath(QStringLiteral("missing/dir/a.mrf")),
        { sampleRecord() }, { ReportHeaderTexts() }, &why));
    QVERIFY(!why.isEmpty());
}

void TestRecordArchive::saveAndLoadThroughFiles()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("two.mrf"));
    ReportHeaderTexts texts;
    texts.operatorName = QStringLiteral("Ana");
    QVERIFY(RecordArchive::save(path, { sampleRecord(), sampleRecord() }, { texts, texts }));
    const RecordArchive::ReadResult result = RecordArchive::load(path);
    QCOMPARE(int(result.status), int(RecordArchive::ReadStatus::Ok));
    QCOMPARE(result.records.size(), 2);
    QCOMPARE(result.headers.at(1).operatorName, QStringLiteral("Ana"));

    const RecordArchive::ReadResult missing = RecordArchive::load(dir.filePath("absent.mrf"));
    QCOMPARE(int(missing.status), int(RecordArchive::ReadStatus::CannotOpen));
    QVERIFY(!missing.errorString.isEmpty());
}

namespace {
ArchiveJob northJob()
{
    ArchiveJob job;
    job.facts.name = QStringLiteral("North trunks");
    job.facts.customer = QStringLiteral("Łódź Data Centre");
    job.facts.logo = QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(300, '\x01');
    job.facts.logoFormat = QStringLiteral("png");
    job.cableIds = QStringList { "A01-B01", "A01-B02", QString::fromUtf8("Réseau 3") };
    job.recordIds = QStringList { "A01-B02", QString(), QString::fromUtf8("Réseau 3") };
    return job;
}
} // namespace

// A reader that follows the records' layout stops where the job begins: the
// archive without the job is exactly the first bytes of the one with it.
void TestRecordArchive::jobTravelsAfterTheRecords()
{
    ReportHeaderTexts texts;
    texts.companyName = QStringLiteral("ACME");
    const QVector<TestRecord> records(3, sampleRecord());
    const QVector<ReportHeaderTexts> headers(3, texts);
    const ArchiveJob job = northJob();
    const QByteArray plain = archiveBytes(records, headers);
    const QByteArray withJob = archiveBytes(records, headers, &job);
    QVERIFY(withJob.size() > plain.size() + 300);
    QCOMPARE(withJob.left(plain.size()), plain);

    const RecordArchive::ReadResult result = readBytes(withJob);
    QCOMPARE(int(result.status), int(RecordArchive::ReadStatus::Ok));
    QCOMPARE(result.records.size(), 3);
    QVERIFY(result.headers.at(2) == texts);
    QVERIFY(result.hasJob);
    QVERIFY(result.jobProblem.isEmpty());
    QVERIFY(result.job == job);
    QVERIFY(result.job.recordIds.at(1).isNull());

    QVERIFY(!readBytes(plain).hasJob);
    ArchiveJob short_ = job;
    short_.recordIds.removeLast();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(!RecordArchive::write(buffer, records, headers, &short_));
}

void TestRecordArchive::damagedJobPartLeavesTheRecords()
{
    const QVector<TestRecord> records(3, sampleRecord());
    const QVector<ReportHeaderTexts> headers(3);
    const ArchiveJob job = northJob();
    const QByteArray plain = archiveBytes(records, headers);
    const QByteArray withJob = archiveBytes(records, headers, &job);
    const int payload = plain.size() + 4 + 22 + 12;

    QByteArray flipped = withJob;
    flipped[payload + 5] = char(flipped.at(payload + 5) ^ 0x20);
    QByteArray cut = withJob.left(withJob.size() - 1);
    QByteArray newer = withJob;
    qToBigEndian(quint32(2), newer.data() + plain.size() + 26);
    ArchiveJob unknownId = job;
    unknownId.recordIds[0] = QStringLiteral("Z99");
    const struct
    {
        QByteArray bytes;
        const char *problem;
    } damaged[] = {
        { flipped, "its checksum does not match" },
        { cut, "it is cut short" },
        { withJob + "x", "bytes follow it" },
        { newer, "version 2" },
        { plain + ArchiveJobPart::encode(unknownId), "the cable ID of record 1 is damaged" },
    };
    for (const auto &file : damaged) {
        const RecordArchive::ReadResult result = readBytes(file.bytes);
        QCOMPARE(int(result.status), int(RecordArchive::ReadStatus::Ok));
        QCOMPARE(result.records.size(), 3);
        QVERIFY(!result.hasJob);
        QVERIFY(result.job.cableIds.isEmpty());
        QVERIFY2(
            result.jobProblem.contains(QLatin1String(file.problem)), qPrintable(result.jobProblem));
        QVERIFY(result.jobProblem.endsWith(QLatin1String("without their cable IDs")));
    }
}

QTEST_APPLESS_MAIN(TestRecordArchive)
#include "tst_recordarchive.moc"
