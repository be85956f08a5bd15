// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/levels.h"

#include <cmath>

namespace vistaro {

namespace {

bool positive(double value) {
    return value > 0 && std::isfinite(value);
}

std::optional<double> finite(double value) {
    return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

// The imaged width in mm, when the camera describes a real picture.
std::optional<double> imagedWidth(const Camera& camera) {
    if (camera.image.columns <= 0 || camera.image.rows <= 0 || !positive(camera.sensor.widthMm) ||
        !positive(camera.sensor.heightMm))
        return std::nullopt;
    return imagedArea(camera.sensor, camera.image).widthMm;
}

} // namespace

double levelDensity(Level level) {
    switch (level) {
    case Level::Detection:
        return 25;
    case Level::Observation:
        return 62.5;
    case Level::Recognition:
        return 125;
    case Level::Identification:
        return 250;
    }
    return 250;
}

std::optional<double> pixelDensity(const Camera& camera, double focalMm, double distanceM) {
    const std::optional<double> width = imagedWidth(camera);
    if (!width || !positive(focalMm) || !positive(distanceM))
        return std::nullopt;
    // Grouped so that no intermediate overflows at absurd but finite distances.
    return finite(camera.image.columns / distanceM * (focalMm / *width));
}

bool meetsLevel(double pixelsPerMetre, Level level) {
    constexpr double Rounding = 1e-9;
    return pixelsPerMetre >= levelDensity(level) * (1 - Rounding);
}

std::optional<Level> levelReached(double pixelsPerMetre) {
    std::optional<Level> reached;
    for (const Level level : AllLevels) {
        if (meetsLevel(pixelsPerMetre, level))
            reached = level;
    }
    return reached;
}

std::optional<double> levelDistance(const Camera& camera, double focalMm, Level level) {
    const std::optional<double> width = imagedWidth(camera);
    if (!width || !positive(focalMm))
        return std::nullopt;
    return finite(focalMm * camera.image.columns / (levelDensity(level) * *width));
}

std::optional<double> neededFocal(const Camera& camera, double distanceM, Level level) {
    const std::optional<double> width = imagedWidth(camera);
    if (!width || !positive(distanceM))
        return std::nullopt;
    return finite(levelDensity(level) * distanceM * *width / camera.image.columns);
}

} // namespace vistaro
