// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/lensprojection.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace vistaro {

namespace {

constexpr double Pi = std::numbers::pi;

// Constant, so that a reader running before main (a test's data) finds the names already.
constexpr std::array<std::pair<Projection, const char*>, 5> Keys{{
    {Projection::Rectilinear, "rectilinear"},
    {Projection::Equidistant, "equidistant"},
    {Projection::Equisolid, "equisolid"},
    {Projection::Stereographic, "stereographic"},
    {Projection::Orthographic, "orthographic"},
}};

bool positive(double value) {
    return value > 0 && std::isfinite(value);
}

} // namespace

std::optional<double> unitRadius(Projection projection, double theta) {
    double radius = 0;
    switch (projection) {
    case Projection::Rectilinear:
        radius = theta < Pi / 2 ? std::tan(theta) : -1;
        break;
    case Projection::Equidistant:
        radius = theta;
        break;
    case Projection::Equisolid:
        radius = 2 * std::sin(theta / 2);
        break;
    case Projection::Stereographic:
        radius = theta < Pi ? 2 * std::tan(theta / 2) : -1;
        break;
    case Projection::Orthographic:
        radius = theta <= Pi / 2 ? std::sin(theta) : -1;
        break;
    }
    if (!(radius > 0) || !std::isfinite(radius))
        return std::nullopt;
    return radius;
}

QString projectionKey(Projection projection) {
    return QLatin1String(Keys.at(static_cast<std::size_t>(projection)).second);
}

std::optional<Projection> projectionOfKey(QStringView key) {
    const auto found = std::find_if(Keys.begin(), Keys.end(), [key](const auto& entry) {
        return key == QLatin1String(entry.second);
    });
    return found == Keys.end() ? std::nullopt : std::optional(found->first);
}

double angleOffAxis(Projection projection, double radiusMm, double scaleMm) {
    const double x = radiusMm / scaleMm;
    switch (projection) {
    case Projection::Rectilinear:
        return std::atan(x);
    case Projection::Equidistant:
        return std::min(x, Pi);
    case Projection::Equisolid:
        return x / 2 >= 1 ? Pi : 2 * std::asin(x / 2);
    case Projection::Stereographic:
        return 2 * std::atan(x / 2);
    case Projection::Orthographic:
        return x >= 1 ? Pi / 2 : std::asin(x);
    }
    return std::atan(x);
}

double radiusSlope(Projection projection, double thetaRad) {
    switch (projection) {
    case Projection::Rectilinear:
        return 1 / std::pow(std::cos(thetaRad), 2);
    case Projection::Equidistant:
        return 1;
    case Projection::Equisolid:
        return std::cos(thetaRad / 2);
    case Projection::Stereographic:
        return 1 / std::pow(std::cos(thetaRad / 2), 2);
    case Projection::Orthographic:
        return std::max(0.0, std::cos(thetaRad));
    }
    return 1;
}

double leastSlope(Projection projection, double thetaRad) {
    // On the axis both are 1; so close to it, g(θ) / sin θ is 1 to the last digit.
    constexpr double OnAxis = 1e-8;
    if (thetaRad < OnAxis)
        return 1;
    const std::optional<double> radius = unitRadius(projection, thetaRad);
    if (!radius)
        return 0;
    return std::min(radiusSlope(projection, thetaRad), *radius / std::sin(thetaRad));
}

std::optional<LensField> lensField(const LensModel& lens, SensorSize imaged, double focalMm) {
    if (!positive(imaged.widthMm) || !positive(imaged.heightMm) || !positive(focalMm))
        return std::nullopt;
    LensField field;
    field.scaleMm = focalMm;
    if (lens.datasheetAngleHDeg) {
        const double half = *lens.datasheetAngleHDeg * Pi / 360;
        const std::optional<double> unit =
            half > 0 && half <= Pi ? unitRadius(lens.projection, half) : std::nullopt;
        if (!unit)
            return std::nullopt;
        field.scaleMm = imaged.widthMm / 2 / *unit;
    }
    const auto half = [&](double sizeMm) {
        return angleOffAxis(lens.projection, sizeMm / 2, field.scaleMm);
    };
    field.halfHRad = half(imaged.widthMm);
    field.halfVRad = half(imaged.heightMm);
    field.halfDRad = half(std::hypot(imaged.widthMm, imaged.heightMm));
    return field;
}

} // namespace vistaro
