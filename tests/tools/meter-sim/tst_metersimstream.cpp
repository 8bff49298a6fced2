// SPDX-License-Identifier: MIT
#include "capturedecoding.h"
#include "exportplan.h"
#include "framedecoder.h"
#include "pacer.h"
#include "recordgenerator.h"
#include "recordtexts.h"
#include "testrecordcompare.h"

#include <QSet>
#include <QTest>
#include <limits>

Q_DECLARE_METATYPE(TestRecord)

using HoldList = QVector<QPair<int, int>>;
using Drops = QVector<int>;
using Insertions = QVector<QPair<int, int>>;

namespace {

constexpr int frame = FrameDecoder::frameSize;
constexpr int garbled = std::numeric_limits<int>::min();

ExportPlan planOf(const QVector<TestRecord> &records)
{
    ExportPlan plan;
    plan.payload = ExportPlan::framesOf(records);
    return plan;
}

HoldList holdList(const QVector<StreamHold> &holds)
{
    HoldList list;
    for (const StreamHold &hold : holds)
        list << qMakePair(hold.offset, hold.milliseconds);
    return list;
}

TestRecord extremeRecord()
{
    TestRecord record = edgeRecord(65535, 100.0f);
    record.channels[3].powerDbm = std::numeric_limits<float>::quiet_NaN();
    return record;
}

} // namespace

class TestMeterSimStream : public QObject
{
    Q_OBJECT

private slots:
    void framesDecodeToTheRecords_data();
    void framesDecodeToTheRecords();
    void faultsShiftFrames_data();
    void faultsShiftFrames();
    void pausesLandOnTheRightBytes_data();
    void pausesLandOnTheRightBytes();
    void faultOffsetsMustLieInTheStream();
    void scheduleKeepsTheLineRate_data();
    void scheduleKeepsTheLineRate();
    void burstsKeepTheLineRateInPackets();
    void sendStopsAtAFailedWrite();
    void generatorIsDeterministicAndVaried_data();
    void generatorIsDeterministicAndVaried();
};

void TestMeterSimStream::framesDecodeToTheRecords_data()
{
    QTest::addColumn<QVector<TestRecord>>("records");
    QTest::addColumn<bool>("withTrailer");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");

    const QVector<TestRecord> generated = RecordGenerator(5).generate(7);
    QTest::newRow("generated, 2.1") << generated << true << 2 << 1;
    QTest::newRow("generated, 1.5") << generated << true << 1 << 5;
    QTest::newRow("generated, no trailer") << generated << false << 0 << 0;
    QTest::newRow("extreme values, 3.0")
        << QVector<TestRecord> { extremeRecord() } << true << 3 << 0;
    QTest::newRow("negative version")
        << QVector<TestRecord> { extremeRecord() } << true << -1 << 127;
    QTest::newRow("trailer only, 2.0") << QVector<TestRecord>() << true << 2 << 0;
}

void TestMeterSimStream::framesDecodeToTheRecords()
{
    QFETCH(QVector<TestRecord>, records);
    QFETCH(bool, withTrailer);
    QFETCH(int, major);
    QFETCH(int, minor);
    ExportPlan plan = planOf(records);
    plan.withTrailer = withTrailer;
    plan.versionMajor = int8_t(major);
    plan.versionMinor = int8_t(minor);

    const ExportStream stream = plan.build();
    QCOMPARE(stream.bytes.size(), records.size() * frame + (withTrailer ? 2 : 0));
    QVERIFY(stream.holds.isEmpty());
    const CaptureDecoding decoded = decodeCapture(stream.bytes);
    QCOMPARE(decoded.records.size(), records.size());
    for (int i = 0; i < records.size(); ++i)
        compareRecords(decoded.records.at(i), records.at(i));
    QCOMPARE(decoded.pendingBytes, 0);
    QCOMPARE(decoded.hasVersion, withTrailer);
    if (withTrailer) {
        QCOMPARE(int(decoded.meterVersionMajor), major);
        QCOMPARE(int(decoded.meterVersionMinor), minor);
    }
}

