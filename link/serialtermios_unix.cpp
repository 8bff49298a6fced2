// SPDX-License-Identifier: MIT
#include "serialtermios_unix.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

int configureRawSerial(int fd, int baudRate)
{
    struct termios2 tio = {};
    if (ioctl(fd, TCGETS2, &tio) != 0)
        return -1;
    tio.c_iflag &= ~(
        IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY | INPCK);
    tio.c_oflag &= ~OPOST;
    tio.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS | CBAUD | (CBAUD << IBSHIFT));
    tio.c_cflag |= CS8 | CREAD | CLOCAL | BOTHER | (BOTHER << IBSHIFT);
    tio.c_ispeed = speed_t(baudRate);
    tio.c_ospeed = speed_t(baudRate);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    return ioctl(fd, TCSETS2, &tio) == 0 ? 0 : -1;
}

int readSerialBaudRate(int fd)
{
    struct termios2 tio = {};
    if (ioctl(fd, TCGETS2, &tio) != 0)
        return -1;
    return int(tio.c_ispeed);
}
