// SPDX-License-Identifier: MIT
#include "joblogo.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

bool JobLogo::read(const QString &path, QByteArray *bytes, QString *format, QString *why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = tr("%1 cannot be read: %2").arg(path, file.errorString());
        return false;
    }
    if (file.size() > maxBytes) {
        *why = tr("%1 is larger than 1 MB: choose a smaller logo.").arg(path);
        return false;
    }
    *bytes = file.read(maxBytes + 1);
    QString problem;
    if (bytes->size() > maxBytes || image(*bytes, format, &problem).isNull()) {
        *why = bytes->size() > maxBytes
            ? tr("%1 is larger than 1 MB: choose a smaller logo.").arg(path)
            : QStringLiteral("%1: %2").arg(path, problem);
        bytes->clear();
        return false;
    }
    return true;
}

QImage JobLogo::image(const QByteArray &bytes, QString *format, QString *why)
{
    QString problem;
    QImage decoded;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QByteArray kind = reader.format();
    const QSize size = reader.size();
    if (bytes.size() > maxBytes)
        problem = tr("the logo is larger than 1 MB");
    else if (kind != "png" && kind != "jpeg")
        problem = tr("this is not a PNG or JPEG picture");
    else if (!size.isValid() || size.width() > maxSide || size.height() > maxSide)
        problem = tr("the picture is larger than 4096 × 4096 pixels");
    else if (!reader.read(&decoded))
        problem = tr("the picture is damaged: %1").arg(reader.errorString());
    if (why)
        *why = problem;
    if (format)
        *format = problem.isEmpty() ? QString::fromLatin1(kind) : QString();
    return problem.isEmpty() ? decoded : QImage();
}