void TestMeterSimStream::faultsShiftFrames_data()
{
    QTest::addColumn<Drops>("drops");
    QTest::addColumn<Insertions>("insertions");
    // Where each decoded frame starts in the clean stream, relative to its own
    // slot; garbled when an inserted byte is part of it.
    QTest::addColumn<QVector<int>>("shifts");
    QTest::addColumn<bool>("versionSeen");
    QTest::addColumn<int>("pending");

    // Three frames and the trailer: 353 clean bytes.
    QTest::newRow("drop the first byte")
        << Drops { 0 } << Insertions() << QVector<int> { 1, 1, 1 } << false << 1;
    QTest::newRow("insert between frames") << Drops() << Insertions { { frame, 0xAA } }
                                           << QVector<int> { 0, garbled, -1 } << false << 3;
    QTest::newRow("drop then insert within frame 1") << Drops { 10 } << Insertions { { 20, 0x55 } }
                                                     << QVector<int> { garbled, 0, 0 } << true << 0;
    QTest::newRow("drop the trailer")
        << Drops { 351, 352 } << Insertions() << QVector<int> { 0, 0, 0 } << false << 0;
    // The trailer with two more bytes is no trailer but an unfinished frame.
    QTest::newRow("two bytes appended") << Drops() << Insertions { { 353, 1 }, { 353, 2 } }
                                        << QVector<int> { 0, 0, 0 } << false << 4;
}

void TestMeterSimStream::faultsShiftFrames()
{
    QFETCH(Drops, drops);
    QFETCH(Insertions, insertions);
    QFETCH(QVector<int>, shifts);
    QFETCH(bool, versionSeen);
    QFETCH(int, pending);
    ExportPlan plan = planOf(RecordGenerator(11).generate(3));
    plan.drops = drops;
    for (const auto &insertion : insertions)
        plan.insertions << ByteInsertion { insertion.first, uint8_t(insertion.second) };
    const QByteArray clean = plan.cleanStream();
    QCOMPARE(clean.size(), 3 * frame + 2);

    const ExportStream stream = plan.build();
    QCOMPARE(stream.bytes.size(), clean.size() - drops.size() + insertions.size());
    const CaptureDecoding decoded = decodeCapture(stream.bytes);
    QCOMPARE(decoded.records.size(), shifts.size());
    for (int i = 0; i < shifts.size(); ++i) {
        if (shifts.at(i) == garbled)
            continue;
        const auto *start = reinterpret_cast<const unsigned char *>(clean.constData());
        compareRecords(
            decoded.records.at(i), FrameDecoder::decodeFrame(start + i * frame + shifts.at(i)));
    }
    QCOMPARE(decoded.hasVersion, versionSeen);
    QCOMPARE(decoded.pendingBytes, pending);
    // An inserted byte goes out where it was asked for, the rest in order.
    if (insertions.size() == 1 && drops.size() == 1)
        QCOMPARE(stream.bytes, clean.left(10) + clean.mid(11, 9) + char(0x55) + clean.mid(20));
}

void TestMeterSimStream::pausesLandOnTheRightBytes_data()
{
    QTest::addColumn<bool>("withTrailer");
    QTest::addColumn<int>("frameGap");
    QTest::addColumn<HoldList>("pauses");
    QTest::addColumn<Drops>("drops");
    QTest::addColumn<HoldList>("expected");

    QTest::newRow("frame gap") << true << 5 << HoldList() << Drops()
                               << HoldList { { 117, 5 }, { 234, 5 }, { 351, 5 } };
    QTest::newRow("frame gap, no trailer")
        << false << 5 << HoldList() << Drops() << HoldList { { 117, 5 }, { 234, 5 } };
    QTest::newRow("pause adds to a frame gap") << true << 5 << HoldList { { 234, 10 } } << Drops()
                                               << HoldList { { 117, 5 }, { 234, 15 }, { 351, 5 } };
    QTest::newRow("pause behind a dropped byte")
        << true << 0 << HoldList { { 50, 20 } } << Drops { 10 } << HoldList { { 49, 20 } };
    QTest::newRow("pauses brought together by a drop")
        << true << 0 << HoldList { { 10, 3 }, { 11, 7 } } << Drops { 10 }
        << HoldList { { 10, 10 } };
    QTest::newRow("pause after the last byte")
        << true << 0 << HoldList { { 353, 40 } } << Drops { 0 } << HoldList { { 352, 40 } };
}

