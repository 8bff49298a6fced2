// SPDX-License-Identifier: MIT
// Writes and reads an archive of many records and prints the rates and the
// file size. Not a test: the figures depend on the machine.
#include "recordarchive.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;

    QVector<TestRecord> records(count);
    QVector<ReportHeaderTexts> headers(count);
    for (int i = 0; i < count; ++i) {
        TestRecord &record = records[i];
        record.recordNumber = uint16_t(i);
        record.thresholdCentiDb = 75;
        record.headerByte5 = 1;
        record.headerByte8 = 1;
        for (int k = 0; k < TestRecord::channelCount; ++k) {
            record.channels[k].referenceDbm = -20.0f;
            record.channels[k].powerDbm = -20.0f - 0.01f * float((i + k) % 90);
        }
        ReportHeaderTexts &texts = headers[i];
        texts.companyName = QStringLiteral("Fibre Works Ltd");
        texts.operatorName = QStringLiteral("A. Operator");
        texts.testDevice = QStringLiteral("MPO-12 meter");
        texts.testDate = QStringLiteral("12-06-2026");
        texts.serialNumber = QStringLiteral("SN%1").arg(i);
        texts.exportTime = QStringLiteral("12-06-2026  14:05:09");
        texts.noteHtml = QStringLiteral("<p>trunk %1</p>").arg(i % 24);
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.mrf"));
    QElapsedTimer timer;
    timer.start();
    if (!RecordArchive::save(path, records, headers)) {
        out << "write failed\n";
        return 1;
    }
    const double writeSeconds = timer.nsecsElapsed() / 1e9;
    timer.restart();
    const RecordArchive::ReadResult result = RecordArchive::load(path);
    const double readSeconds = timer.nsecsElapsed() / 1e9;
    if (result.status != RecordArchive::ReadStatus::Ok || result.records.size() != count) {
        out << "read failed: " << result.errorString << '\n';
        return 1;
    }
    const qint64 size = QFileInfo(path).size();
    out << "records:      " << count << '\n'
        << "file size:    " << size << " bytes (" << size / count << " per record)\n"
        << "write:        " << writeSeconds << " s, " << qRound64(count / writeSeconds)
        << " records/s\n"
        << "read:         " << readSeconds << " s, " << qRound64(count / readSeconds)
        << " records/s\n";
    return 0;
}
