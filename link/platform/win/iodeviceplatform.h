// SPDX-License-Identifier: MIT
#ifndef LUMETRA_IODEVICEPLATFORM_H
#define LUMETRA_IODEVICEPLATFORM_H

#include "iodevicewindows.h"

using IODevicePlatform = IODeviceWindows;

#endif
