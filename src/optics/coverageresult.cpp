// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/coverageresult.h"

#include <cmath>
#include <numbers>

namespace vistaro {

namespace {

constexpr double DegreesPerRadian = 180 / std::numbers::pi;

double angleOfViewRad(double sizeMm, double focalMm) {
    return 2 * std::atan(sizeMm / (2 * focalMm));
}

} // namespace

GroundEdges groundEdges(double mountHeightM, double tiltRad, double verticalAngleRad) {
    // A tilt of half the vertical angle, each worked out on its own, leaves the upper edge a
    // rounding error off the horizon: that is the horizon, not a far edge of 10^17 m.
    constexpr double AngleRounding = 1e-12;
    const auto meetsGround = [mountHeightM](double downRad) -> std::optional<double> {
        // An edge at or past the vertical sees the ground right below the camera.
        if (downRad >= std::numbers::pi / 2)
            return 0.0;
        const double distance = mountHeightM / std::tan(downRad);
        if (downRad <= AngleRounding || !(distance <= largestOf(Quantity::Distance)))
            return std::nullopt;
        return distance;
    };
    GroundEdges edges;
    edges.nearM = meetsGround(tiltRad + verticalAngleRad / 2);
    if (!edges.nearM)
        return edges;
    edges.farM = meetsGround(tiltRad - verticalAngleRad / 2);
    edges.farUnbounded = !edges.farM;
    return edges;
}

double angleOfViewDeg(double sizeMm, double focalMm) {
    return angleOfViewRad(sizeMm, focalMm) * DegreesPerRadian;
}

double focalToType(double neededMm) {
    // An exact hundredth (6.25) that binary noise puts a hair above stays as it is.
    const double hundredths = neededMm * 100;
    return std::ceil(hundredths * (1 - 1e-12)) / 100;
}

CoverageResult computeCoverage(const CoverageQuery& query) {
    CoverageResult result;
    const auto have = [&result](bool ok, const Problem& problem) {
        if (!ok && !result.problem)
            result.problem = problem;
        return ok;
    };
    const bool camera = have(query.camera.has_value(), query.cameraProblem);
    // The distance first: the calculator turns a distance of 0 into a focal length of 0.
    const bool distance = have(query.distanceM.value.has_value(), query.distanceM.problem);
    const bool focal = have(query.focalMm.value.has_value(), query.focalMm.problem);
    const bool mount = have(query.mountHeightM.value.has_value(), query.mountHeightM.problem);
    const bool target = have(query.targetHeightM.value.has_value(), query.targetHeightM.problem);
    const bool byTilt = query.aim == Aim::Tilt;
    const bool aimed =
        byTilt ? have(query.tiltDeg.value.has_value(), query.tiltDeg.problem) : target;
    if (!camera)
        return result;

    const SensorSize imaged = imagedArea(query.camera->sensor, query.camera->image);
    const std::vector<double> densities = levelDensities(query.levelSet, *query.camera);
    if (distance && query.level < densities.size())
        if (const auto needed =
                neededFocal(*query.camera, *query.distanceM.value, densities[query.level]))
            result.neededFocalMm = focalToType(*needed);
    if (!focal)
        return result;
    const double f = *query.focalMm.value;
    result.angleHDeg = angleOfViewDeg(imaged.widthMm, f);
    result.angleVDeg = angleOfViewDeg(imaged.heightMm, f);
    result.angleDDeg = angleOfViewDeg(std::hypot(imaged.widthMm, imaged.heightMm), f);
    for (const double density : densities)
        result.levelDistanceM.push_back(levelDistance(*query.camera, f, density));
    if (!distance)
        return result;
    const double d = *query.distanceM.value;
    result.sceneWidthM = d * imaged.widthMm / f;
    result.sceneHeightM = d * imaged.heightMm / f;
    result.pixelsPerMetre = pixelDensity(*query.camera, f, d);
    if (result.pixelsPerMetre)
        result.levelReached = levelReached(*result.pixelsPerMetre, densities);
    if (!mount || !aimed)
        return result;
    const double h = *query.mountHeightM.value;
    const double tilt = byTilt ? *query.tiltDeg.value / DegreesPerRadian
                               : std::atan2(h - *query.targetHeightM.value, d);
    result.tiltDeg = tilt * DegreesPerRadian;
    result.ground = groundEdges(h, tilt, angleOfViewRad(imaged.heightMm, f));
    have(result.ground.nearM.has_value(),
         {byTilt ? Quantity::Tilt : Quantity::MountHeight, Fault::SeesNoGround});
    return result;
}

} // namespace vistaro
