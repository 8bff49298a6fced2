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

Verdict verdictOf(float power, float loss, float threshold, uint8_t headerByte5,
    uint8_t polarityCode, uint8_t headerByte8)
{
    if (threshold == 0.0f || headerByte8 == 0 || headerByte5 == 0)
        return Verdict::None;
    if (power == 100.0f && polarityCode == 3)
        return Verdict::None;
    return loss >= threshold ? Verdict::Fail : Verdict::Pass;
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
    const std::optional<float> shown
        = shownLossDb(powerDbm, referenceDbm, headerByte5, headerByte8);

    row.powerText = (!powerFinite || isMissingReading(powerDbm)) ? noValue : numberText(powerDbm);
    row.lossText = shown ? numberText(*shown) : noValue;
    row.verdict = bothFinite
        ? verdictOf(powerDbm, loss, thresholdDb, headerByte5, polarityCode, headerByte8)
        : Verdict::None;
    row.verdictText = verdictText(row.verdict);
    return row;
}

std::optional<float> shownLossDb(
    float powerDbm, float referenceDbm, uint8_t headerByte5, uint8_t headerByte8)
{
    if (!std::isfinite(powerDbm) || !std::isfinite(referenceDbm))
        return std::nullopt;
    if (headerByte5 == 0 || headerByte8 == 0)
        return std::nullopt;
    const float loss = referenceDbm - powerDbm;
    if (loss == -100.0f || loss >= 100.0f)
        return std::nullopt;
    // The meter's own noise: a slight gain reads as no loss at all.
    if (loss < 0.0f && double(loss) > -0.1)
        return 0.0f;
    return loss;
}

std::optional<float> marginDb(float powerDbm, float referenceDbm, float thresholdDb,
    uint8_t headerByte5, uint8_t polarityCode, uint8_t headerByte8)
{
    const std::optional<float> loss = shownLossDb(powerDbm, referenceDbm, headerByte5, headerByte8);
    // Without a reading the loss is worked out from a stand-in power: no margin to speak of.
    if (!loss || isMissingReading(powerDbm)
        || verdictOf(powerDbm, referenceDbm - powerDbm, thresholdDb, headerByte5, polarityCode,
               headerByte8)
            == Verdict::None)
        return std::nullopt;
    return thresholdDb - *loss;
}

QString marginText(float powerDbm, float referenceDbm, float thresholdDb, uint8_t headerByte5,
    uint8_t polarityCode, uint8_t headerByte8)
{
    const std::optional<float> margin
        = marginDb(powerDbm, referenceDbm, thresholdDb, headerByte5, polarityCode, headerByte8);
    return margin ? numberText(*margin) : noValue;
}

QString recordNumberText(uint16_t recordNumber)
{
    return QStringLiteral("%1").arg(recordNumber, 3, 10, QLatin1Char('0'));
}

QString thresholdText(double thresholdDb)
{
    return QString::number(thresholdDb, 'g', 6);
}
