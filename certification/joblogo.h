// SPDX-License-Identifier: MIT
#ifndef LUMETRA_JOBLOGO_H
#define LUMETRA_JOBLOGO_H

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QString>

// A contractor's logo as a job keeps it: a PNG or JPEG file's bytes, at most
// 1 MB and 4096 x 4096 pixels. Its size is read from its header before it is
// decoded, so that a small file that claims a huge picture is never unpacked.
class JobLogo
{
    Q_DECLARE_TR_FUNCTIONS(JobLogo)

public:
    static constexpr int maxBytes = 1024 * 1024;
    static constexpr int maxSide = 4096;

    // The file's bytes and "png" or "jpeg"; false with why, translated.
    static bool read(const QString &path, QByteArray *bytes, QString *format, QString *why);
    // The picture of bytes kept as a logo; a null image when they are not one.
    static QImage image(const QByteArray &bytes, QString *format = nullptr, QString *why = nullptr);
};

#endif
