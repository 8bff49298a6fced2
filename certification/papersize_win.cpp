// SPDX-License-Identifier: MIT
#include "papersize.h"

// The region chosen in the system settings.
QPageSize::PageSizeId systemPaperSize()
{
    return paperSizeFor(QLocale::system());
}
