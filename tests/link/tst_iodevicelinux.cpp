// SPDX-License-Identifier: MIT
#include "cerrcapture.h"
#include "iodevice.h"
#include "pseudoterminal.h"
#include "serialtermios_unix.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// Collects what is written to standard output, at the descriptor level, while it lives.
class StdoutCapture
{
public:
    StdoutCapture()
        : file(std::tmpfile())
        , saved(dup(fileno(stdout)))
    {
        std::fflush(stdout);
        dup2(fileno(file), fileno(stdout));
    }
    ~StdoutCapture()
    {
        restore();
        std::fclose(file);
    }
    std::string text()
    {
        restore();
        std::string all;
        std::rewind(file);
        for (int c; (c = std::fgetc(file)) != EOF;)
            all += char(c);
        return all;
    }

private:
    void restore()
    {
        if (saved < 0)
            return;
        std::fflush(stdout);
        dup2(saved, fileno(stdout));
        ::close(saved);
        saved = -1;
    }
    FILE *file;
    int saved;
};

std::string pattern(int count, int seed = 0)
{
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += char((i * 7 + seed) & 0xFF);
    return bytes;
}

int openDescriptorCount()
{
    return int(QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size());
}

} // namespace

class TestIoDeviceLinux : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listsKernelPortsThenOfferedOnes_data();
    void listsKernelPortsThenOfferedOnes();
    void unreadableListKeepsPreviousPorts();

    void opensAtMeterSpeedInRawMode();
    void slotTable();
    void sixthPortIsNotAdopted();
    void failedOpenReportsAndReleasesDevice_data();
    void failedOpenReportsAndReleasesDevice();

    void readReturnsChunks_data();
    void readReturnsChunks();
    void readStopsAtGapAfterFirstByte();
    void readTimesOutSilently();
    void readWithoutSlotFails();
    void readFailsWhenOtherSideHangsUp();
    void bytesBeforeHangUpAreKept();
    void readFollowsPortChangeWhileThreadPolls();

    void writeAndFlush();
    void defaultPort();

private:
    // Offers count fresh pseudo-terminals (plus extra paths) as the only ports.
    void offerTerminals(int count, const QStringList &extraPaths = {});
    void openFirst();
    std::string readAll(int length);

    QTemporaryDir emptyTtyClass;
    std::vector<std::unique_ptr<PseudoTerminal>> terminals;
    std::unique_ptr<IoDevice> device;
};

void TestIoDeviceLinux::init()
{
    qunsetenv("LUMETRA_PORTS");
    device = std::make_unique<IoDevice>();
    device->ttyClassDirectory = emptyTtyClass.path().toStdString();
}

void TestIoDeviceLinux::cleanup()
{
    device.reset();
    terminals.clear();
    qunsetenv("LUMETRA_PORTS");
}

void TestIoDeviceLinux::offerTerminals(int count, const QStringList &extraPaths)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        terminals.push_back(std::make_unique<PseudoTerminal>());
        QVERIFY(terminals.back()->isOpen());
        paths << QString::fromStdString(terminals.back()->slavePath());
    }
    qputenv("LUMETRA_PORTS", (paths + extraPaths).join(':').toLocal8Bit());
    StdoutCapture quiet;
    QCOMPARE(device->listPorts(), 0);
}

void TestIoDeviceLinux::openFirst()
{
    offerTerminals(1);
    device->selectedPortIndex = 0;
    QCOMPARE(device->openSelectedPort(), 0);
}

std::string TestIoDeviceLinux::readAll(int length)
{
    std::vector<unsigned char> buffer(size_t(length), 0xAA);
    const int count = device->readCurrentPort(buffer.data(), length);
    for (int i = count; i < length; ++i)
        if (buffer[size_t(i)] != 0)
            return "buffer not cleared";
    return std::string(buffer.begin(), buffer.begin() + count);
}

