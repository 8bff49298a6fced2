// SPDX-License-Identifier: MIT
#include "iodevicelinux.h"

#include "serialdiagnostics.h"
#include "serialtermios_unix.h"

#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <iostream>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr milliseconds ReadIntervalTimeout { 3 };
constexpr int TotalTimeoutMultiplier = 3;
constexpr int TotalTimeoutConstant = 2;

Clock::time_point totalDeadline(Clock::time_point start, int length)
{
    return start + milliseconds(TotalTimeoutMultiplier * length + TotalTimeoutConstant);
}

// Waits until fd is ready for events or the deadline passes; false on a poll error.
bool waitReady(int fd, short events, Clock::time_point deadline, bool &ready)
{
    const auto left = std::max(deadline - Clock::now(), Clock::duration::zero());
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(left);
    const timespec timeout { time_t(seconds.count()),
        long(std::chrono::nanoseconds(left - seconds).count()) };
    pollfd watched { fd, events, 0 };
    const int result = ppoll(&watched, 1, &timeout, nullptr);
    ready = result > 0;
    return result >= 0 || errno == EINTR;
}

// The number of bytes received, or -1 when the port failed or hung up before
// a byte came. Bytes that did come are never dropped for a failure after
// them: the next read reports it.
int receive(int fd, unsigned char *buffer, int length)
{
    if (fd < 0)
        return -1;
    const auto deadline = totalDeadline(Clock::now(), length);
    auto lastByte = Clock::time_point();
    int received = 0;
    while (received < length) {
        const auto until
            = received == 0 ? deadline : std::min(deadline, lastByte + ReadIntervalTimeout);
        if (Clock::now() >= until)
            break;
        bool ready = false;
        if (!waitReady(fd, POLLIN, until, ready))
            return received > 0 ? received : -1;
        if (!ready)
            continue;
        const ssize_t count = ::read(fd, buffer + received, size_t(length - received));
        if (count > 0) {
            received += int(count);
            lastByte = Clock::now();
        } else if (count == 0 || (errno != EAGAIN && errno != EINTR)) {
            return received > 0 ? received : -1;
        }
    }
    return received;
}

// Sends what the write time-out allows; -1 on failure. Like the port it
// imitates, a time-out is no failure.
int transmit(int fd, const unsigned char *buffer, int length)
{
    if (fd < 0)
        return -1;
    const auto deadline = totalDeadline(Clock::now(), length);
    int sent = 0;
    while (sent < length && Clock::now() < deadline) {
        const ssize_t count = ::write(fd, buffer + sent, size_t(length - sent));
        if (count > 0) {
            sent += int(count);
            continue;
        }
        if (count < 0 && errno != EAGAIN && errno != EINTR)
            return -1;
        bool ready = false;
        if (!waitReady(fd, POLLOUT, deadline, ready))
            return -1;
    }
    return sent;
}

bool fileExists(const std::string &path)
{
    struct stat info
    {
    };
    return stat(path.c_str(), &info) == 0;
}

// A legacy UART the kernel registered but found no chip for reports type 0.
bool isUnknownUart(const std::string &ttyDirectory)
{
    std::ifstream typeFile(ttyDirectory + "/type");
    int type = -1;
    return typeFile >> type && type == 0;
}

// The kernel's serial devices in natural order (ttyS2 before ttyS10); false
// when the list itself cannot be read.
bool listKernelPorts(const std::string &classDirectory, std::vector<std::string> &paths)
{
    DIR *directory = opendir(classDirectory.c_str());
    if (!directory)
        return false;
    std::vector<std::string> names;
    while (const dirent *entry = readdir(directory)) {
        const std::string name = entry->d_name;
        const std::string ttyDirectory = classDirectory + "/" + name;
        if (name[0] != '.' && fileExists(ttyDirectory + "/device") && !isUnknownUart(ttyDirectory))
            names.push_back(name);
    }
    closedir(directory);
    std::sort(names.begin(), names.end(), [](const std::string &a, const std::string &b) {
        return strverscmp(a.c_str(), b.c_str()) < 0;
    });
    for (const std::string &name : names)
        paths.push_back("/dev/" + name);
    return true;
}

// The paths of LUMETRA_PORTS, each once.
std::vector<std::string> offeredPorts()
{
    const char *offered = std::getenv("LUMETRA_PORTS");
    std::vector<std::string> paths;
    std::string rest = offered ? offered : "";
    while (!rest.empty()) {
        const size_t colon = rest.find(':');
        const std::string path = rest.substr(0, colon);
        rest = colon == std::string::npos ? std::string() : rest.substr(colon + 1);
        if (!path.empty() && std::find(paths.begin(), paths.end(), path) == paths.end())
            paths.push_back(path);
    }
    return paths;
}

// Keeps at most MaxListedPorts paths. A port the user offered by name is
// what they mean to use: kernel ports make room for it, from the end.
void limitListedPorts(std::vector<std::string> &paths, const std::vector<std::string> &offered)
{
    for (size_t index = paths.size(); paths.size() > size_t(MaxListedPorts) && index-- > 0;) {
        if (std::find(offered.begin(), offered.end(), paths[index]) == offered.end())
            paths.erase(paths.begin() + long(index));
    }
    if (paths.size() > size_t(MaxListedPorts))
        paths.resize(MaxListedPorts);
}

