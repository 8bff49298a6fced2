// SPDX-License-Identifier: MIT
#include "simoptions.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <limits>

namespace {

constexpr int maxOffset = std::numeric_limits<int>::max() / 2;

struct Checker
{
    const QCommandLineParser &parser;
    QString &error;

    bool fail(const QString &why)
    {
        if (error.isEmpty())
            error = why;
        return false;
    }

    bool integer(const QString &option, int low, int high, int *out)
    {
        if (!parser.isSet(option))
            return true;
        return integerText(option, parser.value(option), low, high, out);
    }

    bool integerText(const QString &option, const QString &text, int low, int high, int *out)
    {
        bool ok = false;
        const qlonglong value = text.startsWith(QLatin1String("0x"))
            ? text.mid(2).toLongLong(&ok, 16)
            : text.toLongLong(&ok, 10);
        if (!ok || value < low || value > high)
            return fail(QStringLiteral("--%1: %2 is not a whole number from %3 to %4")
                            .arg(option, text)
                            .arg(low)
                            .arg(high));
        *out = int(value);
        return true;
    }

    bool seconds(const QString &option, double *out)
    {
        if (!parser.isSet(option))
            return true;
        bool ok = false;
        const double value = parser.value(option).toDouble(&ok);
        if (!ok || !(value >= 0) || value > 1e6)
            return fail(QStringLiteral("--%1: %2 is not a number of seconds")
                            .arg(option, parser.value(option)));
        *out = value;
        return true;
    }

    // OFFSET:NUMBER, or OFFSET alone when the number may be left out.
    bool offsetPair(const QString &option, const QString &text, int high, bool numberOptional,
        int *offset, int *number)
    {
        const QStringList parts = text.split(QLatin1Char(':'));
        if (parts.size() > 2 || (parts.size() == 1 && !numberOptional))
            return fail(QStringLiteral("--%1: %2 is not OFFSET%3")
                            .arg(option, text, numberOptional ? "[:VALUE]" : ":MS"));
        return integerText(option, parts.first(), 0, maxOffset, offset)
            && (parts.size() == 1 || integerText(option, parts.last(), 0, high, number));
    }
};

const QRegularExpression versionPattern(QStringLiteral("^(-?\\d{1,3})\\.(\\d{1,3})$"));

void addOptions(QCommandLineParser &parser)
{
    const auto valued = [](const QStringList &names, const char *valueName) {
        return QCommandLineOption(names, QString(), QString::fromLatin1(valueName));
    };
    parser.addOptions({
        QCommandLineOption(QStringList { "h", "help" }),
        QCommandLineOption(QStringLiteral("version")),
        QCommandLineOption(QStringLiteral("pty")),
        valued({ "device" }, "PATH"),
        valued({ "o", "output" }, "FILE"),
        QCommandLineOption(QStringLiteral("wait-open")),
        valued({ "linger" }, "S"),
        valued({ "records" }, "N"),
        valued({ "seed" }, "N"),
        valued({ "from" }, "FILE"),
        valued({ "raw" }, "FILE"),
        valued({ "meter-version" }, "M.m"),
        QCommandLineOption(QStringLiteral("no-trailer")),
        valued({ "rate" }, "BYTES_PER_SECOND"),
        QCommandLineOption(QStringLiteral("no-pacing")),
        valued({ "burst" }, "SIZE:MS"),
        valued({ "frame-gap" }, "MS"),
        valued({ "repeat" }, "N"),
        valued({ "every" }, "S"),
        QCommandLineOption(QStringLiteral("on-enter")),
        valued({ "drop-byte" }, "OFFSET"),
        valued({ "insert-byte" }, "OFFSET[:VALUE]"),
        valued({ "pause-at" }, "OFFSET:MS"),
        valued({ "unplug-at" }, "OFFSET:MS"),
        valued({ "link" }, "PATH"),
    });
}

void readOptions(const QCommandLineParser &parser, SimOptions &options)
{
    using Source = SimOptions::Source;
    using Sink = SimOptions::Sink;
    Checker check { parser, options.error };
    if (!parser.positionalArguments().isEmpty()) {
        check.fail(
            QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));
        return;
    }

    const QStringList sources = { "records", "from", "raw" };
    const QStringList sinks = { "pty", "device", "output" };
    for (const QStringList &group : { sources, sinks }) {
        QStringList chosen;
        for (const QString &name : group) {
            if (parser.isSet(name))
                chosen << QStringLiteral("--") + name;
        }
        if (chosen.size() > 1) {
            check.fail(QStringLiteral("%1 cannot be combined").arg(chosen.join(" and ")));
            return;
        }
    }

    if (parser.isSet(QStringLiteral("from"))) {
        options.source = Source::Archive;
        options.sourcePath = parser.value(QStringLiteral("from"));
    } else if (parser.isSet(QStringLiteral("raw"))) {
        options.source = Source::Raw;
        options.sourcePath = parser.value(QStringLiteral("raw"));
    }
    check.integer(QStringLiteral("records"), 0, 100000, &options.recordCount);
    if (parser.isSet(QStringLiteral("seed"))) {
        bool ok = false;
        options.seed = parser.value(QStringLiteral("seed")).toULongLong(&ok);
        if (!ok)
            check.fail(QStringLiteral("--seed: %1 is not a whole number")
                           .arg(parser.value(QStringLiteral("seed"))));
    }

