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
    MountHeight,    // m
    TargetHeight,   // m
    Tilt,           // degrees down from the horizon
    DatasheetAngle, // degrees, the horizontal angle of view a lens's datasheet states
    FNumber,
    Confusion, // the circle of confusion, in pixel pitches
};

enum class Fault {
    NotNumber,
    NotPositive,
    TooSmall,
    TooLarge,
    OutOfRange,       // the tilt: straight up or down, or beyond
    SeesNoGround,     // the mounting height or the tilt: the view stays above the horizon
    BeyondProjection, // the datasheet angle: wider than the lens's projection can show
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

// What a quantity is measured in. The calculator's distance is always in metres; the coverage
// window's own lengths follow its units.
enum class Measure { Millimetres, Micrometres, CalculatorMetres, Metres, Count, Degrees, Number };

// Everything the program knows of a quantity, in one table.
struct QuantityTraits {
    Measure measure;
    // The smallest value that makes sense, far below any camera (0 where any positive value
    // works), and the largest, far beyond any camera, yet every figure worked out from it stays
    // finite. The tilt must lie strictly between its two bounds, straight down and straight up.
    double smallest;
    double largest;
    const char* name; // as a problem line names it, untranslated (context CoverageText)
};
const QuantityTraits& traitsOf(Quantity quantity);

inline double largestOf(Quantity quantity) {
    return traitsOf(quantity).largest;
}
inline double smallestOf(Quantity quantity) {
    return traitsOf(quantity).smallest;
}

// `value` when it is a positive finite number within what the quantity allows; a tilt lies
// strictly between -90 and 90 degrees instead.
Reading checked(double value, Quantity quantity);

// Text in the regional number format, blanks around it ignored; a length is read in `units`
// and held in metres. Counts must be whole.
Reading readNumber(const QString& text, Quantity quantity, Units units = Units::Metric);

} // namespace vistaro
