#include "outputsink.h"

#include "meterline.h"
#include "serialtermios_unix.h"

#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
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
}

void OutputSink::close()
{
    if (ownsFd && fd >= 0)
        ::close(fd);
    fd = -1;
    ownsFd = false;
}

bool OutputSink::openPty(QString *error)
{
    close();
    fd = posix_openpt(O_RDWR | O_NOCTTY);
    if (fd < 0) {
        *error = QStringLiteral("cannot create a pseudo-terminal: %1").arg(systemError());
        return false;
    }
    ownsFd = true;
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
    return true;
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

void OutputSink::waitForReader() const
{
    if (!pty)
        return;
    for (;;) {
        pollfd entry { fd, POLLOUT, 0 };
        if (poll(&entry, 1, 0) >= 0 && !(entry.revents & POLLHUP))
            return;
        // POLLHUP does not wait, so poll it at a pace.
        usleep(5000);
    }
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
