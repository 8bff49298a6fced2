// SPDX-License-Identifier: MIT
#ifndef LUMETRA_STANDARDOUTPUT_H
#define LUMETRA_STANDARDOUTPUT_H

// Makes standard output carry exactly the bytes written: Windows would turn
// every line feed into CR LF, which doubles the CR of a CSV field that holds
// a line break. One implementation per operating system.
void useBinaryStandardOutput();

#endif
