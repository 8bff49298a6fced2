// SPDX-License-Identifier: MIT
#include "outputsink.h"

#include "meterline.h"
#include "serialtermios_unix.h"

#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

OutputSink::~OutputSink()
{
    close();
    if (!linkPath.isEmpty())
        ::unlink(QFile::encodeName(linkPath).constData());
}

void OutputSink::close()
{
    if (ownsFd && fd >= 0)
        ::close(fd);
    fd = -1;
    ownsFd = false;
    pty = false;
    device = false;
}

bool OutputSink::openPty(QString *error, const QString &link)
{
    close();
    fd = posix_openpt(O_RDWR | O_NOCTTY);
    if (fd < 0) {
        *error = QStringLiteral("cannot create a pseudo-terminal: %1").arg(systemError());
        return false;
    }
    ownsFd = true;
    // A child that kept a copy would keep the pty from hanging up when unplugged.
    fcntl(fd, F_SETFD, FD_CLOEXEC);
    char name[128];
    if (grantpt(fd) != 0 || unlockpt(fd) != 0 || ptsname_r(fd, name, sizeof name) != 0) {
        *error = QStringLiteral("cannot set up the pseudo-terminal: %1").arg(systemError());
        close();
        return false;
    }
    // Termios calls on the master reach the slave's line discipline, which
    // otherwise turns CR into LF, eats ^C and echoes. Blocking reads (VMIN 1)
    // suit plain tools such as cat; the baud rate means nothing on a pty.
    struct termios tio;
    if (tcgetattr(fd, &tio) != 0) {
        *error = QStringLiteral("cannot set up the pseudo-terminal: %1").arg(systemError());
        close();
        return false;
    }
    cfmakeraw(&tio);
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    tcsetattr(fd, TCSANOW, &tio);
    // A master only reports hang-up once its slave has been closed; open and
    // close it once so that waitForReader() can tell when a reader arrives.
    const int slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave >= 0)
        ::close(slave);
    slavePath = QString::fromLocal8Bit(name);
    pty = true;
    if (link.isEmpty())
        return true;
    // Made aside and renamed into place, over a stale link of a run that was killed.
    const QByteArray linkName = QFile::encodeName(link);
    const QByteArray aside = linkName + ".new";
    ::unlink(aside.constData());
    if (::symlink(name, aside.constData()) != 0
        || ::rename(aside.constData(), linkName.constData()) != 0) {
        *error = QStringLiteral("%1: cannot make the link: %2").arg(link, systemError());
        close();
        return false;
    }
    linkPath = link;
    return true;
}

void OutputSink::unplug()
{
    const int watcher
        = ::open(QFile::encodeName(slavePath).constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    // Bytes just written can still be on their way into the pty's input
    // queue, so the queue has to stay empty for a while, not just once.
    constexpr int stepMs = 2;
    int emptyMs = 0;
    for (int waitedMs = 0; watcher >= 0 && waitedMs < 2000 && emptyMs < 50; waitedMs += stepMs) {
        int queued = 0;
        if (ioctl(watcher, FIONREAD, &queued) != 0)
            break;
        emptyMs = queued == 0 ? emptyMs + stepMs : 0;
        usleep(stepMs * 1000);
    }
    if (watcher >= 0)
        ::close(watcher);
    // The name goes with the adapter, so nobody opens a stranger's terminal
    // that takes the pty's number meanwhile.
    if (!linkPath.isEmpty())
        ::unlink(QFile::encodeName(linkPath).constData());
    close();
}

bool OutputSink::replug(QString *error)
{
    return openPty(error, linkPath);
}

bool OutputSink::openDevice(const QString &path, QString *error)
{
    close();
    // Non-blocking so that a port without carrier does not hang the open.
    fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        *error = QStringLiteral("%1: cannot open device: %2").arg(path, systemError());
        return false;
    }
    ownsFd = true;
    if (configureRawSerial(fd, MeterBaudRate) != 0) {
        *error = QStringLiteral("%1: cannot set %2 baud 8N1: %3")
                     .arg(path)
                     .arg(MeterBaudRate)
                     .arg(systemError());
        close();
        return false;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    device = true;
    return true;
}

bool OutputSink::openFile(const QString &path, QString *error)
{
    close();
    if (path == QLatin1String("-")) {
        fd = STDOUT_FILENO;
        return true;
    }
    fd = ::open(
        QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        *error = QStringLiteral("%1: cannot write file: %2").arg(path, systemError());
        return false;
    }
    ownsFd = true;
    return true;
}

bool OutputSink::hasReader() const
{
    pollfd entry { fd, POLLOUT, 0 };
    return pty && poll(&entry, 1, 0) >= 0 && !(entry.revents & POLLHUP);
}

void OutputSink::waitForReader() const
{
    // POLLHUP does not wait, so poll it at a pace.
    while (pty && !hasReader())
        usleep(5000);
}

bool OutputSink::write(const char *data, int length, QString *error)
{
    while (length > 0) {
        const ssize_t written = ::write(fd, data, size_t(length));
        if (written > 0) {
            data += written;
            length -= int(written);
        } else if (written < 0 && errno == EAGAIN) {
            pollfd entry { fd, POLLOUT, 0 };
            poll(&entry, 1, 50);
        } else if (written < 0 && errno != EINTR) {
            *error = QStringLiteral("write failed: %1").arg(systemError());
            return false;
        }
    }
    return true;
}

void OutputSink::drain()
{
    if (device)
        tcdrain(fd);
}
