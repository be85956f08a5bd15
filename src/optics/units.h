// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace vistaro {

// The units lengths, surfaces and densities are shown and typed in; they are held in metres.
enum class Units { Metric, Imperial };

inline constexpr double MetresPerFoot = 0.3048;

// The length the units count in, in metres: a metre or a foot.
constexpr double unitLength(Units units) {
    return units == Units::Imperial ? MetresPerFoot : 1;
}

// Metres as the units count them, and a length so counted in metres.
constexpr double toUnits(double metres, Units units) {
    return metres / unitLength(units);
}
constexpr double fromUnits(double length, Units units) {
    return length * unitLength(units);
}

// Square metres as the units count them: m² or ft².
constexpr double toSquareUnits(double squareMetres, Units units) {
    return squareMetres / (unitLength(units) * unitLength(units));
}

// A density in pixels a metre as the units count it (px/m or px/ft), and back.
constexpr double densityToUnits(double pixelsPerMetre, Units units) {
    return pixelsPerMetre * unitLength(units);
}
constexpr double densityFromUnits(double pixelsPerUnit, Units units) {
    return pixelsPerUnit / unitLength(units);
}

// The units' captions, translated: "m" or "ft", "m²" or "ft²", "px/m" or "px/ft".
QString lengthUnit(Units units);
QString areaUnit(Units units);
QString densityUnit(Units units);

// A column's caption with its unit: "Height (ft)".
QString withUnit(const QString& caption, const QString& unit);

} // namespace vistaro
