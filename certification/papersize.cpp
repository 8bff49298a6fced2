// SPDX-License-Identifier: MIT
#include "papersize.h"

#include <algorithm>
#include <array>

QPageSize::PageSizeId paperSizeFor(const QLocale &locale)
{
    static constexpr std::array<QLocale::Country, 14> letterCountries = { QLocale::UnitedStates,
        QLocale::Canada, QLocale::Mexico, QLocale::Belize, QLocale::Chile, QLocale::Colombia,
        QLocale::CostaRica, QLocale::Guatemala, QLocale::Nicaragua, QLocale::Panama,
        QLocale::Philippines, QLocale::PuertoRico, QLocale::ElSalvador, QLocale::Venezuela };
    const bool letter
        = std::find(letterCountries.cbegin(), letterCountries.cend(), locale.country())
        != letterCountries.cend();
    return letter ? QPageSize::Letter : QPageSize::A4;
}
