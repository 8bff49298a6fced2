// SPDX-License-Identifier: MIT
#ifndef LUMETRA_SERIALDIAGNOSTICS_H
#define LUMETRA_SERIALDIAGNOSTICS_H

#include <iostream>

// The serial layer's diagnostics, the same on every operating system. Each is
// one line on standard error, flushed.

enum class OpenOutcome { Opened, GetFailed, SetFailed };

// True when the default port was opened; otherwise writes why not.
inline bool reportDefaultPortOpening(OpenOutcome outcome)
{
    if (outcome == OpenOutcome::GetFailed)
        std::cerr << "Get configuration port has problem." << std::endl;
    else if (outcome == OpenOutcome::SetFailed)
        std::cerr << "Set configuration port has problem." << std::endl;
    return outcome == OpenOutcome::Opened;
}

// True when the port was opened; otherwise writes why not, with the baud rate
// the control block held before the attempt or the one asked for.
inline bool reportPortOpening(
    OpenOutcome outcome, int portNumber, unsigned long heldBaudRate, int baudRate)
{
    if (outcome == OpenOutcome::GetFailed)
        std::cerr << "Port " << portNumber << " ;Baudrate " << heldBaudRate
                  << " : Get configuration port has problem." << std::endl;
    else if (outcome == OpenOutcome::SetFailed)
        std::cerr << "Port " << portNumber << " ;Baudrate " << baudRate
                  << " : Set configuration port has problem." << std::endl;
    return outcome == OpenOutcome::Opened;
}

inline void reportWriteFailure(int port)
{
    std::cerr << "Port " << port << " : Writing of serial communication has problem." << std::endl;
}

inline void reportReadFailure()
{
    std::cerr << "Reading of serial communication has problem." << std::endl;
}

inline void reportFlushFailure()
{
    std::cerr << "Port Flushing isn't successed." << std::endl;
}

inline void reportCloseFailure()
{
    std::cerr << "Port Closing isn't successed." << std::endl;
}

#endif
