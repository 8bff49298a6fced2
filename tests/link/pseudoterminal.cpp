// SPDX-License-Identifier: MIT
#include "pseudoterminal.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal()
{
    master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios settings {};
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0
        || tcgetattr(master, &settings) != 0) {
        hangUp();
        return;
    }
    cfmakeraw(&settings);
    tcsetattr(master, TCSANOW, &settings);
    path = ptsname(master);
}

PseudoTerminal::~PseudoTerminal()
{
    hangUp();
}

bool PseudoTerminal::send(const std::string &bytes)
{
    size_t sent = 0;
    while (master >= 0 && sent < bytes.size()) {
        const ssize_t count = ::write(master, bytes.data() + sent, bytes.size() - sent);
        if (count <= 0)
            return false;
        sent += size_t(count);
    }
    return sent == bytes.size();
}

std::string PseudoTerminal::receive(size_t count, int timeoutMs)
{
    std::string bytes;
    char chunk[512];
    pollfd watched { master, POLLIN, 0 };
    while (master >= 0 && bytes.size() < count && poll(&watched, 1, timeoutMs) > 0) {
        const ssize_t got = ::read(master, chunk, std::min(sizeof chunk, count - bytes.size()));
        if (got <= 0)
            break;
        bytes.append(chunk, size_t(got));
    }
    return bytes;
}

void PseudoTerminal::hangUp()
{
    if (master >= 0)
        ::close(master);
    master = -1;
}
