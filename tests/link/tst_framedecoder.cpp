// SPDX-License-Identifier: MIT
#include "framedecoder.h"
#include "meterframe.h"
#include "versionverdict.h"

#include <QQueue>
#include <QtTest>
#include <cstring>

namespace {

// Hands out prepared reads in order, as a serial port would; an empty queue
// reads as a time-out.
struct ScriptedSource
{
    QQueue<QByteArray> reads;
    int calls = 0;

    int operator()(unsigned char *buffer, int length)
    {
        ++calls;
        if (reads.isEmpty())
            return 0;
        const QByteArray chunk = reads.dequeue();
        Q_ASSERT(chunk.size() <= length);
        std::memcpy(buffer, chunk.constData(), size_t(chunk.size()));
        return chunk.size();
    }
};

// Every call is a new tick, so a test can tell which read stamped a record.
struct TickingClock
{
    uint64_t now = 1000;
    int calls = 0;
    FileTime operator()()
    {
        ++calls;
        return FileTime::fromTicks(now += 10);
    }
};

TestRecord numberedRecord(uint16_t number)
{
    TestRecord record;
    record.recordNumber = number;
    record.thresholdCentiDb = 75;
    record.headerByte5 = 1;
    record.headerByte8 = 1;
    for (int k = 0; k < 12; ++k) {
        record.channels[k].referenceDbm = -20.0f;
        record.channels[k].powerDbm = -20.0f - 0.05f * float(k);
        record.channels[k].channelByte = uint8_t(k);
    }
    return record;
}

QByteArray frames(int count, uint16_t firstNumber = 1)
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += encodeFrame(numberedRecord(uint16_t(firstNumber + i)));
    return out;
}

} // namespace

class TestFrameDecoder : public QObject
{
    Q_OBJECT

private slots:
    void readsAndRemainders_data();
    void readsAndRemainders();
    void recordStampedByCompletingRead();
    void failedReadChangesNothing();
    void trailerOnlyWhenLineGoesQuiet_data();
    void trailerOnlyWhenLineGoesQuiet();
    void quietLineDropsPartialFrame();
    void frameFields_data();
    void frameFields();
    void encoderRoundTrip();
    void resetDropsPartialFrame();
    void versionVerdicts_data();
    void versionVerdicts();
};

void TestFrameDecoder::readsAndRemainders_data()
{
    QTest::addColumn<QList<int>>("readSizes");
    QTest::addColumn<QList<int>>("recordsAfter");
    QTest::addColumn<QList<int>>("pendingAfter");
    QTest::addColumn<bool>("trailer");

    // Read sizes cut one continuous stream of frames (then a 2.1 trailer).
    QTest::newRow("one frame") << QList<int> { 117 } << QList<int> { 1 } << QList<int> { 0 }
                               << false;
    QTest::newRow("frame and trailer")
        << QList<int> { 119 } << QList<int> { 1 } << QList<int> { 2 } << true;
    QTest::newRow("trailer alone")
        << QList<int> { 2 } << QList<int> { 0 } << QList<int> { 2 } << true;
    QTest::newRow("split frame") << QList<int> { 116, 1 } << QList<int> { 0, 1 }
                                 << QList<int> { 116, 0 } << false;
    QTest::newRow("three full reads") << QList<int> { 255, 255, 255 } << QList<int> { 2, 4, 6 }
                                      << QList<int> { 21, 42, 63 } << false;
    QTest::newRow("long export then trailer")
        << QList<int> { 255, 255, 255, 255, 255, 255, 255, 255, 255, 47 }
        << QList<int> { 2, 4, 6, 8, 10, 13, 15, 17, 19, 20 }
        << QList<int> { 21, 42, 63, 84, 105, 9, 30, 51, 72, 2 } << true;
}

