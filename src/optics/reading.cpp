// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/reading.h"

#include "optics/units.h"
#include "platform/numberformat.h"

#include <QtGlobal>
#include <array>
#include <cmath>

namespace vistaro {

namespace {

// By Quantity.
constexpr std::array<QuantityTraits, 13> Traits{{
    {Measure::Millimetres, 0.001, 10'000,
     QT_TRANSLATE_NOOP("CoverageText", "The calculator's focal length")},
    {Measure::CalculatorMetres, 0.001, 100'000,
     QT_TRANSLATE_NOOP("CoverageText", "The calculator's distance")},
    {Measure::Millimetres, 0.001, 100, QT_TRANSLATE_NOOP("CoverageText", "The sensor width")},
    {Measure::Millimetres, 0.001, 100, QT_TRANSLATE_NOOP("CoverageText", "The sensor height")},
    {Measure::Micrometres, 0.001, 100, QT_TRANSLATE_NOOP("CoverageText", "The pixel size")},
    {Measure::Count, 0, 100'000, QT_TRANSLATE_NOOP("CoverageText", "The number of columns")},
    {Measure::Count, 0, 100'000, QT_TRANSLATE_NOOP("CoverageText", "The number of rows")},
    {Measure::Metres, 0, 1'000, QT_TRANSLATE_NOOP("CoverageText", "The mounting height")},
    {Measure::Metres, 0, 100, QT_TRANSLATE_NOOP("CoverageText", "The target height")},
    {Measure::Degrees, -90, 90, QT_TRANSLATE_NOOP("CoverageText", "The tilt angle")},
    {Measure::Degrees, 0, 360, QT_TRANSLATE_NOOP("CoverageText", "The datasheet's angle")},
    {Measure::Number, 0.5, 64, QT_TRANSLATE_NOOP("CoverageText", "The F-number")},
    {Measure::Number, 0, 100, QT_TRANSLATE_NOOP("CoverageText", "The circle of confusion")},
}};
static_assert(Traits.size() == static_cast<std::size_t>(Quantity::Confusion) + 1);

bool isLength(Quantity quantity) {
    const Measure measure = traitsOf(quantity).measure;
    return measure == Measure::Metres || measure == Measure::CalculatorMetres;
}

} // namespace

const QuantityTraits& traitsOf(Quantity quantity) {
    return Traits.at(static_cast<std::size_t>(quantity));
}

Reading checked(double value, Quantity quantity) {
    Reading reading{std::nullopt, {quantity, Fault::NotNumber}};
    if (std::isnan(value))
        return reading;
    if (quantity == Quantity::Tilt) {
        if (value > smallestOf(quantity) && value < largestOf(quantity))
            reading.value = value;
        else
            reading.problem.fault = Fault::OutOfRange;
        return reading;
    }
    if (value <= 0)
        reading.problem.fault = Fault::NotPositive;
    else if (value < smallestOf(quantity))
        reading.problem.fault = Fault::TooSmall;
    else if (value > largestOf(quantity))
        reading.problem.fault = Fault::TooLarge;
    else
        reading.value = value;
    return reading;
}

Reading readNumber(const QString& text, Quantity quantity, Units units) {
    const std::optional<double> number = num::toDouble(text.trimmed());
    if (!number || (traitsOf(quantity).measure == Measure::Count && *number != std::floor(*number)))
        return {std::nullopt, {quantity, Fault::NotNumber}};
    return checked(isLength(quantity) ? fromUnits(*number, units) : *number, quantity);
}

} // namespace vistaro
