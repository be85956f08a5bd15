// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vistaro {

// The five sensor formats, largest first, as the option buttons un, dueterzi, unmezzo,
// unterzo and unquarto offer them.
enum class SensorFormat { One, TwoThirds, Half, Third, Quarter };

// Height of the image area in millimetres: the one dimension the calculator uses; widths
// follow from the 4:3 picture.
constexpr double sensorHeight(SensorFormat format) {
    switch (format) {
    case SensorFormat::One:
        return 9.6;
    case SensorFormat::TwoThirds:
        return 6.6;
    case SensorFormat::Half:
        return 4.8;
    case SensorFormat::Third:
        return 3.6;
    case SensorFormat::Quarter:
        return 2.4;
    }
    return 3.6;
}

} // namespace vistaro
