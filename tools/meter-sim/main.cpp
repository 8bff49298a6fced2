// SPDX-License-Identifier: MIT
#include "lumetraversion.h"
#include "metersim.h"
#include "simoptions.h"

#include <QStringList>
#include <QTextStream>
#include <csignal>
#include <cstdio>

namespace {

const char usage[] = R"(Usage: lumetra-meter-sim [OPTIONS]

Plays the MPO power meter's side of an export: one 117-byte frame per record,
then the 2-byte version trailer, paced as at 109375 baud 8N1.

Where the bytes go (one of these; --pty when none is given):
  --pty                 Create a raw pseudo-terminal and print its path (for
                        example /dev/pts/5) on the first line of standard output.
  --device PATH         Write to an existing serial device at 109375 baud 8N1.
  -o, --output FILE     Write to a file or pipe; - is standard output.
  --wait-open           With --pty: hold the first export until a reader has
                        opened the port (and after an unplug, the next one
                        until the new port is open).
  --link PATH           With --pty: make PATH a symbolic link to the pty, which
                        follows it when it comes back after an unplug.
  --linger S            With --pty: keep the port open S seconds after the last
                        export so the reader can drain it (default 1).

What it sends (one of these; --records 10 when none is given):
  --records N           N generated records (0 to 100000): varied numbers,
                        thresholds, wavelengths and polarities, some failing
                        fibers and missing readings (power 100.0 or -100.0).
  --seed N              Seed of the generated records (default 1); the same
                        seed gives the same records.
  --from FILE.mrf       The records of an archive, in archive order.
  --raw FILE            The bytes of FILE as they are.
  --meter-version M.m   Version in the trailer (default 2.1; e.g. 2.0, 3.0, 1.5).
  --no-trailer          Send no trailer.

Pacing:
  --rate BYTES_PER_SECOND   Line rate to keep (default 10937.5, i.e. 109375
                        baud with 10 bits per byte). The schedule is absolute,
                        so the average rate holds however the sleeps fall.
  --no-pacing           As fast as possible (pauses are still kept); wins
                        over --rate.
  --burst SIZE:MS       Deliver as a USB serial adapter does: every MS
                        milliseconds what the line carried since, in packets
                        of at most SIZE bytes (for example 64:16). The average
                        rate is kept; readers see short reads mid-export.
  --frame-gap MS        Extra pause before every frame but the first and before
                        the trailer.
  --repeat N            Send N exports (default 1; 0: until stopped).
  --every S             Seconds of silence between exports (default 2).
  --on-enter            Send one export each time Enter is pressed on standard
                        input, until end of input (or N exports with --repeat).

Faults (repeatable; OFFSET counts from the start of each export's stream as
the meter would send it, trailer included):
  --drop-byte OFFSET            Leave out the byte at OFFSET.
  --insert-byte OFFSET[:VALUE]  Send an extra byte (default 0; decimal or 0x..)
                                before the byte at OFFSET; OFFSET may be the
                                stream length.
  --pause-at OFFSET:MS          Pause MS milliseconds before the byte at OFFSET.
  --unplug-at OFFSET:MS         With --pty, in the first export only: once the
                                reader has taken the bytes before OFFSET, close
                                the pty (the reader hangs up) and drop the rest
                                of the export; MS later open a new pty, print
                                its path on a line of its own and go on with
                                the next export.

  -h, --help            This text.
      --version         The version.

At the end one summary line goes to standard error: bytes sent, exports and
seconds taken.
Exit status: 0 done; 2 bad usage, unreadable input or a failed write (one line
on standard error).
)";

} // namespace

int main(int argc, char *argv[])
{
    // A reader that goes away must give an error line, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const SimOptions options = SimOptions::parse(arguments);
    if (options.help) {
        out << usage;
        return 0;
    }
    if (options.version) {
        out << "lumetra-meter-sim " << lumetraVersion << Qt::endl;
        return 0;
    }
    if (!options.error.isEmpty()) {
        err << "lumetra-meter-sim: " << options.error << " (see --help)" << Qt::endl;
        return 2;
    }
    return MeterSim(options).run(out, err);
}
