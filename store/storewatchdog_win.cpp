// SPDX-License-Identifier: MIT
#include "storewatchdogplatform.h"

// Before windows.h, which would otherwise bring the older winsock.h.
#include <winsock2.h>

#include <windows.h>

std::intptr_t StoreSocket::of(const void *connection)
{
    // Looked up, not loaded: the driver holds it for as long as the connection.
    const HMODULE library = GetModuleHandleW(L"libpq.dll");
    const auto pqSocket = library ? reinterpret_cast<int (*)(const void *)>(
                              reinterpret_cast<void *>(GetProcAddress(library, "PQsocket")))
                                  : nullptr;
    // libpq hands out the SOCKET as an int, -1 for none.
    const int socket = pqSocket ? pqSocket(connection) : -1;
    return socket < 0 ? none : std::intptr_t(socket);
}

// A shutdown() does not wake a select() that waits on the socket here: only
// closing it does. libpq closes it again when the connection is finished,
// which fails harmlessly, right after, on the same thread; another socket made
// in that moment elsewhere in the program could be given the same handle.
void StoreSocket::cut(std::intptr_t socket)
{
    ::closesocket(SOCKET(socket));
}
