// SPDX-License-Identifier: MIT
#ifndef LUMETRA_IODEVICELINUX_H
#define LUMETRA_IODEVICELINUX_H

#include "iiodevice.h"
#include "portslottable.h"
#include "serialdiagnostics.h"

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

// The serial device on Linux. Ports are numbered by their position in the
// listed order (1 to 9): first the serial devices the kernel knows, then every
// path named in LUMETRA_PORTS (colon-separated), which is how virtual ports
// such as pseudo-terminals are offered. Reads keep the time-outs the meter
// link was designed for: a read returns at `length` bytes, 3 ms after the last
// byte once one has come, or after 3 ms per byte + 2 ms with nothing.
//
// Every operation holds one lock, so ports opened and closed by the main
// thread never change under a read of the download thread.
class IODeviceLinux : public IIODevice
{
public:
    struct LineSettings
    {
        int baudRate;
    };
    // Ports are file descriptors.
    struct Descriptors
    {
        using Handle = int;
        static int none() { return -1; }
        static bool close(int fd);
    };

    IODeviceLinux();
    ~IODeviceLinux();
    IODeviceLinux(const IODeviceLinux &) = delete;
    IODeviceLinux &operator=(const IODeviceLinux &) = delete;

    int openDefaultPort() override;
    int closeDefaultPort() override;
    int write(int port, const unsigned char *buffer, int length) override;
    int read(int port, unsigned char *buffer, int length) override;
    int enumeratePorts() override;
    int reservedOperation() override;
    int flush(int port) override;

    int openPortNumber(int portNumber, int baudRate);
    int closePortNumber(int portNumber);
    int handleOf(int portNumber) const; // file descriptor, -1 when no slot holds the port

    // The device path of a listed port; empty when the number is not listed.
    std::string portName(int portNumber) const;

    // Why the last openPortNumber failed and what fixes it, when the user can
    // fix it (no permission on the device); empty otherwise.
    std::string openFailureAdvice() const;

    // Where the kernel lists its terminals; the tests point it at a directory of their own.
    std::string ttyClassDirectory = "/sys/class/tty";

    // Where the port lister writes its one line per port; tools whose standard
    // output is data point it elsewhere.
    std::FILE *portTrace = stdout;

    // Reads that failed, as against those that found nothing: whoever watches
    // it can tell a port that went away, as an adapter pulled out.
    std::atomic<unsigned> failedReads { 0 };

protected:
    unsigned char portTable[PortTableEntries][2];
    int32_t defaultPortOpen = 0;
    int workingHandle = -1;
    LineSettings workingControlBlock { DefaultPortBaudRate };
    PortSlotTable<Descriptors, LineSettings> portSlots { LineSettings { DefaultPortBaudRate } };
    mutable std::recursive_mutex deviceLock;

private:
    OpenOutcome openWorkingHandle(const std::string &path, int baudRate);
    void discardWorkingHandle();

    std::vector<std::string> portPaths; // index = port number - 1
    std::string lastOpenAdvice;
    int openErrno = 0; // of the last ::open in openWorkingHandle
};

#endif