void TestIoDeviceLinux::listsKernelPortsThenOfferedOnes_data()
{
    QTest::addColumn<QStringList>("kernelTtys"); // name, name=uart type, or name! (no device)
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("no port at all")
        << QStringList { "tty0!", "ttyS0=0" } << QString() << QStringList {};
    QTest::newRow("kernel ports in natural order")
        << QStringList { "ttyUSB0", "ttyS10=4", "ttyS2=4", "ttyS3=0", "tty5!", "console!" }
        << QString() << QStringList { "/dev/ttyS2", "/dev/ttyS10", "/dev/ttyUSB0" };
    QTest::newRow("offered after kernel, empty and repeated paths ignored")
        << QStringList { "ttyACM0" }
        << "/tmp/a::/tmp/b:/dev/ttyACM0:" << QStringList { "/dev/ttyACM0", "/tmp/a", "/tmp/b" };
    QStringList twelve, nine;
    for (int i = 1; i <= 12; ++i)
        (i <= 9 ? nine : twelve) << QString("/tmp/port%1").arg(i);
    QTest::newRow("at most nine") << QStringList {} << (nine + twelve).join(':') << nine;
    QStringList kernelTen, kernelKept;
    for (int i = 1; i <= 10; ++i) {
        kernelTen << QString("ttyS%1=4").arg(i);
        if (i <= 7)
            kernelKept << QString("/dev/ttyS%1").arg(i);
    }
    QTest::newRow("offered ports keep their place when the kernel fills the list")
        << kernelTen << "/dev/ttyS9:/tmp/a" << kernelKept + QStringList { "/dev/ttyS9", "/tmp/a" };
}

void TestIoDeviceLinux::listsKernelPortsThenOfferedOnes()
{
    QFETCH(QStringList, kernelTtys);
    QFETCH(QString, offered);
    QFETCH(QStringList, expected);

    QTemporaryDir ttyClass;
    for (QString tty : kernelTtys) {
        const bool withDevice = !tty.endsWith('!');
        const QString type = tty.section('=', 1);
        tty = tty.section('=', 0, 0).remove('!');
        QDir(ttyClass.path()).mkpath(tty + (withDevice ? "/device" : ""));
        QFile typeFile(ttyClass.filePath(tty + "/type"));
        if (!type.isEmpty() && typeFile.open(QIODevice::WriteOnly))
            typeFile.write(type.toLatin1() + "\n");
    }
    device->ttyClassDirectory = ttyClass.path().toStdString();
    if (!offered.isNull())
        qputenv("LUMETRA_PORTS", offered.toLocal8Bit());

    StdoutCapture trace;
    QCOMPARE(device->listPorts(), expected.isEmpty() ? 1 : 0);
    QString expectedTrace;
    QCOMPARE(device->portCount, int(expected.size()));
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(device->portNumbers[i], i + 1);
        QCOMPARE(QString::fromStdString(device->portDisplayName(i)), expected[i]);
        expectedTrace += QString("%1  %2\n").arg(expected[i]).arg(i + 1);
    }
    QCOMPARE(device->portDisplayName(int(expected.size())), std::string());
    QCOMPARE(device->portDisplayName(-1), std::string());
    QCOMPARE(QString::fromStdString(trace.text()), expectedTrace);
}

void TestIoDeviceLinux::unreadableListKeepsPreviousPorts()
{
    offerTerminals(2);
    qunsetenv("LUMETRA_PORTS");
    device->ttyClassDirectory = emptyTtyClass.filePath("missing").toStdString();
    QCOMPARE(device->enumeratePorts(), -1);
    QCOMPARE(device->listPorts(), 1);
    QCOMPARE(device->portCount, 2);
    QCOMPARE(device->portNumbers[1], 2);
    QCOMPARE(device->portDisplayName(1), terminals[1]->slavePath());
}

void TestIoDeviceLinux::opensAtMeterSpeedInRawMode()
{
    CerrCapture diagnostics;
    openFirst();
    QCOMPARE(device->currentPort.load(), 1);
    QVERIFY(device->handleOf(1) >= 0);
    QCOMPARE(readSerialBaudRate(device->handleOf(1)), 109375);

    // CR, ^C, ^D, DEL and ^S pass untouched in raw mode, and nothing is echoed.
    const std::string controls = "\r\n\x03\x04\x7f\x13\x11";
    QVERIFY(terminals[0]->send(controls));
    QCOMPARE(readAll(255), controls);
    QCOMPARE(terminals[0]->receive(1, 50), std::string());
    QCOMPARE(diagnostics.text(), std::string());
}

