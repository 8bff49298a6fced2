// SPDX-License-Identifier: MIT
#ifndef LUMETRA_METERLINE_H
#define LUMETRA_METERLINE_H

// The meter's serial line: 109375 baud (not 115200), 8 data bits, no parity,
// one stop bit, receive-only and without flow control: the meter never waits.
constexpr int MeterBaudRate = 109375;
constexpr int MeterBitsPerByte = 10; // start bit, eight data bits, stop bit
constexpr double MeterBytesPerSecond = double(MeterBaudRate) / MeterBitsPerByte;

// How long the line takes to carry byteCount bytes.
constexpr double meterLineSeconds(double byteCount)
{
    return byteCount / MeterBytesPerSecond;
}

#endif
