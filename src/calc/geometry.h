// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// The pinhole camera behind the calculator: the scene height V that fills the picture at
// distance L satisfies V / L = s / f (s the sensor height and f the focal length, both in mm, so
// L and V share a unit), and the picture is 4:3. Each relation is evaluated in the order written
// and gives no value for a division by zero (0 / 0 included) or a result that is not finite.
namespace vistaro::geometry {

// V = (L * s) / f
std::optional<double> sceneHeightFromFocal(double distance, double sensorHeight, double focal);

// f = (L * s) / V
std::optional<double> focalFromSceneHeight(double distance, double sensorHeight,
                                           double sceneHeight);

// H = (V / 3) * 4
std::optional<double> widthFromHeight(double sceneHeight);

// V = (H / 4) * 3
std::optional<double> heightFromWidth(double sceneWidth);

// The full-precision text a result is stored as.
QString storedText(double value);

// The two-decimal text a field shows for a result; none when the result cannot be shown.
std::optional<QString> shownText(double value);

} // namespace vistaro::geometry
