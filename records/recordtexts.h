// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDTEXTS_H
#define LUMETRA_RECORDTEXTS_H

#include "channelrowtext.h"

#include <QString>
#include <cstdint>

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

#endif
