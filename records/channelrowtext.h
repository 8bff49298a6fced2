// SPDX-License-Identifier: MIT
#ifndef LUMETRA_CHANNELROWTEXT_H
#define LUMETRA_CHANNELROWTEXT_H

#include "verdict.h"

#include <QString>

// The texts of one fiber row as the report shows them.
struct ChannelRowText
{
    QString powerText;
    QString lossText;
    QString verdictText;
    Verdict verdict = Verdict::None; // what verdictText shows
};

#endif