void TestIoDeviceLinux::slotTable()
{
    CerrCapture diagnostics;
    offerTerminals(2);
    device->selectedPortIndex = 1;
    QCOMPARE(device->openSelectedPort(), 0);
    QCOMPARE(device->currentPort.load(), 2);

    // Already open: refused without touching the device or the current port.
    QCOMPARE(device->openPortNumber(2, 9600), -1);
    QCOMPARE(device->openSelectedPort(), 1);
    QCOMPARE(device->currentPort.load(), 2);
    QCOMPARE(readSerialBaudRate(device->handleOf(2)), 109375);

    // A port opened by number but never adopted sits in an earlier slot, so the
    // next selection adopts it instead of the port it opened.
    QCOMPARE(device->closePort(), 0);
    QCOMPARE(device->handleOf(2), -1);
    QCOMPARE(device->openPortNumber(1, 9600), 1);
    QCOMPARE(device->openSelectedPort(), 0);
    QCOMPARE(device->currentPort.load(), 1);
    QVERIFY(device->handleOf(2) >= 0);

    QCOMPARE(device->closePort(), 0);
    QCOMPARE(device->closePort(), 1);
    QCOMPARE(device->closePortNumber(42), 1);
    QCOMPARE(device->closePortNumber(-1), 1);
    QCOMPARE(device->currentPort.load(), 1);
    QCOMPARE(device->handleOf(-1), -1);
    QCOMPARE(diagnostics.text(), std::string());
}

void TestIoDeviceLinux::sixthPortIsNotAdopted()
{
    offerTerminals(6);
    const int descriptorsBefore = openDescriptorCount();
    for (int index = 0; index < 5; ++index) {
        device->selectedPortIndex = index;
        QCOMPARE(device->openSelectedPort(), 0);
        QCOMPARE(device->currentPort.load(), index + 1);
    }
    device->selectedPortIndex = 5;
    QCOMPARE(device->openSelectedPort(), 1);
    QCOMPARE(device->currentPort.load(), -1);
    QCOMPARE(device->handleOf(6), -1);
    QCOMPARE(device->openPortNumber(6, 9600), 6);
    QCOMPARE(openDescriptorCount(), descriptorsBefore + 5); // the unrecorded one is not kept open

    QCOMPARE(device->closePortNumber(3), 0);
    QCOMPARE(device->openSelectedPort(), 0);
    QCOMPARE(device->currentPort.load(), 6);
}

void TestIoDeviceLinux::failedOpenReportsAndReleasesDevice_data()
{
    QTest::addColumn<QString>("brokenPath");
    QTest::addColumn<bool>("openGoodPortFirst");
    QTest::addColumn<QString>("diagnostic");

    QTest::newRow("missing device")
        << "/nonexistent/ttyUSB9" << false
        << "Port 2 ;Baudrate 9600 : Get configuration port has problem.\n";
    QTest::newRow("not a terminal, after a meter port")
        << "/dev/null" << true << "Port 2 ;Baudrate 109375 : Get configuration port has problem.\n";
}

void TestIoDeviceLinux::failedOpenReportsAndReleasesDevice()
{
    QFETCH(QString, brokenPath);
    QFETCH(bool, openGoodPortFirst);
    QFETCH(QString, diagnostic);

    offerTerminals(1, { brokenPath });
    if (openGoodPortFirst) {
        device->selectedPortIndex = 0;
        QCOMPARE(device->openSelectedPort(), 0);
    }
    const int previousPort = device->currentPort;
    const int descriptorsBefore = openDescriptorCount();
    CerrCapture diagnostics;
    device->selectedPortIndex = 1;
    QCOMPARE(device->openSelectedPort(), 1);
    QCOMPARE(QString::fromStdString(diagnostics.text()), diagnostic);
    QCOMPARE(device->currentPort.load(), previousPort);
    QCOMPARE(device->handleOf(2), -1);
    QCOMPARE(openDescriptorCount(), descriptorsBefore);
}

