// SPDX-License-Identifier: MIT
#include "clicommands.h"
#include "lumetraversion.h"
#include "reportplatform.h"
#include "standardoutput.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstring>
#include <memory>

QString usageText()
{
    return QStringLiteral(
        "Usage: lumetra-cli COMMAND [OPTIONS]\n"
        "  or:  lumetra-cli --help | --version\n"
        "\n"
        "Commands:\n"
        "  dump FILE.mrf [--json|--csv] [-o OUT]\n"
        "      Print every record of an archive with its header texts and the\n"
        "      per-fiber texts the report window shows.\n"
        "  decode CAPTURE [--json|--csv] [-o OUT.mrf]\n"
        "      Decode a raw byte stream captured from the meter exactly as the\n"
        "      download thread would (reads of 255 bytes), print the records, the\n"
        "      meter version and whether it is supported (2.1 or later). With -o,\n"
        "      also write the records to an archive with empty header texts.\n"
        "  receive PORT [--batches N] [--timeout S] [--json] [-o OUT.mrf] [--reopen]\n"
        "          [--database URL|FILE]\n"
        "      Download from a serial port without a window, exactly as the app\n"
        "      does, and print each batch as it completes: a summary line, or with\n"
        "      --json one object per line as for decode. With -o, append every\n"
        "      batch to an archive (created when missing) as it arrives. PORT is a\n"
        "      device path (Linux), a listed port's number, or COMn. Stops after N\n"
        "      batches or S seconds; without either it runs until interrupted.\n"
        "      With --reopen, a port that fails (an adapter pulled out) is opened\n"
        "      again under the same name as soon as it is back.\n"
        "      With --database, keep every batch in that records store as it\n"
        "      arrives, as the window does.\n"
        "  report FILE.mrf [-o OUT.pdf]\n"
        "      Write the certification report of an archive as a PDF: a summary\n"
        "      with the overall verdict and a row per record, then every record\n"
        "      with its header texts, fiber table, margins and loss chart. OUT.pdf\n"
        "      is FILE.pdf beside the archive unless given. A4, or US Letter where\n"
        "      the system locale uses it. Needs no display. In the window's language\n"
        "      (LANGUAGE, else LANG: German, French, Spanish, Simplified Chinese or\n"
        "      English); the messages stay English.\n"
        "  history [--database URL|FILE] [--search TEXT] [--since DATE] [--json|--csv]\n"
        "          [--all-texts]\n"
        "      Print the records kept in the records store, oldest first, with\n"
        "      their latest header texts, as dump does: those whose header texts or\n"
        "      record number contain TEXT (any letter case), received on or\n"
        "      after DATE (yyyy-mm-dd, or yyyy-mm-ddThh:mm:ss). With --all-texts\n"
        "      (JSON only), each record also lists \"textVersions\": every version\n"
        "      of its texts, the first first, with when and on which machine.\n"
        "      Only reads: the store must exist and is left exactly as it is; rows\n"
        "      that no longer decode are counted on standard error, and so is an\n"
        "      empty store.\n"
        "\n"
        "Output:\n"
        "  --json   (default) one object {\"records\":[...]}; decode adds\n"
        "           \"meterVersionMajor\", \"meterVersionMinor\" (null without a\n"
        "           trailer), \"verdict\" (0 supported, 1 not), \"supported\" and\n"
        "           \"pendingBytes\" (bytes of an unfinished frame at the end).\n"
        "           Powers carry 9 significant digits; a value that is not finite\n"
        "           is the string \"nan\", \"inf\" or \"-inf\". Null texts are null.\n"
        "  --csv    a header line, then one row per fiber, record number first,\n"
        "           the header texts last, the note as plain text; a header text\n"
        "           that begins with = + - @, a tab or a carriage return gets a\n"
        "           leading apostrophe (exact texts: --json). decode writes the\n"
        "           meter version to standard error. dump --csv -o OUT.csv writes\n"
        "           the file the window's Export CSV writes (UTF-8 with a\n"
        "           byte-order mark). dump -o never writes over a record archive.\n"
        "\n"
        "Records store: URL is postgresql://user@host:port/dbname, FILE an\n"
        "  SQLite file. Without --database: the environment variable\n"
        "  LUMETRA_DATABASE, else the window's setting, else records.sqlite in\n"
        "  the user's data folder. Keep the password in ~/.pgpass or PGPASSWORD:\n"
        "  one on the command line is visible to other users of the machine.\n"
        "\n"
        "Exit status: 0 done, 2 bad usage or bad input (one line on standard error).\n");
}

int main(int argc, char *argv[])
{
    // A report draws text, which takes the GUI's fonts.
    const bool drawing = argc > 1 && std::strcmp(argv[1], "report") == 0;
    if (drawing)
        chooseReportPlatform();
    const std::unique_ptr<QCoreApplication> application = drawing
        ? std::make_unique<QGuiApplication>(argc, argv)
        : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication &app = *application;
    useBinaryStandardOutput();
    // The window's names: both find the same records store.
    QCoreApplication::setOrganizationName(QStringLiteral("Tavolin"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumetra"));
    QTextStream out(stdout);
    out.setCodec("UTF-8"); // JSON and CSV are UTF-8 whatever the system's code page
    QTextStream err(stderr);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty()) {
        err << usageText();
        return 2;
    }
    const QString command = arguments.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h")
        || command == QLatin1String("help") || arguments.contains(QStringLiteral("--help"))) {
        out << usageText();
        return 0;
    }
    if (command == QLatin1String("--version")) {
        out << "lumetra-cli " << lumetraVersion << '\n';
        return 0;
    }
    if (command == QLatin1String("dump"))
        return dumpCommand(arguments, out, err);
    if (command == QLatin1String("decode"))
        return decodeCommand(arguments, out, err);
    if (command == QLatin1String("receive"))
        return receiveCommand(arguments, out, err);
    if (command == QLatin1String("report"))
        return reportCommand(arguments, out, err);
    if (command == QLatin1String("history"))
        return historyCommand(arguments, out, err);
    err << "lumetra-cli: unknown command " << command << " (see --help)\n";
    return 2;
}
