// SPDX-License-Identifier: MIT
#include "lumetraimages.h"
#include "mainwindow.h"
#include "screeninfo.h"

#include <QApplication>
#include <QDebug>
#include <QRect>
#include <QVector>
#include <memory>

int main(int argc, char *argv[])
{
    registerLumetraImages();

    std::unique_ptr<QApplication> app;
    if (screenMeasurementNeedsApplication)
        app = std::make_unique<QApplication>(argc, argv);

    const QVector<QRect> monitors = enumerateMonitors();
    qDebug() << "You have " << static_cast<unsigned>(monitors.size()) << " monitors connected.";
    const QRect referenceScreen = measurePrimaryScreen();
    qDebug() << referenceScreen;

    if (!app)
        app = std::make_unique<QApplication>(argc, argv);

    auto window = std::make_unique<MainWindow>(nullptr, Qt::WindowFlags(), referenceScreen);
    window->show();
    const int result = app->exec();
    window.reset();
    app.reset();
    return result;
}
