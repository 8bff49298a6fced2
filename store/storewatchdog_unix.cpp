// SPDX-License-Identifier: MIT
#include "storewatchdogplatform.h"

#include <QSqlDriver>
#include <QVariant>
#include <dlfcn.h>
#include <sys/socket.h>

std::intptr_t StoreSocket::of(const QSqlDatabase &database)
{
    if (!database.isOpen() || !database.driver())
        return none;
    const QVariant handle = database.driver()->handle();
    if (qstrcmp(handle.typeName(), "PGconn*") != 0)
        return none;
    const void *connection = *static_cast<const void *const *>(handle.constData());
    void *library = dlopen("libpq.so.5", RTLD_NOW | RTLD_NOLOAD);
    const auto pqSocket
        = library ? reinterpret_cast<int (*)(const void *)>(dlsym(library, "PQsocket")) : nullptr;
    const int socket = pqSocket && connection ? pqSocket(connection) : -1;
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
