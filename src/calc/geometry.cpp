// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/geometry.h"

#include "platform/numberformat.h"

#include <cmath>

namespace vistaro::geometry {

namespace {

std::optional<double> finite(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

// (L * s) / divisor; a zero divisor gives nothing, whatever the dividend.
std::optional<double> pinhole(double distance, double sensorHeight, double divisor) {
    if (divisor == 0.0)
        return std::nullopt;
    return finite((distance * sensorHeight) / divisor);
}

} // namespace

std::optional<double> sceneHeightFromFocal(double distance, double sensorHeight, double focal) {
    return pinhole(distance, sensorHeight, focal);
}

std::optional<double> focalFromSceneHeight(double distance, double sensorHeight,
                                           double sceneHeight) {
    return pinhole(distance, sensorHeight, sceneHeight);
}

std::optional<double> widthFromHeight(double sceneHeight) {
    return finite((sceneHeight / 3) * 4);
}

std::optional<double> heightFromWidth(double sceneWidth) {
    return finite((sceneWidth / 4) * 3);
}

QString storedText(double value) {
    return num::toText(value);
}

std::optional<QString> shownText(double value) {
    return num::toShownText(value);
}

} // namespace vistaro::geometry
