// SPDX-License-Identifier: MIT
#ifndef LUMETRA_PROGRESSINDICATOR_H
#define LUMETRA_PROGRESSINDICATOR_H

// What the user sees of a long task while it runs, with a way to stop it.
class ProgressIndicator
{
public:
    virtual ~ProgressIndicator() = default;

    // done of total so far; false once the user has cancelled.
    virtual bool step(int done, int total) = 0;
};

#endif
