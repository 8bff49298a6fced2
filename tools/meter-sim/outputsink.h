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

    // Each returns false with a one-line reason.
    bool openPty(QString *error);
    bool openDevice(const QString &path, QString *error);
    bool openFile(const QString &path, QString *error); // "-": standard output

    bool isPty() const { return pty; }
    QString ptyPath() const { return slavePath; } // what a reader opens

    // Until a reader has opened the pty.
    void waitForReader() const;

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
};

#endif
