// SPDX-License-Identifier: MIT
#ifndef LUMETRA_IODEVICE_H
#define LUMETRA_IODEVICE_H

#include "iodeviceplatform.h"

#include <atomic>
#include <cstdint>
#include <string>

// The port selection the rest of the program uses: list the ports, open the
// one the user picked at the meter's speed and make it the port the download
// thread reads from. Results: 0 success, 1 failure.
class IoDevice : public IODevicePlatform
{
public:
    IoDevice() = default;

    int listPorts();
    int openSelectedPort();
    int closePort();

    // read() on currentPort, both under the device lock, for the download thread.
    int readCurrentPort(unsigned char *buffer, int length);

    // What the port list shows for portNumbers[index]; empty for an index not listed.
    std::string portDisplayName(int index) const;
    // The index whose display name is name; -1 when none is listed under it.
    int portIndexOf(const std::string &name) const;

    std::atomic<int32_t> currentPort { -1 };
    int32_t selectedPortIndex = 0;
    int32_t portCount = 0;
    int32_t portNumbers[PortTableEntries] = {};
};

#endif
