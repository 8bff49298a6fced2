// SPDX-License-Identifier: MIT
#ifndef LUMETRA_STOREWATCHDOGPLATFORM_H
#define LUMETRA_STOREWATCHDOGPLATFORM_H

#include <cstdint>

// The socket under a PostgreSQL connection: one implementation per operating
// system, picked by the build.
namespace StoreSocket {
constexpr std::intptr_t none = -1;
// The socket of libpq's connection, from the libpq that Qt's driver loaded
// (a program that never uses a server needs no libpq); none otherwise.
std::intptr_t of(const void *connection);
// Wakes libpq from its wait at once: the work fails as if the server had gone.
void cut(std::intptr_t socket);
} // namespace StoreSocket

#endif
