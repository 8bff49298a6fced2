// SPDX-License-Identifier: MIT
#include "soak.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

const char usage[] = R"(Usage: lumetra-soak [--seconds S] [--seed N] [--records N] [--receiver PATH]

Runs exports of the meter emulator back to back into a pseudo-terminal for S
seconds (default 60), each with a fault drawn from the seed (default 1): none,
a short pause inside a frame, a byte dropped or inserted, a long pause inside
a frame, or the port unplugged and plugged in again; every third export comes
in bursts as from a USB adapter. lumetra-cli receive --reopen (or the program
given by --receiver) receives them in a process of its own. Exports have 1 to
N records (default 40).

Checks: every export without a damaging fault arrives whole, in one batch, in
order; a damaged export loses nothing before the first record the fault
touched; the receiver never exits; its peak memory stays flat.

One line per export, then a report, go to standard output.
Exit status: 0 passed, 1 a check failed, 2 bad usage.
)";

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QCommandLineParser parser;
    parser.addOptions({
        QCommandLineOption(QStringList { "h", "help" }),
        QCommandLineOption(QStringLiteral("seconds"), QString(), QStringLiteral("S")),
        QCommandLineOption(QStringLiteral("seed"), QString(), QStringLiteral("N")),
        QCommandLineOption(QStringLiteral("records"), QString(), QStringLiteral("N")),
        QCommandLineOption(QStringLiteral("receiver"), QString(), QStringLiteral("PATH")),
    });
    if (!parser.parse(app.arguments())) {
        err << "lumetra-soak: " << parser.errorText() << " (see --help)\n";
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << usage;
        return 0;
    }
    Soak::Options options;
    options.receiverProgram = parser.value(QStringLiteral("receiver"));
    if (options.receiverProgram.isEmpty())
        options.receiverProgram = QStringLiteral(LUMETRA_CLI);
    bool secondsOk = true, seedOk = true, recordsOk = true;
    if (parser.isSet(QStringLiteral("seconds")))
        options.seconds = parser.value(QStringLiteral("seconds")).toDouble(&secondsOk);
    if (parser.isSet(QStringLiteral("seed")))
        options.seed = parser.value(QStringLiteral("seed")).toULongLong(&seedOk);
    if (parser.isSet(QStringLiteral("records")))
        options.mostRecords = parser.value(QStringLiteral("records")).toInt(&recordsOk);
    if (!secondsOk || !(options.seconds > 0) || !seedOk || !recordsOk || options.mostRecords < 1
        || options.mostRecords > 1000 || !parser.positionalArguments().isEmpty()) {
        err << "lumetra-soak: bad arguments (see --help)\n";
        return 2;
    }

    const SoakReport report = Soak(options).run(out);
    report.write(out);
    return report.passed() ? 0 : 1;
}
