// SPDX-License-Identifier: MIT
#ifndef LUMETRA_PSEUDOTERMINAL_H
#define LUMETRA_PSEUDOTERMINAL_H

#include <string>

// A pseudo-terminal whose master side the test drives: raw, so the bytes it
// sends reach the slave unchanged and nothing is echoed back.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool isOpen() const { return master >= 0; }
    const std::string &slavePath() const { return path; }
    int masterDescriptor() const { return master; }

    bool send(const std::string &bytes);
    // What the slave side wrote, up to count bytes, waiting at most timeoutMs for each chunk.
    std::string receive(size_t count, int timeoutMs);
    void hangUp();

private:
    int master = -1;
    std::string path;
};

#endif
