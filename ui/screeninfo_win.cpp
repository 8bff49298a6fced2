// SPDX-License-Identifier: MIT
#include "screeninfo.h"

#include <utility>
#include <windows.h>

const bool screenMeasurementNeedsApplication = false;

namespace {
using RtlGetVersionFunction = LONG(WINAPI *)(PRTL_OSVERSIONINFOW);

// The size field of RTL_OSVERSIONINFOEXW, as the function expects it.
constexpr ULONG extendedVersionInfoSize = 284;

using ThreadDpiAwarenessFunction = DPI_AWARENESS_CONTEXT(WINAPI *)();
using SameDpiAwarenessFunction = BOOL(WINAPI *)(DPI_AWARENESS_CONTEXT, DPI_AWARENESS_CONTEXT);

BOOL CALLBACK appendMonitor(HMONITOR, HDC, LPRECT rect, LPARAM data)
{
    auto *monitors = reinterpret_cast<QVector<QRect> *>(data);
    monitors->append(QRect(QPoint(rect->left, rect->top), QPoint(rect->right, rect->bottom)));
    return TRUE;
}
} // namespace

// GetVersionEx reports what the manifest allows; RtlGetVersion tells the truth.
double windowsMajorVersion()
{
    const HMODULE ntdll = GetModuleHandleA("ntdll");
    const auto rtlGetVersion = reinterpret_cast<RtlGetVersionFunction>(
        reinterpret_cast<void *>(GetProcAddress(ntdll, "RtlGetVersion")));
    if (!rtlGetVersion)
        return 0.0;
    RTL_OSVERSIONINFOEXW info {};
    info.dwOSVersionInfoSize = extendedVersionInfoSize;
    rtlGetVersion(reinterpret_cast<PRTL_OSVERSIONINFOW>(&info));
    return static_cast<double>(info.dwMajorVersion);
}

QRect measurePrimaryScreen()
{
    const HDC screen = GetDC(nullptr);
    const int width = GetDeviceCaps(screen, HORZRES);
    const int height = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(nullptr, screen);
    return QRect(0, 0, width, height);
}

QVector<QRect> enumerateMonitors()
{
    QVector<QRect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, appendMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

namespace {
QRect rectOf(const RECT &rect)
{
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}

// What the process runs with, asked through user32 where the system has it
// (Windows 10 1607 and later), and what its manifest declares, as the loader
// read it.
QString dpiAwareness()
{
    const HMODULE user32 = GetModuleHandleA("user32");
    const auto current = reinterpret_cast<ThreadDpiAwarenessFunction>(
        reinterpret_cast<void *>(GetProcAddress(user32, "GetThreadDpiAwarenessContext")));
    const auto same = reinterpret_cast<SameDpiAwarenessFunction>(
        reinterpret_cast<void *>(GetProcAddress(user32, "AreDpiAwarenessContextsEqual")));
    QString running = QStringLiteral("unknown");
    const std::pair<DPI_AWARENESS_CONTEXT, const char *> known[] = {
        { DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, "PerMonitorV2" },
        { DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE, "PerMonitor" },
        { DPI_AWARENESS_CONTEXT_SYSTEM_AWARE, "System" },
        { DPI_AWARENESS_CONTEXT_UNAWARE, "Unaware" },
    };
    for (const auto &[awareness, name] : known)
        if (current && same && same(current(), awareness)) {
            running = QString::fromLatin1(name);
            break;
        }
    wchar_t declared[64] = {};
    SIZE_T length = 0;
    if (!QueryActCtxSettingsW(0, nullptr, L"http://schemas.microsoft.com/SMI/2016/WindowsSettings",
            L"dpiAwareness", declared, ARRAYSIZE(declared), &length))
        return running + QStringLiteral(", none declared");
    return running + QStringLiteral(", declared \"%1\"").arg(QString::fromWCharArray(declared));
}
} // namespace

// In real pixels only when the manifest declares the program DPI-aware:
// otherwise Windows measures a scaled screen smaller than it is.
DisplayFacts measureDisplay()
{
    DisplayFacts facts;
    MONITORINFO monitor {};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromPoint(POINT { 0, 0 }, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
        facts.screen = rectOf(monitor.rcMonitor);
        facts.available = rectOf(monitor.rcWork);
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    if (dpi > 0)
        facts.scale = dpi / 96.0;
    ReleaseDC(nullptr, screen);
    RECT frame {};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    facts.frame = QMargins(-frame.left, -frame.top, frame.right, frame.bottom);
    facts.awareness = dpiAwareness();
    return facts;
}