void TestMeterSimStream::pausesLandOnTheRightBytes()
{
    QFETCH(bool, withTrailer);
    QFETCH(int, frameGap);
    QFETCH(HoldList, pauses);
    QFETCH(Drops, drops);
    QFETCH(HoldList, expected);
    ExportPlan plan = planOf(RecordGenerator(3).generate(3));
    plan.withTrailer = withTrailer;
    plan.frameGapMs = frameGap;
    plan.drops = drops;
    for (const auto &pause : pauses)
        plan.pauses << StreamHold { pause.first, pause.second };
    QCOMPARE(holdList(plan.build().holds), expected);
}

void TestMeterSimStream::faultOffsetsMustLieInTheStream()
{
    ExportPlan plan = planOf(RecordGenerator(1).generate(1)); // 119 bytes
    plan.drops = { 118 };
    plan.insertions = { ByteInsertion { 119, 0 } };
    plan.pauses = { StreamHold { 119, 1 } };
    QVERIFY2(plan.checkOffsets().isEmpty(), qPrintable(plan.checkOffsets()));

    const auto rejects = [](ExportPlan bad) { return !bad.checkOffsets().isEmpty(); };
    ExportPlan bad = plan;
    bad.drops = { 119 };
    QVERIFY(rejects(bad));
    bad = plan;
    bad.insertions = { ByteInsertion { 120, 0 } };
    QVERIFY(rejects(bad));
    bad = plan;
    bad.pauses = { StreamHold { -1, 5 } };
    QVERIFY(rejects(bad));
    bad = plan;
    bad.withTrailer = false;
    QVERIFY(rejects(bad));
}

void TestMeterSimStream::scheduleKeepsTheLineRate_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("size");
    QTest::addColumn<HoldList>("holds");

    QTest::newRow("line rate") << MeterBytesPerSecond << 4682 << HoldList();
    QTest::newRow("line rate, pauses")
        << MeterBytesPerSecond << 353
        << HoldList { { 0, 30 }, { 117, 5 }, { 200, 250 }, { 353, 9 } };
    QTest::newRow("slow") << 300.0 << 50 << HoldList { { 3, 1 } };
    QTest::newRow("unpaced") << 0.0 << 1000 << HoldList { { 500, 100 }, { 1000, 20 } };
}

void TestMeterSimStream::scheduleKeepsTheLineRate()
{
    QFETCH(double, rate);
    QFETCH(int, size);
    QFETCH(HoldList, holds);
    ExportStream stream;
    stream.bytes = QByteArray(size, 'x');
    QSet<int> holdOffsets;
    for (const auto &hold : holds) {
        stream.holds << StreamHold { hold.first, hold.second };
        holdOffsets << hold.first;
    }

    const QVector<PacedChunk> chunks = Pacer(rate).schedule(stream);
    QVERIFY(!chunks.isEmpty());
    int offset = 0;
    double held = 0.0;
    double lastDue = 0.0;
    for (const PacedChunk &chunk : chunks) {
        QCOMPARE(chunk.offset, offset);
        for (const auto &hold : holds) {
            if (hold.first == chunk.offset)
                held += hold.second / 1000.0;
            // A pause never falls inside a chunk.
            QVERIFY(hold.first <= chunk.offset || hold.first >= chunk.offset + chunk.length);
        }
        const double lineTime = rate > 0 ? (chunk.offset + chunk.length) / rate : 0.0;
        // Due when its last byte would be out: no drift however many chunks.
        QVERIFY(qAbs(chunk.dueSeconds - (lineTime + held)) < 1e-9);
        QVERIFY(chunk.dueSeconds >= lastDue);
        if (rate > 0)
            QVERIFY(chunk.length <= qMax(1.0, rate * 0.01));
        lastDue = chunk.dueSeconds;
        offset += chunk.length;
    }
    QCOMPARE(offset, size);
    double total = rate > 0 ? size / rate : 0.0;
    for (const auto &hold : holds)
        total += hold.second / 1000.0;
    QVERIFY(qAbs(chunks.last().dueSeconds - total) < 1e-9);
}

