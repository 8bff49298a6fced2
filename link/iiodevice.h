// SPDX-License-Identifier: MIT
#ifndef LUMETRA_IIODEVICE_H
#define LUMETRA_IIODEVICE_H

// The serial device interface. Results are plain integers, never exceptions;
// failures also write an English diagnostic line to standard error.
//
// read() contract, which the frame decoder relies on: it returns the number of
// bytes received (0 to length), placed at the start of the buffer, or 0 when
// nothing arrived within the time-outs or the read failed.
class IIODevice
{
public:
    virtual int openDefaultPort() = 0;
    virtual int closeDefaultPort() = 0;
    virtual int write(int port, const unsigned char *buffer, int length) = 0;
    virtual int read(int port, unsigned char *buffer, int length) = 0;
    virtual int enumeratePorts() = 0;
    virtual int reservedOperation() = 0;
    virtual int flush(int port) = 0;

protected:
    // Never deleted through this interface.
    ~IIODevice() = default;
};

#endif
