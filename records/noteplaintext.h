// SPDX-License-Identifier: MIT
#ifndef LUMETRA_NOTEPLAINTEXT_H
#define LUMETRA_NOTEPLAINTEXT_H

#include <QString>

// The note as the technician reads it on screen: one line per paragraph and
// per line break, spaces as typed, no markup. Reads the HTML the report
// window's note field writes, without needing a GUI.
QString notePlainText(const QString &html);

#endif
