// SPDX-License-Identifier: MIT
#include "lumetraimages.h"

#include <QtGlobal>

void registerLumetraImages()
{
    Q_INIT_RESOURCE(lumetra_images);
}
