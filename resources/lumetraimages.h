// SPDX-License-Identifier: MIT
#ifndef LUMETRA_LUMETRAIMAGES_H
#define LUMETRA_LUMETRAIMAGES_H

// Registers the images under ":/images/". The bundle lives in a static library,
// so nothing registers it by itself; call this before anything loads an image.
void registerLumetraImages();

#endif
