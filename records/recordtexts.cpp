// SPDX-License-Identifier: MIT
#include "recordtexts.h"

#include "testrecord.h"

#include <cmath>

namespace {

const QString noValue = QStringLiteral("---");

bool isMissingReading(float power)
{
    return power == 100.0f || power == -100.0f;
}

QString numberText(float value)
{
    return QStringLiteral("%1").arg(double(value), 5, 'f', 2, QLatin1Char(' '));
}

QString lossText(float loss, uint8_t headerByte5, uint8_t headerByte8)
{
    if (headerByte5 == 0 || headerByte8 == 0)
        return noValue;
    if (loss == -100.0f || loss >= 100.0f)
        return noValue;
    // The meter's own noise: a slight gain reads as no loss at all.
    if (loss < 0.0f && double(loss) > -0.1)
        return numberText(0.0f);
    return numberText(loss);
}

QString verdictText(float power, float loss, float threshold, uint8_t headerByte5,
    uint8_t polarityCode, uint8_t headerByte8)
{
    if (threshold == 0.0f || headerByte8 == 0 || headerByte5 == 0)
        return noValue;
    if (power == 100.0f && polarityCode == 3)
        return noValue;
    return loss >= threshold ? QStringLiteral("FAIL") : QStringLiteral("PASS");
}

} // namespace

int wavelengthNm(uint8_t wavelengthCode)
{
    switch (wavelengthCode) {
    case 0:
        return 850;
    case 1:
        return 1310;
    case 2:
        return 1300;
    case 3:
        return 1550;
    default:
        return 0;
    }
}

QString polarityDisplayName(uint8_t polarityCode)
{
    switch (polarityCode) {
    case 0:
        return QStringLiteral(" A ");
    case 1:
        return QStringLiteral(" B ");
    case 2:
        return QStringLiteral(" C ");
    case 3:
        return QStringLiteral("40G");
    case 4:
        return QStringLiteral("---");
    default:
        return QString(QLatin1String(""));
    }
}

double thresholdDb(const TestRecord &record)
{
    return record.thresholdCentiDb / 100.0;
}

ChannelRowText formatChannelRow(float powerDbm, float referenceDbm, float thresholdDb,
    uint8_t headerByte5, uint8_t polarityCode, uint8_t headerByte8)
{
    ChannelRowText row;
    const bool powerFinite = std::isfinite(powerDbm);
    // Only a garbled frame carries these; never show them as a number or a pass.
    const bool bothFinite = powerFinite && std::isfinite(referenceDbm);
    const float loss = referenceDbm - powerDbm;

    row.powerText = (!powerFinite || isMissingReading(powerDbm)) ? noValue : numberText(powerDbm);
    row.lossText = bothFinite ? lossText(loss, headerByte5, headerByte8) : noValue;
    row.verdictText = bothFinite
        ? verdictText(powerDbm, loss, thresholdDb, headerByte5, polarityCode, headerByte8)
        : noValue;
    return row;
}

QString recordNumberText(uint16_t recordNumber)
{
    return QStringLiteral("%1").arg(recordNumber, 3, 10, QLatin1Char('0'));
}

QString thresholdText(double thresholdDb)
{
    return QString::number(thresholdDb, 'g', 6);
}
