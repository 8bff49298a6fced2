// SPDX-License-Identifier: MIT
#include "displayscaling.h"

#include <QCoreApplication>
#include <QDebug>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace {
// What the menu bar and the status line of a large desktop font add to the
// window's design height.
constexpr int barsAllowance = 8;
} // namespace

double fittingScale(const DisplayFacts &display, QSize window)
{
    if (display.available.isEmpty() || window.isEmpty() || display.scale <= 1.0)
        return display.scale;
    // The frame is the system's: it keeps its size whatever Lumetra's scale.
    const QSize room = display.available.size()
        - QSize(display.frame.left() + display.frame.right(),
            display.frame.top() + display.frame.bottom());
    const double across = double(room.width()) / window.width();
    const double down = double(room.height()) / (window.height() + barsAllowance);
    // In hundredths, so that a window that just fits is not lost to rounding.
    const double fitting = std::floor(std::min(across, down) * 100.0) / 100.0;
    return std::clamp(fitting, 1.0, display.scale);
}

DisplayScaling::DisplayScaling(QSize window)
    : display(measureDisplay())
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    // Qt's default rounds 1.25 down to 1 and 1.5 up to 2.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    if (display.dpiForQt > 0)
        tellQt("QT_FONT_DPI", QByteArray::number(display.dpiForQt));
    scale = fittingScale(display, window);
    if (scale < display.scale) {
        const double asked = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
            ? qgetenv("QT_SCALE_FACTOR").toDouble()
            : 1.0;
        tellQt("QT_SCALE_FACTOR",
            QByteArray::number((asked > 0 ? asked : 1.0) * scale / display.scale));
    }
    QDebug facts = qDebug().nospace().noquote();
    facts << "Display " << display.screen << ", available " << display.available << ", scaling "
          << display.scale << ", window at " << scale;
    if (!display.awareness.isEmpty())
        facts << ", DPI awareness " << display.awareness;
}

void DisplayScaling::place(QWidget &window) const
{
    const QScreen *screen = window.screen();
    if (display.screen.isEmpty() || !screen)
        return;
    const QRect room = screen->availableGeometry() - display.frame / screen->devicePixelRatio();
    const QRect client = window.geometry();
    const auto within = [](int at, int size, int first, int last) {
        return std::max(first, std::min(at, last + 1 - size));
    };
    const QPoint at(within(client.left(), client.width(), room.left(), room.right()),
        within(client.top(), client.height(), room.top(), room.bottom()));
    if (at != client.topLeft())
        window.setGeometry(QRect(at, client.size()));
}

void DisplayScaling::tellQt(const char *variable, const QByteArray &value)
{
    std::optional<QByteArray> before;
    if (qEnvironmentVariableIsSet(variable))
        before = qgetenv(variable);
    untold.emplace_back(variable, before);
    qputenv(variable, value);
}

void DisplayScaling::applicationMade()
{
    for (const auto &[variable, before] : untold) {
        if (before)
            qputenv(variable, *before);
        else
            qunsetenv(variable);
    }
    untold.clear();
}