void TestMeterSimStream::burstsKeepTheLineRateInPackets()
{
    ExportStream stream;
    stream.bytes = QByteArray(4682, 'x');
    stream.holds = { StreamHold { 2000, 100 } };
    const double interval = 0.016;
    // When the byte ending at offset left the line.
    const auto onLine
        = [&](int end) { return end / MeterBytesPerSecond + (end > 2000 ? 0.1 : 0.0); };

    const QVector<PacedChunk> packets = Pacer(MeterBytesPerSecond, { 64, 16 }).schedule(stream);
    int offset = 0;
    double lastDue = 0.0;
    for (const PacedChunk &packet : packets) {
        QCOMPARE(packet.offset, offset);
        QVERIFY(packet.length >= 1 && packet.length <= 64);
        QVERIFY(packet.dueSeconds >= lastDue);
        const double ticks = packet.dueSeconds / interval;
        QVERIFY2(qAbs(ticks - qRound(ticks)) < 1e-6, qPrintable(QString::number(ticks)));
        // Never before the line carried it, never held past the next delivery.
        QVERIFY(onLine(offset + packet.length) <= packet.dueSeconds + 1e-9);
        QVERIFY(onLine(offset + 1) > packet.dueSeconds - interval - 1e-9);
        lastDue = packet.dueSeconds;
        offset += packet.length;
    }
    QCOMPARE(offset, stream.bytes.size());
    // Many more packets than deliveries at this rate: several a delivery.
    QVERIFY(packets.size() > int(packets.last().dueSeconds / interval) + 1);
}

void TestMeterSimStream::sendStopsAtAFailedWrite()
{
    ExportStream stream;
    stream.bytes = ExportPlan::framesOf(RecordGenerator(2).generate(2));
    stream.holds = { StreamHold { 100, 1 } };
    QByteArray written;
    QVERIFY(Pacer(0).send(stream, [&](const char *data, int length) {
        written.append(data, length);
        return true;
    }));
    QCOMPARE(written, stream.bytes);

    int calls = 0;
    QVERIFY(!Pacer(0).send(stream, [&](const char *, int) { return ++calls > 5; }));
    QCOMPARE(calls, 1);
}

void TestMeterSimStream::generatorIsDeterministicAndVaried_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::newRow("1") << quint64(1);
    QTest::newRow("2") << quint64(2);
    QTest::newRow("large") << quint64(0xFFFFFFFFFFFFull);
}

void TestMeterSimStream::generatorIsDeterministicAndVaried()
{
    QFETCH(quint64, seed);
    const QVector<TestRecord> records = RecordGenerator(seed).generate(60);
    QCOMPARE(
        ExportPlan::framesOf(RecordGenerator(seed).generate(60)), ExportPlan::framesOf(records));
    QVERIFY(ExportPlan::framesOf(RecordGenerator(seed + 1).generate(60))
        != ExportPlan::framesOf(records));

    QSet<int> thresholds, wavelengths, polarities;
    QSet<QString> verdicts;
    QSet<float> missing;
    for (int i = 0; i < records.size(); ++i) {
        const TestRecord &record = records.at(i);
        if (i > 0)
            QVERIFY(record.recordNumber > records.at(i - 1).recordNumber);
        thresholds << record.thresholdCentiDb;
        wavelengths << record.wavelengthCode;
        polarities << record.polarityCode;
        for (const ChannelResult &channel : record.channels) {
            verdicts << formatChannelRow(channel.powerDbm, channel.referenceDbm,
                float(thresholdDb(record)), record.headerByte5, record.polarityCode,
                record.headerByte8)
                            .verdictText;
            if (channel.powerDbm == 100.0f || channel.powerDbm == -100.0f)
                missing << channel.powerDbm;
        }
    }
    QVERIFY(thresholds.size() >= 4);
    QCOMPARE(wavelengths, (QSet<int> { 0, 1, 2, 3 }));
    QVERIFY(polarities.contains(0) && polarities.contains(3) && polarities.size() >= 4);
    QCOMPARE(verdicts, (QSet<QString> { "PASS", "FAIL", "---" }));
    QCOMPARE(missing, (QSet<float> { 100.0f, -100.0f }));
}

QTEST_GUILESS_MAIN(TestMeterSimStream)
#include "tst_metersimstream.moc"
