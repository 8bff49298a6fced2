// SPDX-License-Identifier: MIT
// The Windows serial device, cross-built and run under wine by run-wine-test.sh.
// COM4 to COM9 and COM12 are pseudo-terminals whose other side answers the
// commands of winedriver.cpp. Qt is not available for this build: plain checks.
#include "cerrcapture.h"
#include "iodevice.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>
#include <windows.h>

namespace {

int failures = 0;

#define CHECK(condition) check(bool(condition), #condition, __LINE__)
#define CHECK_EQUAL(actual, expected) checkEqual((actual), (expected), #actual, __LINE__)

void check(bool passed, const char *what, int line)
{
    if (!passed) {
        std::printf("FAIL line %d: %s\n", line, what);
        ++failures;
    }
}

template<typename A, typename B>
void checkEqual(const A &actual, const B &expected, const char *what, int line)
{
    if (!(actual == expected)) {
        std::printf("FAIL line %d: %s\n", line, what);
        ++failures;
    }
}

const wchar_t SerialComm[] = L"HARDWARE\\DEVICEMAP\\SERIALCOMM";
using RegistryValues = std::vector<std::pair<std::wstring, std::wstring>>;

RegistryValues readSerialComm()
{
    RegistryValues values;
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, SerialComm, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return values;
    for (DWORD index = 0;; ++index) {
        WCHAR name[256], data[256];
        DWORD nameLength = 256, dataSize = sizeof data;
        const LONG result = RegEnumValueW(key, index, name, &nameLength, nullptr, nullptr,
            reinterpret_cast<BYTE *>(data), &dataSize);
        if (result != ERROR_SUCCESS)
            break;
        values.emplace_back(name, std::wstring(data, dataSize / sizeof(WCHAR)).c_str());
    }
    RegCloseKey(key);
    return values;
}

// Replaces the port list with values, in this order; deletes the key for none at all.
void writeSerialComm(const RegistryValues *values)
{
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, SerialComm);
    if (!values)
        return;
    HKEY key;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, SerialComm, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
        nullptr, &key, nullptr);
    for (const auto &[name, data] : *values)
        RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(data.c_str()),
            DWORD((data.size() + 1) * sizeof(WCHAR)));
    RegCloseKey(key);
}

std::vector<int> listed(const IoDevice &device)
{
    return std::vector<int>(device.portNumbers, device.portNumbers + device.portCount);
}

int indexOf(const IoDevice &device, int portNumber)
{
    for (int i = 0; i < device.portCount; ++i)
        if (device.portNumbers[i] == portNumber)
            return i;
    return -1;
}

std::string pattern(int count, int seed)
{
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += char((i * 7 + seed) & 0xFF);
    return bytes;
}

bool ask(IoDevice &device, int port, const std::string &command)
{
    return device.write(
               port, reinterpret_cast<const unsigned char *>(command.data()), int(command.size()))
        == 1;
}

// Reads once; the bytes, or "buffer not cleared" when the rest was not zeroed.
std::string readOnce(IoDevice &device, int port, int length, long long *milliseconds = nullptr)
{
    std::vector<unsigned char> buffer(size_t(length), 0xAA);
    const auto start = std::chrono::steady_clock::now();
    const int count = device.read(port, buffer.data(), length);
    if (milliseconds)
        *milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start)
                            .count();
    for (int i = count; i < length; ++i)
        if (buffer[size_t(i)] != 0)
            return "buffer not cleared";
    // std::max also fails to build should windows.h bring its min/max macros along.
    return std::string(buffer.begin(), buffer.begin() + std::max(count, 0));
}