    options.withTrailer = !parser.isSet(QStringLiteral("no-trailer"));
    if (parser.isSet(QStringLiteral("meter-version"))) {
        const QString text = parser.value(QStringLiteral("meter-version"));
        const QRegularExpressionMatch match = versionPattern.match(text);
        const int major = match.captured(1).toInt();
        const int minor = match.captured(2).toInt();
        if (!match.hasMatch() || major < -128 || major > 127 || minor > 127)
            check.fail(QStringLiteral("--meter-version: %1 is not MAJOR.MINOR (each -128 to 127)")
                           .arg(text));
        options.versionMajor = int8_t(major);
        options.versionMinor = int8_t(minor);
    }

    if (parser.isSet(QStringLiteral("rate"))) {
        bool ok = false;
        options.bytesPerSecond = parser.value(QStringLiteral("rate")).toDouble(&ok);
        if (!ok || !(options.bytesPerSecond >= 1) || options.bytesPerSecond > 1e9)
            check.fail(QStringLiteral("--rate: %1 is not a number of bytes per second")
                           .arg(parser.value(QStringLiteral("rate"))));
    }
    // Wins over --rate, so wrappers can add it to any command line.
    if (parser.isSet(QStringLiteral("no-pacing")))
        options.bytesPerSecond = 0;
    if (parser.isSet(QStringLiteral("burst"))) {
        const QString text = parser.value(QStringLiteral("burst"));
        const QStringList parts = text.split(QLatin1Char(':'));
        Pacer::Burst burst;
        if (parts.size() != 2)
            check.fail(QStringLiteral("--burst: %1 is not SIZE:MS").arg(text));
        else if (check.integerText(
                     QStringLiteral("burst"), parts.first(), 1, 65536, &burst.packetBytes)
            && check.integerText(QStringLiteral("burst"), parts.last(), 1, 1000, &burst.intervalMs))
            options.burst = burst;
    }
    constexpr int maxMs = 3600 * 1000;
    check.integer(QStringLiteral("frame-gap"), 0, maxMs, &options.frameGapMs);
    options.onEnter = parser.isSet(QStringLiteral("on-enter"));
    if (options.onEnter)
        options.repeat = 0;
    check.integer(QStringLiteral("repeat"), 0, std::numeric_limits<int>::max(), &options.repeat);
    check.seconds(QStringLiteral("every"), &options.everySeconds);

    for (const QString &text : parser.values(QStringLiteral("drop-byte"))) {
        int offset = 0;
        if (check.integerText(QStringLiteral("drop-byte"), text, 0, maxOffset, &offset))
            options.drops << offset;
    }
    for (const QString &text : parser.values(QStringLiteral("insert-byte"))) {
        int offset = 0;
        int value = 0;
        if (check.offsetPair(QStringLiteral("insert-byte"), text, 255, true, &offset, &value))
            options.insertions << ByteInsertion { offset, uint8_t(value) };
    }
    for (const QString &text : parser.values(QStringLiteral("pause-at"))) {
        int offset = 0;
        int ms = 0;
        if (check.offsetPair(QStringLiteral("pause-at"), text, maxMs, false, &offset, &ms))
            options.pauses << StreamHold { offset, ms };
    }

    if (parser.isSet(QStringLiteral("unplug-at"))) {
        StreamHold unplug;
        if (check.offsetPair(QStringLiteral("unplug-at"), parser.value(QStringLiteral("unplug-at")),
                maxMs, false, &unplug.offset, &unplug.milliseconds))
            options.unplug = unplug;
    }

    if (parser.isSet(QStringLiteral("device"))) {
        options.sink = Sink::Device;
        options.sinkPath = parser.value(QStringLiteral("device"));
    } else if (parser.isSet(QStringLiteral("output"))) {
        options.sink = Sink::File;
        options.sinkPath = parser.value(QStringLiteral("output"));
    }
    options.waitOpen = parser.isSet(QStringLiteral("wait-open"));
    options.linkPath = parser.value(QStringLiteral("link"));
    for (const char *ptyOnly : { "wait-open", "link", "unplug-at" }) {
        if (parser.isSet(QLatin1String(ptyOnly)) && options.sink != Sink::Pty)
            check.fail(QStringLiteral("--%1 works with --pty only").arg(QLatin1String(ptyOnly)));
    }
    check.seconds(QStringLiteral("linger"), &options.lingerSeconds);
}

} // namespace

SimOptions SimOptions::parse(const QStringList &arguments)
{
    SimOptions options;
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(QStringList { QStringLiteral("lumetra-meter-sim") } + arguments))
        options.error = parser.errorText();
    else if (parser.isSet(QStringLiteral("help")))
        options.help = true;
    else if (parser.isSet(QStringLiteral("version")))
        options.version = true;
    else
        readOptions(parser, options);
    return options;
}
