// SPDX-License-Identifier: MIT
#include "iodevicewindows.h"

#include "serialdiagnostics.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

DCB initialControlBlock()
{
    DCB block;
    std::memset(&block, 0, sizeof block);
    block.DCBlength = sizeof block;
    block.BaudRate = DefaultPortBaudRate;
    block.fBinary = 1;
    block.ByteSize = 8;
    block.Parity = NOPARITY;
    block.StopBits = ONESTOPBIT;
    return block;
}

// One digit below 10, otherwise two: ports 1 to 99.
std::wstring devicePath(int portNumber)
{
    return L"\\\\.\\COM" + std::to_wstring(portNumber);
}

} // namespace

bool IODeviceWindows::Handles::close(HANDLE handle)
{
    return CloseHandle(handle) != 0;
}

IODeviceWindows::IODeviceWindows()
    : workingControlBlock(initialControlBlock())
    , portSlots(initialControlBlock())
{
}

IODeviceWindows::~IODeviceWindows()
{
    if (defaultPortOpen == 1)
        CloseHandle(workingHandle);
}

int IODeviceWindows::openDefaultPort()
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    if (defaultPortOpen)
        return 0;
    if (!reportDefaultPortOpening(openWorkingHandle(devicePath(4), DefaultPortBaudRate)))
        return 0;
    defaultPortOpen = 1;
    return 1;
}

int IODeviceWindows::closeDefaultPort()
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    if (defaultPortOpen != 1)
        return 0;
    defaultPortOpen = 0;
    if (!CloseHandle(workingHandle)) {
        reportCloseFailure();
        return 0;
    }
    return 1;
}

int IODeviceWindows::write(int port, const unsigned char *buffer, int length)
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    DWORD written = 0;
    if (!WriteFile(handleOf(port), buffer, DWORD(std::max(length, 0)), &written, nullptr)) {
        reportWriteFailure(port);
        return 0;
    }
    return 1;
}

int IODeviceWindows::read(int port, unsigned char *buffer, int length)
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    length = std::max(length, 0);
    std::memset(buffer, 0, size_t(length));
    DWORD received = 0;
    if (!ReadFile(handleOf(port), buffer, DWORD(length), &received, nullptr)) {
        ++failedReads;
        reportReadFailure();
        return 0;
    }
    return int(received);
}

int IODeviceWindows::enumeratePorts()
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key)
        != ERROR_SUCCESS)
        return -1;
    bool found = false;
    int entry = 0;
    for (DWORD index = 0; entry < MaxListedPorts; ++index) {
        WCHAR name[25];
        WCHAR data[13] = {}; // 25 bytes offered, one spare for the terminator
        DWORD nameLength = 25;
        DWORD dataSize = 25;
        const LONG result = RegEnumValueW(key, index, name, &nameLength, nullptr, nullptr,
            reinterpret_cast<BYTE *>(data), &dataSize);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != ERROR_SUCCESS)
            continue; // a name or port that does not fit takes no entry
        std::fprintf(portTrace, "%c%c%c%c  %c\n", char(data[0]), char(data[1]), char(data[2]),
            char(data[3]), char(data[4]));
        portTable[entry][0] = data[4] != 0 ? static_cast<unsigned char>(data[3]) : '0';
        portTable[entry][1] = static_cast<unsigned char>(data[4] != 0 ? data[4] : data[3]);
        ++entry;
        found = true;
    }
    std::fflush(portTrace);
    portTable[entry][0] = PortTableEndMark;
    portTable[entry][1] = PortTableEndMark;
    RegCloseKey(key);
    return found ? 1 : 0;
}

int IODeviceWindows::reservedOperation()
{
    return 0;
}

int IODeviceWindows::flush(int port)
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    if (!FlushFileBuffers(handleOf(port))) {
        reportFlushFailure();
        return 1;
    }
    return 0;
}

int IODeviceWindows::openPortNumber(int portNumber, int baudRate)
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    return portSlots.open(portNumber, [&](HANDLE &handle, DCB &block) {
        const DWORD heldBaudRate = workingControlBlock.BaudRate;
        if (!reportPortOpening(openWorkingHandle(devicePath(portNumber), DWORD(baudRate)),
                portNumber, heldBaudRate, baudRate))
            return false;
        handle = workingHandle;
        block = workingControlBlock;
        return true;
    });
}

int IODeviceWindows::closePortNumber(int portNumber)
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    return portSlots.close(portNumber);
}

HANDLE IODeviceWindows::handleOf(int portNumber) const
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    return portSlots.handleOf(portNumber);
}

std::string IODeviceWindows::portName(int portNumber) const
{
    return std::to_string(portNumber);
}

DCB IODeviceWindows::workingConfiguration() const
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    return workingControlBlock;
}

OpenOutcome IODeviceWindows::openWorkingHandle(const std::wstring &path, DWORD baudRate)
{
    workingHandle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (!GetCommState(workingHandle, &workingControlBlock)) {
        discardWorkingHandle();
        return OpenOutcome::GetFailed;
    }
    workingControlBlock.fBinary = 1;
    workingControlBlock.ByteSize = 8;
    workingControlBlock.BaudRate = baudRate;
    workingControlBlock.StopBits = ONESTOPBIT;
    workingControlBlock.Parity = NOPARITY;
    if (!SetCommState(workingHandle, &workingControlBlock)) {
        discardWorkingHandle();
        return OpenOutcome::SetFailed;
    }
    COMMTIMEOUTS timeouts {};
    timeouts.ReadIntervalTimeout = 3;
    timeouts.ReadTotalTimeoutMultiplier = 3;
    timeouts.ReadTotalTimeoutConstant = 2;
    timeouts.WriteTotalTimeoutMultiplier = 3;
    timeouts.WriteTotalTimeoutConstant = 2;
    SetCommTimeouts(workingHandle, &timeouts);
    return OpenOutcome::Opened;
}

void IODeviceWindows::discardWorkingHandle()
{
    if (workingHandle != INVALID_HANDLE_VALUE && workingHandle != nullptr)
        CloseHandle(workingHandle);
    workingHandle = nullptr;
}