void listsRegistryPorts()
{
    IoDevice device;
    CHECK_EQUAL(device.listPorts(), 0);
    for (int port : { 4, 5, 6, 7, 8, 9, 12 })
        CHECK(indexOf(device, port) >= 0);
    CHECK_EQUAL(device.portDisplayName(indexOf(device, 12)), std::string("12"));
    CHECK_EQUAL(device.portDisplayName(device.portCount), std::string());

    const RegistryValues mapped = readSerialComm();
    // Values are listed in name order.
    const RegistryValues threeAndTwelve { { L"\\Device\\SerialA", L"COM3" },
        { L"\\Device\\SerialB", L"COM12" } };
    writeSerialComm(&threeAndTwelve);
    CHECK_EQUAL(device.listPorts(), 0);
    CHECK((listed(device) == std::vector<int> { 3, 12 }));

    const RegistryValues skipped {
        { L"\\Device\\SerialA", L"COM3" },
        { L"\\Device\\SerialB-with-a-long-name", L"COM4" }, // name over 25 characters
        { L"\\Device\\SerialC", L"COM5-with-a-long-name" }, // data over 25 bytes
        { L"\\Device\\SerialD", L"COM12" },
    };
    writeSerialComm(&skipped);
    CHECK_EQUAL(device.listPorts(), 0);
    CHECK((listed(device) == std::vector<int> { 3, 12 }));

    RegistryValues twelve;
    for (int port = 10; port < 22; ++port)
        twelve.emplace_back(
            L"\\Device\\Serial" + std::to_wstring(port), L"COM" + std::to_wstring(port));
    writeSerialComm(&twelve);
    CHECK_EQUAL(device.listPorts(), 0);
    CHECK((listed(device) == std::vector<int> { 10, 11, 12, 13, 14, 15, 16, 17, 18 }));

    writeSerialComm(nullptr);
    CHECK_EQUAL(device.enumeratePorts(), -1);
    CHECK_EQUAL(device.listPorts(), 1);
    CHECK_EQUAL(device.portCount, 9); // the previous list stays

    const RegistryValues none;
    writeSerialComm(&none);
    CHECK_EQUAL(device.enumeratePorts(), 0);
    CHECK_EQUAL(device.listPorts(), 1);
    CHECK_EQUAL(device.portCount, 0);

    writeSerialComm(&mapped);
    CHECK_EQUAL(device.listPorts(), 0);
}

void opensAtMeterSettings()
{
    IoDevice device;
    CerrCapture diagnostics;
    device.listPorts();
    device.selectedPortIndex = indexOf(device, 12);
    CHECK_EQUAL(device.openSelectedPort(), 0);
    CHECK_EQUAL(device.currentPort.load(), 12);
    const DCB configured = device.workingConfiguration();
    CHECK_EQUAL(configured.BaudRate, DWORD(109375));
    CHECK_EQUAL(configured.ByteSize, 8);
    CHECK_EQUAL(configured.Parity, NOPARITY);
    CHECK_EQUAL(configured.StopBits, ONESTOPBIT);
    CHECK_EQUAL(configured.fBinary, 1u);
    COMMTIMEOUTS timeouts {};
    CHECK(GetCommTimeouts(device.handleOf(12), &timeouts));
    CHECK_EQUAL(timeouts.ReadIntervalTimeout, DWORD(3));
    CHECK_EQUAL(timeouts.ReadTotalTimeoutMultiplier, DWORD(3));
    CHECK_EQUAL(timeouts.ReadTotalTimeoutConstant, DWORD(2));
    CHECK_EQUAL(timeouts.WriteTotalTimeoutMultiplier, DWORD(3));
    CHECK_EQUAL(timeouts.WriteTotalTimeoutConstant, DWORD(2));

    CHECK(ask(device, 12, "Eecho\r\n"));
    CHECK_EQUAL(readOnce(device, 12, 255), std::string("echo\r"));
    CHECK_EQUAL(device.flush(12), 0);
    CHECK_EQUAL(diagnostics.text(), std::string());
}

void keepsSlots()
{
    IoDevice device;
    CerrCapture diagnostics;
    device.listPorts();
    for (int port : { 5, 6, 7, 8, 9 }) {
        device.selectedPortIndex = indexOf(device, port);
        CHECK_EQUAL(device.openSelectedPort(), 0);
        CHECK_EQUAL(device.currentPort.load(), port);
    }
    CHECK_EQUAL(device.openPortNumber(5, 9600), -1); // already open

    device.selectedPortIndex = indexOf(device, 12);
    CHECK_EQUAL(device.openSelectedPort(), 1); // sixth port: opened, not kept
    CHECK_EQUAL(device.currentPort.load(), -1);
    CHECK(device.handleOf(12) == nullptr);
    CHECK_EQUAL(device.closePortNumber(7), 0);
    CHECK_EQUAL(device.openSelectedPort(), 0);
    CHECK_EQUAL(device.currentPort.load(), 12);
    CHECK_EQUAL(device.closePort(), 0);
    CHECK_EQUAL(device.closePort(), 1);
    CHECK_EQUAL(device.closePortNumber(42), 1);
    CHECK(device.handleOf(-1) == nullptr);
    CHECK_EQUAL(diagnostics.text(), std::string());

    CHECK_EQUAL(device.openPortNumber(33, 9600), -1);
    CHECK_EQUAL(diagnostics.text(),
        std::string("Port 33 ;Baudrate 109375 : Get configuration port has problem.\n"));
}

