// SPDX-License-Identifier: MIT
#include "screeninfo.h"

#include <windows.h>

const bool screenMeasurementNeedsApplication = false;

namespace {
using RtlGetVersionFunction = LONG(WINAPI *)(PRTL_OSVERSIONINFOW);

// The size field of RTL_OSVERSIONINFOEXW, as the function expects it.
constexpr ULONG extendedVersionInfoSize = 284;

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
