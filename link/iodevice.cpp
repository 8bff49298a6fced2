// SPDX-License-Identifier: MIT
#include "iodevice.h"

#include "meterline.h"

#include <mutex>

int IoDevice::listPorts()
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    if (enumeratePorts() == -1)
        return 1;
    portCount = 0;
    for (const unsigned char *entry : portTable) {
        if (portCount == PortTableEntries
            || (entry[0] == PortTableEndMark && entry[1] == PortTableEndMark))
            break;
        portNumbers[portCount++] = 10 * (entry[0] - '0') + (entry[1] - '0');
    }
    return portCount == 0 ? 1 : 0;
}

int IoDevice::openSelectedPort()
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    if (selectedPortIndex < 0 || selectedPortIndex >= portCount)
        return 1;
    if (openPortNumber(portNumbers[selectedPortIndex], MeterBaudRate) == -1)
        return 1;
    currentPort = portSlots.adopt();
    return currentPort == -1 ? 1 : 0;
}

int IoDevice::closePort()
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    return closePortNumber(currentPort) != 0 ? 1 : 0;
}

int IoDevice::readCurrentPort(unsigned char *buffer, int length)
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    return read(currentPort, buffer, length);
}

std::string IoDevice::portDisplayName(int index) const
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    if (index < 0 || index >= portCount)
        return std::string();
    return portName(portNumbers[index]);
}

int IoDevice::portIndexOf(const std::string &name) const
{
    std::lock_guard<std::recursive_mutex> guard(deviceLock);
    for (int index = 0; index < portCount; ++index) {
        if (portDisplayName(index) == name)
            return index;
    }
    return -1;
}
