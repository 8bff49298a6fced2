// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include <QDebug>
#include <QGuiApplication>
#include <QScreen>

void MainWindow::ScreenChanged(int)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    const QScreen *primary = QGuiApplication::primaryScreen();
    qDebug() << (primary ? primary->geometry() : QRect());
    qDebug() << (primary ? primary->availableGeometry() : QRect());
    qDebug() << screens.indexOf(const_cast<QScreen *>(primary));
    qDebug() << screens.size();
    qDebug() << screens.size();
}
