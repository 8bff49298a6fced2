// SPDX-License-Identifier: MIT
#include "storewatchdogplatform.h"

#include <dlfcn.h>
#include <sys/socket.h>

std::intptr_t StoreSocket::of(const void *connection)
{
    void *library = dlopen("libpq.so.5", RTLD_NOW | RTLD_NOLOAD);
    const auto pqSocket
        = library ? reinterpret_cast<int (*)(const void *)>(dlsym(library, "PQsocket")) : nullptr;
    const int socket = pqSocket ? pqSocket(connection) : -1;
    if (library)
        dlclose(library); // the driver keeps it loaded
    return socket < 0 ? none : socket;
}

// The socket stays open until the connection is closed, so its number cannot
// be another's yet.
void StoreSocket::cut(std::intptr_t socket)
{
    ::shutdown(int(socket), SHUT_RDWR);
}
