// SPDX-License-Identifier: MIT
#include "uilanguage.h"

#include <QCoreApplication>

// Shipped beside the programs.
QString qtTranslationsFolder()
{
    return QCoreApplication::applicationDirPath();
}
