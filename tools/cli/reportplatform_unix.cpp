// SPDX-License-Identifier: MIT
#include "reportplatform.h"

#include <QByteArray>
#include <QtGlobal>

// Fonts through fontconfig, whether or not a display is there. A platform the
// user chose stays chosen.
void chooseReportPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
}
