// SPDX-License-Identifier: MIT
#include "screeninfo.h"

#include <QGuiApplication>
#include <QScreen>

// Qt only knows the screens once the application object has connected to the display.
const bool screenMeasurementNeedsApplication = true;

double windowsMajorVersion()
{
    return 0.0;
}

QRect measurePrimaryScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QRect();
    return QRect(QPoint(0, 0), screen->geometry().size());
}

QVector<QRect> enumerateMonitors()
{
    QVector<QRect> monitors;
    for (const QScreen *screen : QGuiApplication::screens())
        monitors.append(screen->geometry());
    return monitors;
}
