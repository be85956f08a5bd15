// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/reading.h"

#include "platform/numberformat.h"

#include <cmath>

namespace vistaro {

namespace {

bool isLength(Quantity quantity) {
    return quantity == Quantity::Distance || quantity == Quantity::MountHeight ||
           quantity == Quantity::TargetHeight;
}

bool isCount(Quantity quantity) {
    return quantity == Quantity::Columns || quantity == Quantity::Rows;
}

} // namespace

double largestOf(Quantity quantity) {
    switch (quantity) {
    case Quantity::Focal:
        return 10'000;
    case Quantity::Distance:
        return 100'000;
    case Quantity::SensorWidth:
    case Quantity::SensorHeight:
        return 100;
    case Quantity::PixelSize:
        return 100;
    case Quantity::Columns:
    case Quantity::Rows:
        return 100'000;
    case Quantity::MountHeight:
        return 1'000;
    case Quantity::TargetHeight:
        return 100;
    case Quantity::Tilt:
        return 90;
    }
    return 0;
}

double smallestOf(Quantity quantity) {
    switch (quantity) {
    case Quantity::Focal:
    case Quantity::SensorWidth:
    case Quantity::SensorHeight:
    case Quantity::PixelSize:
    case Quantity::Distance:
        return 0.001;
    case Quantity::Columns:
    case Quantity::Rows:
    case Quantity::MountHeight:
    case Quantity::TargetHeight:
        return 0;
    case Quantity::Tilt:
        return -90;
    }
    return 0;
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
    if (!number || (isCount(quantity) && *number != std::floor(*number)))
        return {std::nullopt, {quantity, Fault::NotNumber}};
    const bool feet = units == Units::Imperial && isLength(quantity);
    return checked(feet ? *number * MetresPerFoot : *number, quantity);
}

} // namespace vistaro
