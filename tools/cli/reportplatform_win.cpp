// SPDX-License-Identifier: MIT
#include "reportplatform.h"

// The windows plugin, the only one installed, has the fonts and needs no window.
void chooseReportPlatform() { }
