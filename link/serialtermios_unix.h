// SPDX-License-Identifier: MIT
#ifndef LUMETRA_SERIALTERMIOS_UNIX_H
#define LUMETRA_SERIALTERMIOS_UNIX_H

// Exact, non-standard baud rates on Linux through termios2/BOTHER. Kept apart
// because <asm/termbits.h> clashes with <termios.h>.

// Puts the open terminal fd in raw 8N1 mode (no flow control, no echo, no
// translation) at exactly baudRate. Returns 0 on success, -1 on failure (errno set).
int configureRawSerial(int fd, int baudRate);

// The input speed the driver holds for fd, or -1 on failure.
int readSerialBaudRate(int fd);

#endif
