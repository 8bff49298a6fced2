// SPDX-License-Identifier: MIT
// Runs the Windows serial test under wine with pseudo-terminals behind its COM
// ports, and answers what the test program asks for through each port:
//   "S<n> <gap> <m>\n"  send n pattern bytes, wait gap ms, send m more
//   "E<text>\n"         send text back
//   "H<delay>\n"        hang up after delay ms
// Usage: winedriver PORTDIR PROGRAM... ; PORTDIR/comN are pointed at the ptys.
#include "pseudoterminal.h"

#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

const int PortNumbers[] = { 4, 5, 6, 7, 8, 9, 12 };

std::string pattern(int count, int seed)
{
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += char((i * 7 + seed) & 0xFF);
    return bytes;
}

void answer(PseudoTerminal &terminal, const std::string &command)
{
    if (command.empty())
        return;
    if (command[0] == 'S') {
        int first = 0, gap = 0, second = 0;
        std::sscanf(command.c_str() + 1, "%d %d %d", &first, &gap, &second);
        terminal.send(pattern(first, 0));
        std::this_thread::sleep_for(std::chrono::milliseconds(gap));
        terminal.send(pattern(second, 1));
    } else if (command[0] == 'E') {
        terminal.send(command.substr(1));
    } else if (command[0] == 'H') {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(command.c_str() + 1)));
        terminal.hangUp();
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PORTDIR PROGRAM...\n", argv[0]);
        return 2;
    }
    std::map<int, std::unique_ptr<PseudoTerminal>> terminals;
    for (int number : PortNumbers) {
        auto terminal = std::make_unique<PseudoTerminal>();
        const std::string link = std::string(argv[1]) + "/com" + std::to_string(number);
        unlink(link.c_str());
        if (!terminal->isOpen() || symlink(terminal->slavePath().c_str(), link.c_str()) != 0) {
            std::perror(link.c_str());
            return 2;
        }
        terminals[number] = std::move(terminal);
    }

    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror(argv[2]);
        _exit(127);
    }
    std::map<int, std::string> pending;
    for (;;) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        std::vector<pollfd> watched;
        std::vector<int> numbers;
        for (auto &[number, terminal] : terminals) {
            if (terminal->isOpen()) {
                watched.push_back({ terminal->masterDescriptor(), POLLIN, 0 });
                numbers.push_back(number);
            }
        }
        // A master whose slave nobody holds open reports a hang-up at once.
        if (poll(watched.data(), watched.size(), 10) > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        else
            continue;
        for (size_t i = 0; i < watched.size(); ++i) {
            if (!(watched[i].revents & POLLIN))
                continue;
            PseudoTerminal &terminal = *terminals[numbers[i]];
            std::string &line = pending[numbers[i]];
            line += terminal.receive(256, 0);
            for (size_t end; (end = line.find('\n')) != std::string::npos;) {
                const std::string command = line.substr(0, end);
                line.erase(0, end + 1);
                answer(terminal, command);
            }
        }
    }
}
