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
    GroundEdges edges;
    const double lower = tiltRad + verticalAngleRad / 2;
    const double upper = tiltRad - verticalAngleRad / 2;
    if (lower <= 0)
        return edges;
    // A lower edge at or past the vertical sees the ground right below the camera.
    edges.nearM = lower >= std::numbers::pi / 2 ? 0 : mountHeightM / std::tan(lower);
    if (upper <= 0)
        edges.farUnbounded = true;
    else
        edges.farM = mountHeightM / std::tan(upper);
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
    const bool focal = have(query.focalMm.value.has_value(), query.focalMm.problem);
    const bool distance = have(query.distanceM.value.has_value(), query.distanceM.problem);
    const bool mount = have(query.mountHeightM.value.has_value(), query.mountHeightM.problem);
    const bool target = have(query.targetHeightM.value.has_value(), query.targetHeightM.problem);
    if (!camera)
        return result;

    const SensorSize imaged = imagedArea(query.camera->sensor, query.camera->image);
    if (distance)
        if (const auto needed = neededFocal(*query.camera, *query.distanceM.value, query.level))
            result.neededFocalMm = focalToType(*needed);
    if (!focal)
        return result;
    const double f = *query.focalMm.value;
    result.angleHDeg = angleOfViewDeg(imaged.widthMm, f);
    result.angleVDeg = angleOfViewDeg(imaged.heightMm, f);
    result.angleDDeg = angleOfViewDeg(std::hypot(imaged.widthMm, imaged.heightMm), f);
    for (const Level level : AllLevels)
        result.levelDistanceM[static_cast<std::size_t>(level)] =
            levelDistance(*query.camera, f, level);
    if (!distance)
        return result;
    const double d = *query.distanceM.value;
    result.sceneWidthM = d * imaged.widthMm / f;
    result.sceneHeightM = d * imaged.heightMm / f;
    result.pixelsPerMetre = pixelDensity(*query.camera, f, d);
    if (result.pixelsPerMetre)
        result.levelReached = levelReached(*result.pixelsPerMetre);
    if (!mount || !target)
        return result;
    const double h = *query.mountHeightM.value;
    const double tilt = std::atan2(h - *query.targetHeightM.value, d);
    result.tiltDeg = tilt * DegreesPerRadian;
    result.ground = groundEdges(h, tilt, angleOfViewRad(imaged.heightMm, f));
    have(result.ground.nearM.has_value(), {Quantity::MountHeight, Fault::SeesNoGround});
    return result;
}

} // namespace vistaro
