// SPDX-License-Identifier: MIT
#ifndef LUMETRA_IODEVICEWINDOWS_H
#define LUMETRA_IODEVICEWINDOWS_H

#include "iiodevice.h"
#include "portslottable.h"
#include "serialdiagnostics.h"

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>
#include <windows.h>

// The serial device on the Win32 communications functions. Ports come from the
// registry's SERIALCOMM list; up to five opened by number are kept in portSlots.
//
// Every operation holds one lock, so ports opened and closed by the main
// thread never change under a read of the download thread.
class IODeviceWindows : public IIODevice
{
public:
    struct Handles
    {
        using Handle = HANDLE;
        static HANDLE none() { return nullptr; }
        static bool close(HANDLE handle);
    };

    IODeviceWindows();
    ~IODeviceWindows();
    IODeviceWindows(const IODeviceWindows &) = delete;
    IODeviceWindows &operator=(const IODeviceWindows &) = delete;

    int openDefaultPort() override;
    int closeDefaultPort() override;
    int write(int port, const unsigned char *buffer, int length) override;
    int read(int port, unsigned char *buffer, int length) override;
    int enumeratePorts() override;
    int reservedOperation() override;
    int flush(int port) override;

    int openPortNumber(int portNumber, int baudRate);
    int closePortNumber(int portNumber);
    HANDLE handleOf(int portNumber) const;

    // The port number in decimal, as the port list shows it.
    std::string portName(int portNumber) const;

    // Windows grants every user the serial ports, so there is nothing to advise.
    std::string openFailureAdvice() const { return std::string(); }

    // The control block the last opening configured, baud rate included.
    DCB workingConfiguration() const;

    // Where the port lister writes its one line per port; tools whose standard
    // output is data point it elsewhere.
    std::FILE *portTrace = stdout;

    // Reads that failed, as against those that found nothing: whoever watches
    // it can tell a port that went away, as an adapter pulled out.
    std::atomic<unsigned> failedReads { 0 };

protected:
    unsigned char portTable[PortTableEntries][2];
    int32_t defaultPortOpen = 0;
    HANDLE workingHandle = nullptr;
    DCB workingControlBlock;
    PortSlotTable<Handles, DCB> portSlots;
    mutable std::recursive_mutex deviceLock;

private:
    OpenOutcome openWorkingHandle(const std::wstring &path, DWORD baudRate);
    void discardWorkingHandle();
};

#endif
