// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/coverageinputs.h"

#include <QString>
#include <optional>

namespace vistaro {

// The numbers the coverage figures are worked out from.
enum class Quantity {
    Focal,        // mm, from the calculator
    Distance,     // m, from the calculator
    SensorWidth,  // mm
    SensorHeight, // mm
    PixelSize,    // um
    Columns,
    Rows,
    MountHeight,  // m
    TargetHeight, // m
    Tilt          // degrees down from the horizon
};

enum class Fault {
    NotNumber,
    NotPositive,
    TooSmall,
    TooLarge,
    OutOfRange,   // the tilt: straight up or down, or beyond
    SeesNoGround, // the mounting height or the tilt: the view stays above the horizon
};

// Why a figure cannot be worked out; `tele` for the zoom's long end.
struct Problem {
    Quantity quantity = Quantity::Focal;
    Fault fault = Fault::NotNumber;
    bool tele = false;

    bool operator==(const Problem&) const = default;
};

// A number as given: its value in the unit of its quantity (metres for lengths), or the
// problem that stops it.
struct Reading {
    std::optional<double> value;
    Problem problem;
};

inline constexpr double MetresPerFoot = 0.3048;

// The largest value that still makes sense for a quantity, in its unit (metres for lengths): far
// beyond any camera, yet every figure worked out from it stays finite.
double largestOf(Quantity quantity);
// The smallest value likewise, far below any camera: 0 where any positive value works. The tilt
// must lie strictly between its two bounds, straight down and straight up.
double smallestOf(Quantity quantity);

// `value` when it is a positive finite number within what the quantity allows; a tilt lies
// strictly between -90 and 90 degrees instead.
Reading checked(double value, Quantity quantity);

// Text in the regional number format, blanks around it ignored; a length is read in `units`
// and held in metres. Counts must be whole.
Reading readNumber(const QString& text, Quantity quantity, Units units = Units::Metric);

} // namespace vistaro
