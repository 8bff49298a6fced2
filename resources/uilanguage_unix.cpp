// SPDX-License-Identifier: MIT
#include "uilanguage.h"

#include <QLibraryInfo>

// The distribution's, beside its Qt (Debian's qttranslations5-l10n).
QString qtTranslationsFolder()
{
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
}
