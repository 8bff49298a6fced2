// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDTEXTS_H
#define LUMETRA_RECORDTEXTS_H

#include "channelrowtext.h"

#include <QString>
#include <cstdint>
#include <optional>

struct TestRecord;

// Display texts of a record. Pure functions: the record list, the report
// window, the archive dump and the command-line tools all show the same texts.

int wavelengthNm(uint8_t wavelengthCode);
QString polarityDisplayName(uint8_t polarityCode);
double thresholdDb(const TestRecord &record);

ChannelRowText formatChannelRow(float powerDbm, float referenceDbm, float thresholdDb,
    uint8_t headerByte5, uint8_t polarityCode, uint8_t headerByte8);

QString recordNumberText(uint16_t recordNumber);
QString thresholdText(double thresholdDb);

// The loss a fiber row shows, as a number; none where it shows "---".
std::optional<float> shownLossDb(
    float powerDbm, float referenceDbm, uint8_t headerByte5, uint8_t headerByte8);

// How far the shown loss stays below the threshold (threshold - loss). Only a
// fiber with a reading, a loss and a verdict has one: none where its power,
// loss or verdict shows "---".
std::optional<float> marginDb(float powerDbm, float referenceDbm, float thresholdDb,
    uint8_t headerByte5, uint8_t polarityCode, uint8_t headerByte8);
// The margin with two decimals, as the loss is written; "---" where there is none.
QString marginText(float powerDbm, float referenceDbm, float thresholdDb, uint8_t headerByte5,
    uint8_t polarityCode, uint8_t headerByte8);

#endif