void TestIoDeviceLinux::readReturnsChunks_data()
{
    QTest::addColumn<int>("sent");
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("chunks");

    QTest::newRow("255 at once, then the rest") << 300 << 255 << QList<int> { 255, 45 };
    QTest::newRow("exactly the length") << 255 << 255 << QList<int> { 255 };
    QTest::newRow("short reads") << 25 << 10 << QList<int> { 10, 10, 5 };
}

void TestIoDeviceLinux::readReturnsChunks()
{
    QFETCH(int, sent);
    QFETCH(int, length);
    QFETCH(QList<int>, chunks);

    CerrCapture diagnostics;
    openFirst();
    const std::string bytes = pattern(sent, 3);
    QVERIFY(terminals[0]->send(bytes));
    std::string received;
    for (int chunk : chunks) {
        QElapsedTimer timer;
        timer.start();
        const std::string got = readAll(length);
        QCOMPARE(int(got.size()), chunk);
        QVERIFY2(timer.elapsed() < 3 * length / 2, qPrintable(QString::number(timer.elapsed())));
        received += got;
    }
    QCOMPARE(received, bytes);
    QCOMPARE(diagnostics.text(), std::string());
}

void TestIoDeviceLinux::readStopsAtGapAfterFirstByte()
{
    openFirst();
    std::thread sender([this] {
        terminals[0]->send(pattern(10));
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        terminals[0]->send(pattern(20, 1));
    });
    QElapsedTimer timer;
    timer.start();
    const std::string first = readAll(255);
    const qint64 firstElapsed = timer.elapsed();
    const std::string second = readAll(255);
    sender.join();
    QCOMPARE(first, pattern(10));
    QVERIFY2(firstElapsed < 250, qPrintable(QString::number(firstElapsed)));
    QCOMPARE(second, pattern(20, 1));
}