void TestFrameDecoder::readsAndRemainders()
{
    QFETCH(QList<int>, readSizes);
    QFETCH(QList<int>, recordsAfter);
    QFETCH(QList<int>, pendingAfter);
    QFETCH(bool, trailer);

    int total = 0;
    for (int size : readSizes)
        total += size;
    const int frameCount = total / FrameDecoder::frameSize;
    QByteArray stream = frames(frameCount)
        + (trailer ? encodeVersionTrailer(2, 1) : frames(1, uint16_t(frameCount + 1)));
    stream.truncate(total);

    ScriptedSource source;
    int offset = 0;
    for (int size : readSizes) {
        source.reads.enqueue(stream.mid(offset, size));
        offset += size;
    }
    TickingClock clock;
    FrameDecoder decoder(std::ref(clock));
    decoder.reset();
    for (int i = 0; i < readSizes.size(); ++i) {
        decoder.readFrames(std::ref(source));
        QCOMPARE(decoder.receivedRecords().size(), recordsAfter.at(i));
        QCOMPARE(decoder.pendingCount(), pendingAfter.at(i));
    }
    QCOMPARE(decoder.readFrames(std::ref(source)), 0); // the line goes quiet
    QCOMPARE(decoder.pendingCount(), trailer ? 0 : pendingAfter.last());
    QCOMPARE(decoder.hasVersion(), trailer);
    if (trailer) {
        QCOMPARE(decoder.meterVersionMajor(), int8_t(2));
        QCOMPARE(decoder.meterVersionMinor(), int8_t(1));
    }
    for (int i = 0; i < decoder.receivedRecords().size(); ++i)
        QCOMPARE(decoder.receivedRecords().at(i).recordNumber, uint16_t(i + 1));
}

void TestFrameDecoder::recordStampedByCompletingRead()
{
    const QByteArray frame = frames(1);
    ScriptedSource source;
    source.reads << frame.left(116) << frame.mid(116);
    TickingClock clock;
    FrameDecoder decoder(std::ref(clock));
    decoder.readFrames(std::ref(source));
    const uint64_t firstReadTime = clock.now;
    decoder.readFrames(std::ref(source));
    QCOMPARE(clock.calls, 2);
    QCOMPARE(decoder.receivedRecords().size(), 1);
    QCOMPARE(decoder.receivedRecords().first().arrivalTime.ticks(), clock.now);
    QVERIFY(clock.now != firstReadTime);

    // All records completed by one read share its single time stamp.
    source.reads << frames(2, 2);
    decoder.readFrames(std::ref(source));
    const QVector<TestRecord> taken = decoder.takeReceivedRecords();
    QCOMPARE(taken.size(), 3);
    QCOMPARE(taken.at(1).arrivalTime.ticks(), clock.now);
    QCOMPARE(taken.at(2).arrivalTime.ticks(), clock.now);
    QVERIFY(decoder.receivedRecords().isEmpty());
}

void TestFrameDecoder::failedReadChangesNothing()
{
    ScriptedSource source;
    source.reads << frames(1).left(50);
    TickingClock clock;
    FrameDecoder decoder(std::ref(clock));
    decoder.readFrames(std::ref(source));
    QCOMPARE(clock.calls, 1);

    decoder.readFrames(std::ref(source)); // nothing queued: a time-out
    decoder.readFrames([](unsigned char *, int) { return -1; });
    QCOMPARE(clock.calls, 1);
    QCOMPARE(decoder.pendingCount(), 50);
    QVERIFY(decoder.receivedRecords().isEmpty());
    QVERIFY(!decoder.hasVersion());

    // The partial frame is still completed by what comes next.
    source.reads << frames(1).mid(50);
    decoder.readFrames(std::ref(source));
    QCOMPARE(decoder.receivedRecords().size(), 1);
    QCOMPARE(decoder.receivedRecords().first().recordNumber, uint16_t(1));
}

