// SPDX-License-Identifier: MIT
#ifndef LUMETRA_IODEVICEPLATFORM_H
#define LUMETRA_IODEVICEPLATFORM_H

#include "iodevicelinux.h"

using IODevicePlatform = IODeviceLinux;

#endif
