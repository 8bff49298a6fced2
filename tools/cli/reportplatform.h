// SPDX-License-Identifier: MIT
#ifndef LUMETRA_REPORTPLATFORM_H
#define LUMETRA_REPORTPLATFORM_H

// Drawing a report needs the GUI's fonts but no display: picks the platform
// plugin that gives them here. Call before the application object is made.
void chooseReportPlatform();

#endif