void TestFrameDecoder::trailerOnlyWhenLineGoesQuiet_data()
{
    QTest::addColumn<QList<QByteArray>>("reads"); // an empty read is a time-out
    QTest::addColumn<QList<int>>("recordNumbers");
    QTest::addColumn<bool>("hasVersion");
    QTest::addColumn<int>("pending");

    // Record numbers 0x0203 and up begin with bytes that read as version 2.3.
    const QByteArray stream = frames(3, 0x0203);
    const QByteArray trailer = encodeVersionTrailer(2, 1);
    QTest::newRow("two bytes, then more bytes")
        << QList<QByteArray> { stream.left(119), stream.mid(119, 2), stream.mid(121), QByteArray() }
        << QList<int> { 0x0203, 0x0204, 0x0205 } << false << 0;
    QTest::newRow("two bytes, then silence")
        << QList<QByteArray> { stream.left(117), trailer, QByteArray() } << QList<int> { 0x0203 }
        << true << 0;
    QTest::newRow("trailer right after a frame in the same read")
        << QList<QByteArray> { stream.left(117) + trailer, QByteArray() } << QList<int> { 0x0203 }
        << true << 0;
    QTest::newRow("two bytes, no silence yet")
        << QList<QByteArray> { stream.left(117) + trailer } << QList<int> { 0x0203 } << false << 2;
}

void TestFrameDecoder::trailerOnlyWhenLineGoesQuiet()
{
    QFETCH(QList<QByteArray>, reads);
    QFETCH(QList<int>, recordNumbers);
    QFETCH(bool, hasVersion);
    QFETCH(int, pending);

    ScriptedSource source;
    for (const QByteArray &read : reads)
        source.reads.enqueue(read);
    FrameDecoder decoder;
    for (int i = 0; i < reads.size(); ++i)
        QCOMPARE(decoder.readFrames(std::ref(source)), reads.at(i).size());
    QList<int> numbers;
    for (const TestRecord &record : decoder.receivedRecords())
        numbers << record.recordNumber;
    QCOMPARE(numbers, recordNumbers);
    QCOMPARE(decoder.hasVersion(), hasVersion);
    QCOMPARE(decoder.pendingCount(), pending);
    if (hasVersion) {
        QCOMPARE(decoder.meterVersionMajor(), int8_t(2));
        QCOMPARE(decoder.meterVersionMinor(), int8_t(1));
    }
}

void TestFrameDecoder::quietLineDropsPartialFrame()
{
    ScriptedSource source;
    source.reads << frames(1).left(50) << frames(1, 9) << encodeVersionTrailer(3, 0);
    FrameDecoder decoder;
    decoder.readFrames(std::ref(source));
    QCOMPARE(decoder.dropPartialFrame(), 50);

    // What follows starts a frame of its own instead of completing the old one.
    decoder.readFrames(std::ref(source));
    QCOMPARE(decoder.receivedRecords().size(), 1);
    QCOMPARE(decoder.receivedRecords().first().recordNumber, uint16_t(9));

    // Two bytes left when the line went quiet are the trailer, not a fragment.
    decoder.readFrames(std::ref(source));
    QCOMPARE(decoder.dropPartialFrame(), 0);
    QVERIFY(decoder.hasVersion());
    QCOMPARE(decoder.meterVersionMajor(), int8_t(3));
    QCOMPARE(decoder.pendingCount(), 0);
}

void TestFrameDecoder::frameFields_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("value");

    QTest::newRow("record number") << 0 << QByteArray::fromHex("002A") << "recordNumber" << 42.0;
    QTest::newRow("record number unsigned")
        << 0 << QByteArray::fromHex("9C40") << "recordNumber" << 40000.0;
    QTest::newRow("negative threshold")
        << 2 << QByteArray::fromHex("FF9C") << "threshold" << -100.0;
    QTest::newRow("byte 4") << 4 << QByteArray::fromHex("FE") << "headerByte4" << 254.0;
    QTest::newRow("byte 5") << 5 << QByteArray::fromHex("81") << "headerByte5" << 129.0;
    QTest::newRow("wavelength") << 6 << QByteArray::fromHex("03") << "wavelengthCode" << 3.0;
    QTest::newRow("polarity") << 7 << QByteArray::fromHex("04") << "polarityCode" << 4.0;
    QTest::newRow("byte 8") << 8 << QByteArray::fromHex("7F") << "headerByte8" << 127.0;
    QTest::newRow("fiber 1 reference")
        << 9 << QByteArray::fromHex("C1A00000") << "reference0" << -20.0;
    QTest::newRow("fiber 1 power") << 13 << QByteArray::fromHex("42C80000") << "power0" << 100.0;
    QTest::newRow("fiber 1 code") << 17 << QByteArray::fromHex("AB") << "channelByte0" << 171.0;
    QTest::newRow("fiber 12 power")
        << 9 + 9 * 11 + 4 << QByteArray::fromHex("C1A20000") << "power11" << -20.25;
    QTest::newRow("fiber 12 code, last byte")
        << 116 << QByteArray::fromHex("05") << "channelByte11" << 5.0;
}