// Serial devices belong to a group whose members may use them (dialout on
// Debian); a user outside it gets "permission denied".
std::string accessAdvice(const std::string &path)
{
    std::string groupName = "dialout";
    struct stat status
    {
    };
    if (::stat(path.c_str(), &status) == 0 && status.st_gid != 0) {
        if (const struct group *entry = ::getgrgid(status.st_gid))
            groupName = entry->gr_name;
    }
    // In the window's language, where it shows in the status line.
    return QCoreApplication::translate("IODeviceLinux",
        "No permission to open %1: join the group %2 (sudo usermod -aG %2 $USER), then log in "
        "again.")
        .arg(QString::fromStdString(path), QString::fromStdString(groupName))
        .toStdString();
}

} // namespace

bool IODeviceLinux::Descriptors::close(int fd)
{
    return ::close(fd) == 0;
}

IODeviceLinux::IODeviceLinux() = default;

IODeviceLinux::~IODeviceLinux()
{
    if (defaultPortOpen == 1)
        ::close(workingHandle);
}

int IODeviceLinux::openDefaultPort()
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    if (defaultPortOpen)
        return 0;
    if (!reportDefaultPortOpening(openWorkingHandle(portName(4), DefaultPortBaudRate)))
        return 0;
    defaultPortOpen = 1;
    return 1;
}

int IODeviceLinux::closeDefaultPort()
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    if (defaultPortOpen != 1)
        return 0;
    defaultPortOpen = 0;
    if (::close(workingHandle) != 0) {
        reportCloseFailure();
        return 0;
    }
    return 1;
}

int IODeviceLinux::write(int port, const unsigned char *buffer, int length)
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    if (transmit(handleOf(port), buffer, std::max(length, 0)) < 0) {
        reportWriteFailure(port);
        return 0;
    }
    return 1;
}

int IODeviceLinux::read(int port, unsigned char *buffer, int length)
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    length = std::max(length, 0);
    std::memset(buffer, 0, size_t(length));
    const int received = receive(handleOf(port), buffer, length);
    if (received < 0) {
        ++failedReads;
        reportReadFailure();
        return 0;
    }
    return received;
}

int IODeviceLinux::enumeratePorts()
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    std::vector<std::string> paths;
    const bool kernelListed = listKernelPorts(ttyClassDirectory, paths);
    const std::vector<std::string> offered = offeredPorts();
    if (!kernelListed && offered.empty())
        return -1;
    for (const std::string &path : offered) {
        if (std::find(paths.begin(), paths.end(), path) == paths.end())
            paths.push_back(path);
    }
    limitListedPorts(paths, offered);
    for (size_t index = 0; index < paths.size(); ++index) {
        const int portNumber = int(index) + 1;
        std::fprintf(portTrace, "%s  %d\n", paths[index].c_str(), portNumber);
        portTable[index][0] = static_cast<unsigned char>('0' + portNumber / 10);
        portTable[index][1] = static_cast<unsigned char>('0' + portNumber % 10);
    }
    std::fflush(portTrace);
    portTable[paths.size()][0] = PortTableEndMark;
    portTable[paths.size()][1] = PortTableEndMark;
    portPaths = std::move(paths);
    return portPaths.empty() ? 0 : 1;
}

int IODeviceLinux::reservedOperation()
{
    return 0;
}

int IODeviceLinux::flush(int port)
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    const int fd = handleOf(port);
    if (fd < 0 || tcdrain(fd) != 0) {
        reportFlushFailure();
        return 1;
    }
    return 0;
}

int IODeviceLinux::openPortNumber(int portNumber, int baudRate)
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    lastOpenAdvice.clear();
    return portSlots.open(portNumber, [&](int &handle, LineSettings &settings) {
        const int heldBaudRate = workingControlBlock.baudRate;
        const std::string path = portName(portNumber);
        if (!reportPortOpening(
                openWorkingHandle(path, baudRate), portNumber, heldBaudRate, baudRate)) {
            if (openErrno == EACCES || openErrno == EPERM) {
                lastOpenAdvice = accessAdvice(path);
                std::cerr << "Port " << portNumber << " : " << lastOpenAdvice << std::endl;
            }
            return false;
        }
        handle = workingHandle;
        settings = workingControlBlock;
        return true;
    });
}

int IODeviceLinux::closePortNumber(int portNumber)
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    return portSlots.close(portNumber);
}

int IODeviceLinux::handleOf(int portNumber) const
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    return portSlots.handleOf(portNumber);
}

std::string IODeviceLinux::portName(int portNumber) const
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    if (portNumber < 1 || size_t(portNumber) > portPaths.size())
        return std::string();
    return portPaths[size_t(portNumber) - 1];
}

std::string IODeviceLinux::openFailureAdvice() const
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    return lastOpenAdvice;
}

OpenOutcome IODeviceLinux::openWorkingHandle(const std::string &path, int baudRate)
{
    workingHandle
        = path.empty() ? -1 : ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    openErrno = workingHandle < 0 ? errno : 0;
    const int driverBaudRate = workingHandle < 0 ? -1 : readSerialBaudRate(workingHandle);
    if (driverBaudRate < 0) {
        discardWorkingHandle();
        return OpenOutcome::GetFailed;
    }
    workingControlBlock.baudRate = baudRate;
    if (configureRawSerial(workingHandle, baudRate) != 0) {
        discardWorkingHandle();
        return OpenOutcome::SetFailed;
    }
    return OpenOutcome::Opened;
}

void IODeviceLinux::discardWorkingHandle()
{
    if (workingHandle >= 0)
        ::close(workingHandle);
    workingHandle = -1;
}
