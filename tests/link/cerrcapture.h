// SPDX-License-Identifier: MIT
#ifndef LUMETRA_CERRCAPTURE_H
#define LUMETRA_CERRCAPTURE_H

#include <iostream>
#include <sstream>
#include <string>

// Collects what is written to std::cerr while it lives.
class CerrCapture
{
public:
    CerrCapture()
        : previous(std::cerr.rdbuf(captured.rdbuf()))
    {
    }
    ~CerrCapture() { std::cerr.rdbuf(previous); }
    CerrCapture(const CerrCapture &) = delete;
    CerrCapture &operator=(const CerrCapture &) = delete;

    std::string text() const { return captured.str(); }

private:
    std::ostringstream captured;
    std::streambuf *previous;
};

#endif
