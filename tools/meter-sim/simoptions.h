// SPDX-License-Identifier: MIT
#ifndef LUMETRA_SIMOPTIONS_H
#define LUMETRA_SIMOPTIONS_H

#include "exportstream.h"
#include "pacer.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>

// The emulator's command line, checked as far as it can be without reading files.
struct SimOptions
{
    enum class Source { Generated, Archive, Raw };
    enum class Sink { Pty, Device, File };

    Source source = Source::Generated;
    int recordCount = 10;
    uint64_t seed = 1;
    QString sourcePath;

    bool withTrailer = true;
    int8_t versionMajor = 2;
    int8_t versionMinor = 1;

    double bytesPerSecond = MeterBytesPerSecond; // 0: as fast as possible
    Pacer::Burst burst;
    int frameGapMs = 0;
    int repeat = 1; // 0: until stopped
    double everySeconds = 2.0;
    bool onEnter = false;

    QVector<int> drops;
    QVector<ByteInsertion> insertions;
    QVector<StreamHold> pauses;
    StreamHold unplug { -1, 0 }; // first export only; offset -1: never

    Sink sink = Sink::Pty;
    QString sinkPath;
    QString linkPath; // with --pty: a symbolic link that follows the pty
    bool waitOpen = false;
    double lingerSeconds = 1.0;

    bool help = false;
    bool version = false;
    QString error; // one line; the rest is then meaningless

    // The arguments after the program name.
    static SimOptions parse(const QStringList &arguments);
};

#endif
