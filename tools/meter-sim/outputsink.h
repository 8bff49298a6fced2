// SPDX-License-Identifier: MIT
#ifndef LUMETRA_OUTPUTSINK_H
#define LUMETRA_OUTPUTSINK_H

#include <QString>

// Where the emulated meter's bytes go: a pseudo-terminal it creates, an
// existing serial device, or a file or pipe. Writes block until every byte is taken.
class OutputSink
{
public:
    OutputSink() = default;
    ~OutputSink();
    OutputSink(const OutputSink &) = delete;
    OutputSink &operator=(const OutputSink &) = delete;

    // Each returns false with a one-line reason. With a link path the pty is
    // also reachable under that name, as a USB adapter keeps its name when it
    // is plugged in again; the link goes when the sink does.
    bool openPty(QString *error, const QString &linkPath = QString());
    bool openDevice(const QString &path, QString *error);
    bool openFile(const QString &path, QString *error); // "-": standard output

    bool isPty() const { return pty; }
    QString ptyPath() const { return slavePath; } // what a reader opens

    // Until a reader has opened the pty.
    void waitForReader() const;
    bool hasReader() const;

    // The pty goes away as when the adapter is pulled out: first the reader
    // takes what was sent (briefly waited for, as bytes already on the wire
    // would still arrive), then the link is removed and the pty closed, so
    // its reader hangs up.
    void unplug();
    // A new pty, under the same link.
    bool replug(QString *error);

    bool write(const char *data, int length, QString *error);

    // Waits until a serial device has sent what it was given.
    void drain();

private:
    void close();

    int fd = -1;
    bool ownsFd = false;
    bool pty = false;
    bool device = false;
    QString slavePath;
    QString linkPath;
};

#endif
