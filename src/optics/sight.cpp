// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/sight.h"

#include "optics/levels.h"
#include "optics/reading.h"

#include <algorithm>
#include <cmath>

namespace vistaro {

namespace {

std::optional<double> positive(double value) {
    return value > 0 && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

// The farthest distance along a line from the foot where `meets` holds, for a projection whose
// density has no closed form off its axis: sampled, then narrowed between the last sample that
// meets and the next. `start` is a first guess of the end.
template <typename Meets> double farthestMeeting(const Meets& meets, double start) {
    double far = std::max(start, 1.0);
    while (meets(far) && far < largestOf(Quantity::Distance))
        far *= 2;
    constexpr int Samples = 64;
    int last = Samples;
    while (last > 0 && !meets(far * last / Samples))
        --last;
    if (last == 0)
        return 0;
    double lo = far * last / Samples;
    if (last == Samples)
        return lo;
    double hi = far * (last + 1) / Samples;
    constexpr int Halvings = 64;
    for (int i = 0; i < Halvings && hi - lo > lo * 1e-13; ++i) {
        const double middle = (lo + hi) / 2;
        (meets(middle) ? lo : hi) = middle;
    }
    return lo;
}

} // namespace

double aimedTiltRad(double aboveM, double distanceM) {
    return std::atan2(aboveM, distanceM);
}

double depthAt(const Sight& sight, double aheadM) {
    return aheadM * std::cos(sight.tiltRad) + sight.aboveM * std::sin(sight.tiltRad);
}

std::optional<double> densityOffAxis(const Camera& camera, Projection projection, double scaleMm,
                                     double offAxisRad, double distanceM) {
    const std::optional<double> onAxis = pixelDensity(camera, scaleMm, distanceM);
    return onAxis ? positive(*onAxis * leastSlope(projection, offAxisRad)) : std::nullopt;
}

std::optional<double> densityAt(const Sight& sight, double aheadM, double acrossM) {
    const double depth = depthAt(sight, aheadM);
    // Rectilinear: the tangential figure, 1 / cos θ over the distance, is the lesser, and the
    // distance times cos θ is the depth.
    if (sight.projection == Projection::Rectilinear)
        return depth > 0 ? pixelDensity(sight.camera, sight.scaleMm, depth) : std::nullopt;
    const double distance = std::hypot(aheadM, acrossM, sight.aboveM);
    if (!(distance > 0))
        return std::nullopt;
    const double offAxis = std::acos(std::clamp(depth / distance, -1.0, 1.0));
    return densityOffAxis(sight.camera, sight.projection, sight.scaleMm, offAxis, distance);
}

std::optional<double> reachAlong(const Sight& sight, double neededPerMetre, double bearingRad) {
    const std::optional<double> depth = levelDistance(sight.camera, sight.scaleMm, neededPerMetre);
    if (!depth)
        return std::nullopt;
    const double cosTilt = std::cos(sight.tiltRad);
    // Where the centre line is the axis, every projection has the pinhole's density on it.
    const bool onAxis = sight.aboveM == 0 && sight.tiltRad == 0;
    if (bearingRad == 0 && (sight.projection == Projection::Rectilinear || onAxis)) {
        if (!(cosTilt > 0))
            return std::nullopt;
        return std::max(0.0, (*depth - sight.aboveM * std::sin(sight.tiltRad)) / cosTilt);
    }
    const double ahead = std::cos(bearingRad);
    const double across = std::sin(bearingRad);
    return farthestMeeting(
        [&](double along) {
            const std::optional<double> density = densityAt(sight, along * ahead, along * across);
            return density && meetsDensity(*density, neededPerMetre);
        },
        *depth + std::abs(sight.aboveM));
}

std::optional<double> neededScaleAt(const Sight& sight, double neededPerMetre, double aheadM) {
    Sight unit = sight;
    unit.scaleMm = 1;
    const std::optional<double> density = densityAt(unit, aheadM, 0);
    return density ? positive(neededPerMetre / *density) : std::nullopt;
}

} // namespace vistaro
