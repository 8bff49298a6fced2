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
        "          [--database URL|FILE] [--job NAME [--from ID]]\n"
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
        "      With --job, each record new to the store's jobs joins job NAME and\n"
        "      takes its oldest retest mark, else its next cable ID without a\n"
        "      record, counting from ID (the first by default) and wrapping round,\n"
        "      else none (unplanned), as it reaches the store; standard error tells\n"
        "      each. Without --database, the store the window uses.\n"
        "  report FILE.mrf [-o OUT.pdf]\n"
        "      Write the certification report of an archive as a PDF: a summary\n"
        "      with the overall verdict and a row per record, then every record\n"
        "      with its header texts, fiber table, margins and loss chart. OUT.pdf\n"
        "      is FILE.pdf beside the archive unless given. A4, or US Letter where\n"
        "      the system locale uses it. Needs no display. In the window's language\n"
        "      (LANGUAGE, else LANG: German, French, Spanish, Simplified Chinese or\n"
        "      English); the messages stay English.\n"
        "  history [--database URL|FILE] [--search TEXT] [--since DATE] [--job NAME]\n"
        "          [--json|--csv] [--all-texts]\n"
        "      Print the records kept in the records store, oldest first, with\n"
        "      their latest header texts, as dump does: those whose header texts,\n"
        "      record number or cable ID contain TEXT (any letter case), received\n"
        "      on or after DATE (yyyy-mm-dd, or yyyy-mm-ddThh:mm:ss), of job NAME.\n"
        "      The JSON gives each record's \"key\" (the SHA-256 of its frame, as\n"
        "      job assign takes it) and \"receivedAt\" (UTC). With --all-texts\n"
        "      (JSON only), each record also lists \"textVersions\": every version\n"
        "      of its texts, the first first, with when and on which machine, and\n"
        "      \"jobVersions\": every version of its job and cable ID.\n"
        "      Only reads: the store must exist and is left exactly as it is; rows\n"
        "      that no longer decode are counted on standard error, and so is an\n"
        "      empty store.\n"
        "  job list [--json]\n"
        "  job create NAME [--customer T] [--site T] [--contractor T] [--note T]\n"
        "          [--logo FILE]\n"
        "  job edit NAME [--customer T] [--site T] [--contractor T] [--note T]\n"
        "          [--logo FILE]\n"
        "      A job: the trunks of one certification, each named by its cable ID.\n"
        "      --logo: the contractor's logo for the job's report, a PNG or JPEG\n"
        "      file of at most 1 MB and 4096 x 4096 pixels, kept with the job.\n"
        "  job ids NAME (--add ID... | --import FILE | --pattern PATTERN)\n"
        "      Add cable IDs at the end of the job's list: as given; from a text\n"
        "      file with one a line or a CSV (its column cable_id, cable id, id or\n"
        "      label, else its first); or from a pattern such as A{1..4}-B{01..12}\n"
        "      ({12..1} counts down, {A..H} letters, {{ and }} are braces). IDs are\n"
        "      trimmed, at most 64 characters, unique in the job: one that is not,\n"
        "      and nothing is added.\n"
        "  job retest NAME ID... [--clear]\n"
        "      Mark tested IDs for a retest: the next records new to the job take\n"
        "      them, the oldest mark first. --clear takes the marks back.\n"
        "  job assign NAME --record KEY (--id ID | --retest ID | --none)\n"
        "      Give a stored record an ID of the job that has no record yet, make\n"
        "      it the latest test of a tested ID, or keep it in the job without an\n"
        "      ID. KEY is the record's key as history --json prints it.\n"
        "  job texts NAME [--company T] [--operator T] [--test-device T]\n"
        "          [--test-date T] [--serial-number T] [--note T]\n"
        "      Set those header texts on every record of the job, in one change:\n"
        "      each record whose texts change gets a new version of them.\n"
        "  job status NAME [--json|--csv]\n"
        "      A row per cable ID in list order (state, record, when received,\n"
        "      smallest margin, tests), the records without an ID (unplanned),\n"
        "      then the counts. Only reads.\n"
        "  job export NAME -o OUT.mrf\n"
        "      Write the latest record of every tested ID, in list order, to a new\n"
        "      archive that carries the job (Lumetra 3.0 cannot open it).\n"
        "  job report NAME [-o OUT.pdf]\n"
        "      Write the job's report as a PDF: page 1 with the job's verdict (PASS,\n"
        "      FAIL or INCOMPLETE), its facts and counts; a row per cable ID, then\n"
        "      the unplanned records; each tested ID's latest record in full; the\n"
        "      superseded tests. Suspect readings (a negative loss, two records\n"
        "      with the same twelve powers) are named. OUT.pdf is NAME.pdf here\n"
        "      unless given (characters a file name may not hold become _). Paper\n"
        "      and language as for report.\n"
        "  job xlsx NAME [-o OUT.xlsx]\n"
        "      Write the job's workbook: a sheet of trunks (the report's table with\n"
        "      each record's header texts) and a sheet of fibers, numbers as number\n"
        "      cells. A text longer than a cell holds is cut, and said so.\n"
        "      Every job command takes --database as history does.\n"
        "\n"
        "Output:\n"
        "  --json   (default) one object {\"records\":[...]}; decode adds\n"
        "           \"meterVersionMajor\", \"meterVersionMinor\" (null without a\n"
        "           trailer), \"verdict\" (0 supported, 1 not), \"supported\" and\n"
        "           \"pendingBytes\" (bytes of an unfinished frame at the end).\n"
        "           Each record has \"suspect\": its suspect readings, each with its\n"
        "           \"kind\" (\"negativeLoss\" with its \"fiber\", or \"sameReadings\"\n"
        "           with the other's \"recordNumber\": among the archive's records, a\n"
        "           job's for history) and \"text\"; empty when none. Each record\n"
        "           ends in \"job\" and \"cableId\", null when none.\n"
        "           Powers carry 9 significant digits; a value that is not finite\n"
        "           is the string \"nan\", \"inf\" or \"-inf\". Null texts are null.\n"
        "  --csv    a header line, then one row per fiber, record number first,\n"
        "           the header texts, the note as plain text, then job and\n"
        "           cable_id (empty when none); a header text\n"
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
    const bool drawing = (argc > 1 && std::strcmp(argv[1], "report") == 0)
        || (argc > 2 && std::strcmp(argv[1], "job") == 0 && std::strcmp(argv[2], "report") == 0);
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
    if (command == QLatin1String("job"))
        return jobCommand(arguments, out, err);
    err << "lumetra-cli: unknown command " << command << " (see --help)\n";
    return 2;
}
