// SPDX-License-Identifier: MIT
#include "standardoutput.h"

void useBinaryStandardOutput() { }