void readsWithTimeouts()
{
    IoDevice device;
    CerrCapture diagnostics;
    CHECK_EQUAL(device.openPortNumber(5, 109375), 5);
    long long elapsed = 0;

    CHECK(ask(device, 5, "S300 0 0\n"));
    CHECK_EQUAL(readOnce(device, 5, 255, &elapsed), pattern(300, 0).substr(0, 255));
    CHECK_EQUAL(readOnce(device, 5, 255), pattern(300, 0).substr(255));

    CHECK(ask(device, 5, "S10 300 20\n"));
    CHECK_EQUAL(readOnce(device, 5, 255, &elapsed), pattern(10, 0));
    CHECK(elapsed < 250);
    CHECK_EQUAL(readOnce(device, 5, 255), pattern(20, 1));

    CHECK_EQUAL(readOnce(device, 5, 255, &elapsed), std::string());
    CHECK(elapsed >= 760 && elapsed < 2000);
    CHECK_EQUAL(diagnostics.text(), std::string());

    unsigned char buffer[4] = { 1, 2, 3, 4 };
    CHECK_EQUAL(device.read(40, buffer, 4), 0);
    CHECK_EQUAL(buffer[0] | buffer[3], 0);
    CHECK_EQUAL(device.write(40, buffer, 4), 0);
    CHECK_EQUAL(device.flush(40), 1);
    CHECK_EQUAL(diagnostics.text(),
        std::string("Reading of serial communication has problem.\n"
                    "Port 40 : Writing of serial communication has problem.\n"
                    "Port Flushing isn't successed.\n"));

    // Wine passes a hung-up pseudo-terminal off as a quiet time-out.
    CHECK(ask(device, 5, "H100\n"));
    CHECK_EQUAL(readOnce(device, 5, 255), std::string());
    CHECK_EQUAL(readOnce(device, 5, 255), std::string());
    CHECK_EQUAL(device.closePortNumber(5), 0);
}

void opensDefaultPort()
{
    IoDevice device;
    CerrCapture diagnostics;
    CHECK_EQUAL(device.openDefaultPort(), 1);
    CHECK_EQUAL(device.workingConfiguration().BaudRate, DWORD(9600));
    CHECK_EQUAL(device.openDefaultPort(), 0);
    CHECK_EQUAL(device.closeDefaultPort(), 1);
    CHECK_EQUAL(device.closeDefaultPort(), 0);
    CHECK_EQUAL(device.reservedOperation(), 0);
    CHECK_EQUAL(diagnostics.text(), std::string());
}

// Wine's device manager fills the port list after a fresh server starts, in
// parallel with the first program: a test that lists at once may find it empty.
bool waitForMappedPorts()
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (;;) {
        const RegistryValues values = readSerialComm();
        if (std::any_of(values.cbegin(), values.cend(),
                [](const auto &value) { return value.second == L"COM12"; }))
            return true;
        if (std::chrono::steady_clock::now() > deadline) {
            std::printf("wine did not list COM12 in 30 s; the port list holds:\n");
            for (const auto &[name, data] : values)
                std::printf("  %ls = %ls\n", name.c_str(), data.c_str());
            return false;
        }
        Sleep(100);
    }
}

} // namespace

int main()
{
    if (!waitForMappedPorts())
        return 1;
    const std::pair<const char *, void (*)()> cases[] = {
        { "listsRegistryPorts", listsRegistryPorts },
        { "opensAtMeterSettings", opensAtMeterSettings },
        { "keepsSlots", keepsSlots },
        { "readsWithTimeouts", readsWithTimeouts },
        { "opensDefaultPort", opensDefaultPort },
    };
    int failedCases = 0;
    for (const auto &[name, run] : cases) {
        const int before = failures;
        run();
        failedCases += failures == before ? 0 : 1;
        std::printf("%s %s\n", failures == before ? "PASS" : "FAIL", name);
    }
    std::printf("%d passed, %d failed\n", int(std::size(cases)) - failedCases, failedCases);
    return failures == 0 ? 0 : 1;
}
