// SPDX-License-Identifier: MIT
#ifndef LUMETRA_PROGRESSSTEP_H
#define LUMETRA_PROGRESSSTEP_H

#include <functional>

// Long work reports each step through one of these: done of total so far. It
// returns false once the user wants the work to stop.
using ProgressStep = std::function<bool(int done, int total)>;

// How a long write ended. A write that did not finish leaves no file behind.
enum class WriteOutcome {
    Written,
    Cancelled,
    Failed,
};

#endif
