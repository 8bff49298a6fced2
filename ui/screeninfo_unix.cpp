// SPDX-License-Identifier: MIT
#include "screeninfo.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QList>
#include <QScreen>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/randr.h>
#include <xcb/xcb.h>

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

namespace {
// What a window manager's title bar and borders take at 100 %; it tells only
// once the window is shown.
const QMargins windowManagerFrame(1, 30, 1, 1);

template<typename Reply> using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;
template<typename Reply> ReplyPointer<Reply> owned(Reply *reply)
{
    return ReplyPointer<Reply>(reply, &std::free);
}

xcb_atom_t atom(xcb_connection_t *x, const char *name)
{
    const auto reply = owned(xcb_intern_atom_reply(
        x, xcb_intern_atom(x, true, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

QByteArray property(xcb_connection_t *x, xcb_window_t root, const char *name, xcb_atom_t type)
{
    const xcb_atom_t named = atom(x, name);
    if (named == XCB_ATOM_NONE)
        return QByteArray();
    const auto reply = owned(xcb_get_property_reply(
        x, xcb_get_property(x, false, root, named, type, 0, 1 << 16), nullptr));
    if (!reply || reply->type != type)
        return QByteArray();
    // The length is in bytes, whatever the format.
    return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())),
        xcb_get_property_value_length(reply.get()));
}

// The desktop's Xft.dpi resource, which GNOME and KDE set to their scaling.
double desktopDpi(xcb_connection_t *x, xcb_window_t root)
{
    const QList<QByteArray> lines
        = property(x, root, "RESOURCE_MANAGER", XCB_ATOM_STRING).split('\n');
    for (const QByteArray &line : lines)
        if (line.startsWith("Xft.dpi:"))
            return line.mid(8).trimmed().toDouble();
    return 0.0;
}

// The primary monitor, as Qt takes it: the whole screen where RandR has none.
QRect primaryMonitor(xcb_connection_t *x, const xcb_screen_t *screen)
{
    QRect whole(0, 0, screen->width_in_pixels, screen->height_in_pixels);
    const xcb_query_extension_reply_t *randr = xcb_get_extension_data(x, &xcb_randr_id);
    if (!randr || !randr->present)
        return whole;
    const auto monitors = owned(
        xcb_randr_get_monitors_reply(x, xcb_randr_get_monitors(x, screen->root, true), nullptr));
    if (!monitors)
        return whole;
    QRect chosen;
    for (auto it = xcb_randr_get_monitors_monitors_iterator(monitors.get()); it.rem;
         xcb_randr_monitor_info_next(&it))
        if (chosen.isEmpty() || it.data->primary)
            chosen = QRect(it.data->x, it.data->y, it.data->width, it.data->height);
    return chosen.isEmpty() ? whole : chosen;
}

QRect workArea(xcb_connection_t *x, xcb_window_t root)
{
    const QByteArray area = property(x, root, "_NET_WORKAREA", XCB_ATOM_CARDINAL);
    if (area.size() < int(4 * sizeof(uint32_t)))
        return QRect();
    const auto *values = reinterpret_cast<const uint32_t *>(area.constData());
    return QRect(int(values[0]), int(values[1]), int(values[2]), int(values[3]));
}
} // namespace

// On X11 only: Wayland and the offscreen platform keep Qt's own choice.
DisplayFacts measureDisplay()
{
    DisplayFacts facts;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return facts;
    int screenNumber = 0;
    xcb_connection_t *x = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(x)) {
        xcb_disconnect(x);
        return facts;
    }
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(x));
    for (; screens.rem && screenNumber > 0; --screenNumber)
        xcb_screen_next(&screens);
    if (screens.rem) {
        const xcb_screen_t *screen = screens.data;
        facts.screen = primaryMonitor(x, screen);
        const QRect area = workArea(x, screen->root);
        facts.available = area.isValid() ? facts.screen & area : facts.screen;
        // Without either, Qt 5 would guess from the monitor's size in millimetres.
        const int forced = qEnvironmentVariableIntValue("QT_FONT_DPI");
        const double desktop = desktopDpi(x, screen->root);
        const double dpi = forced > 0 ? forced : desktop > 0 ? desktop : 96.0;
        if (forced <= 0 && desktop <= 0)
            facts.dpiForQt = 96;
        facts.scale = dpi / 96.0;
        const QMargins &f = windowManagerFrame;
        facts.frame = QMargins(qRound(f.left() * facts.scale), qRound(f.top() * facts.scale),
            qRound(f.right() * facts.scale), qRound(f.bottom() * facts.scale));
    }
    xcb_disconnect(x);
    return facts;
}