void TestIoDeviceLinux::readTimesOutSilently()
{
    openFirst();
    CerrCapture diagnostics;
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(readAll(255), std::string());
    const qint64 elapsed = timer.elapsed();
    QVERIFY2(elapsed >= 767 && elapsed < 2000, qPrintable(QString::number(elapsed)));
    timer.restart();
    QCOMPARE(readAll(10), std::string());
    QVERIFY2(timer.elapsed() >= 32, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(diagnostics.text(), std::string());
}

void TestIoDeviceLinux::readWithoutSlotFails()
{
    openFirst();
    QVERIFY(terminals[0]->send("xyz"));
    CerrCapture diagnostics;
    unsigned char buffer[4] = { 1, 2, 3, 4 };
    QCOMPARE(device->read(7, buffer, 4), 0);
    QCOMPARE(buffer[0] | buffer[3], 0);
    QCOMPARE(device->closePort(), 0);
    QCOMPARE(readAll(255), std::string());
    QCOMPARE(diagnostics.text(),
        std::string("Reading of serial communication has problem.\n"
                    "Reading of serial communication has problem.\n"));
}

void TestIoDeviceLinux::readFailsWhenOtherSideHangsUp()
{
    openFirst();
    CerrCapture diagnostics;
    std::thread hangUp([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        terminals[0]->hangUp();
    });
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(readAll(255), std::string());
    hangUp.join();
    QVERIFY2(timer.elapsed() < 700, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(readAll(255), std::string());
    QCOMPARE(diagnostics.text(),
        std::string("Reading of serial communication has problem.\n"
                    "Reading of serial communication has problem.\n"));
    QCOMPARE(device->closePort(), 0);
}

void TestIoDeviceLinux::bytesBeforeHangUpAreKept()
{
    // The meter's last bytes, then the cable is pulled within the same read.
    // A try counts only when the read ended early, at the hang-up: a slow
    // scheduler may let it end by its own time-out first.
    int hangUpsWithinRead = 0;
    for (int attempt = 0; attempt < 20 && hangUpsWithinRead < 3; ++attempt) {
        init();
        terminals.clear();
        openFirst();
        CerrCapture diagnostics;
        // The hang-up follows the moment the reader has taken the bytes from
        // the port's input queue, while its read still waits for more: a fixed
        // delay misses that 3 ms window whenever the machine is busy.
        const int watcher
            = ::open(terminals[0]->slavePath().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
        QVERIFY(watcher >= 0);
        const auto queued = [watcher] {
            int count = 0;
            return ioctl(watcher, FIONREAD, &count) == 0 ? count : -1;
        };
        QVERIFY(terminals[0]->send("last bytes"));
        QElapsedTimer arrival;
        arrival.start();
        while (queued() == 0 && arrival.elapsed() < 1000) { }
        std::thread hangUp([this, queued] {
            QElapsedTimer taken;
            taken.start();
            while (queued() > 0 && taken.elapsed() < 50) { }
            terminals[0]->hangUp();
        });
        QElapsedTimer timer;
        timer.start();
        const std::string received = readAll(255);
        const qint64 elapsedUs = timer.nsecsElapsed() / 1000;
        hangUp.join();
        ::close(watcher);
        if (received.empty() || elapsedUs >= 2500)
            continue; // bytes flushed by the kernel, or no hang-up inside the read
        ++hangUpsWithinRead;
        QCOMPARE(received, std::string("last bytes"));
        QCOMPARE(diagnostics.text(), std::string());
        QCOMPARE(readAll(255), std::string()); // the failure shows on the next read
        QCOMPARE(diagnostics.text(), std::string("Reading of serial communication has problem.\n"));
        device->closePort();
    }
    QVERIFY(hangUpsWithinRead > 0);
}

void TestIoDeviceLinux::readFollowsPortChangeWhileThreadPolls()
{
    CerrCapture diagnostics; // reads between close and open fail on purpose
    offerTerminals(2);
    device->selectedPortIndex = 0;
    QCOMPARE(device->openSelectedPort(), 0);
    std::atomic<bool> running { true };
    std::string received;
    std::thread poller([&] {
        unsigned char buffer[255];
        while (running) {
            const int count = device->readCurrentPort(buffer, 255);
            received.append(reinterpret_cast<char *>(buffer), size_t(count));
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    for (int round = 0; round < 4; ++round) {
        device->selectedPortIndex = round % 2;
        QCOMPARE(device->closePort(), 0);
        QCOMPARE(device->openSelectedPort(), 0);
        terminals[size_t(round % 2)]->send(std::string(1, char('a' + round)));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    running = false;
    poller.join();
    QCOMPARE(device->currentPort.load(), 2);
    QVERIFY2(received.find('d') != std::string::npos, received.c_str());
}

void TestIoDeviceLinux::writeAndFlush()
{
    openFirst();
    CerrCapture diagnostics;
    const std::string bytes = pattern(200);
    QCOMPARE(device->write(1, reinterpret_cast<const unsigned char *>(bytes.data()), 200), 1);
    QCOMPARE(device->flush(1), 0);
    QCOMPARE(terminals[0]->receive(200, 500), bytes);
    QCOMPARE(diagnostics.text(), std::string());

    QCOMPARE(device->write(7, reinterpret_cast<const unsigned char *>("x"), 1), 0);
    QCOMPARE(device->flush(7), 1);
    QCOMPARE(diagnostics.text(),
        std::string("Port 7 : Writing of serial communication has problem.\n"
                    "Port Flushing isn't successed.\n"));
}

void TestIoDeviceLinux::defaultPort()
{
    CerrCapture diagnostics;
    QCOMPARE(device->openDefaultPort(), 0);
    QCOMPARE(diagnostics.text(), std::string("Get configuration port has problem.\n"));
    QCOMPARE(device->closeDefaultPort(), 0);

    offerTerminals(4);
    QCOMPARE(device->openDefaultPort(), 1);
    QCOMPARE(device->openDefaultPort(), 0);
    QCOMPARE(device->closeDefaultPort(), 1);
    QCOMPARE(device->closeDefaultPort(), 0);
    QCOMPARE(device->reservedOperation(), 0);
    QCOMPARE(diagnostics.text(), std::string("Get configuration port has problem.\n"));
}

QTEST_GUILESS_MAIN(TestIoDeviceLinux)
#include "tst_iodevicelinux.moc"
