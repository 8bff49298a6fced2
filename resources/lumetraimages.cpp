#include "lumetraimages.h"

#include <QtGlobal>

void registerLumetraImages()
{
    Q_INIT_RESOURCE(lumetra_images);
}