void TestFrameDecoder::frameFields()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, field);
    QFETCH(double, value);

    QByteArray frame(FrameDecoder::frameSize, '\0');
    frame.replace(offset, bytes.size(), bytes);
    const TestRecord r
        = FrameDecoder::decodeFrame(reinterpret_cast<const unsigned char *>(frame.constData()));
    const QHash<QString, double> fields = {
        { "recordNumber", r.recordNumber },
        { "threshold", r.thresholdCentiDb },
        { "headerByte4", r.headerByte4 },
        { "headerByte5", r.headerByte5 },
        { "wavelengthCode", r.wavelengthCode },
        { "polarityCode", r.polarityCode },
        { "headerByte8", r.headerByte8 },
        { "reference0", r.channels[0].referenceDbm },
        { "power0", r.channels[0].powerDbm },
        { "channelByte0", r.channels[0].channelByte },
        { "power11", r.channels[11].powerDbm },
        { "channelByte11", r.channels[11].channelByte },
    };
    QVERIFY(fields.contains(field));
    QCOMPARE(fields.value(field), value);
    // Nothing else of the frame leaks into the field under test.
    for (auto it = fields.begin(); it != fields.end(); ++it)
        if (it.key() != field)
            QCOMPARE(it.value(), 0.0);
}

void TestFrameDecoder::encoderRoundTrip()
{
    QByteArray frame(FrameDecoder::frameSize, '\0');
    for (int i = 0; i < frame.size(); ++i)
        frame[i] = char((i * 37 + 11) & 0x7F); // no NaN patterns: floats compare by value
    const TestRecord record
        = FrameDecoder::decodeFrame(reinterpret_cast<const unsigned char *>(frame.constData()));
    QCOMPARE(encodeFrame(record).toHex(), frame.toHex());
    QCOMPARE(encodeVersionTrailer(-1, 7).toHex(), QByteArray("ff07"));
}

void TestFrameDecoder::resetDropsPartialFrame()
{
    ScriptedSource source;
    source.reads << frames(1).left(60) << frames(1, 9);
    FrameDecoder decoder;
    decoder.readFrames(std::ref(source));
    decoder.reset();
    QCOMPARE(decoder.pendingCount(), 0);
    decoder.readFrames(std::ref(source));
    QCOMPARE(decoder.receivedRecords().size(), 1);
    QCOMPARE(decoder.receivedRecords().first().recordNumber, uint16_t(9));
}

void TestFrameDecoder::versionVerdicts_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<uint>("verdict");

    QTest::newRow("2.1") << 2 << 1 << 0u;
    QTest::newRow("2.7") << 2 << 7 << 0u;
    QTest::newRow("3.0") << 3 << 0 << 0u;
    QTest::newRow("127.0") << 127 << 0 << 0u;
    QTest::newRow("2.0") << 2 << 0 << 1u;
    QTest::newRow("1.9") << 1 << 9 << 1u;
    QTest::newRow("1.5") << 1 << 5 << 1u;
    QTest::newRow("0.0, no trailer yet") << 0 << 0 << 1u;
    QTest::newRow("minor byte 200 is negative") << 2 << -56 << 1u;
    QTest::newRow("major byte 128 is negative") << -128 << 5 << 1u;
}

void TestFrameDecoder::versionVerdicts()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QTEST(versionVerdict(int8_t(major), int8_t(minor)), "verdict");
}

QTEST_APPLESS_MAIN(TestFrameDecoder)
#include "tst_framedecoder.moc"
