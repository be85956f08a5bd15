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
    result.levelDensities = densities;
    if (distance && query.level < densities.size())
        if (const auto needed =
                neededFocal(*query.camera, *query.distanceM.value, densities[query.level]))
            result.neededFocalMm = focalToType(*needed);
    if (!focal)
        return result;
    result.projection = query.projection;
    LensModel lens{query.projection, std::nullopt};
    if (query.datasheetAngleDeg) {
        if (!have(query.datasheetAngleDeg->value.has_value(), query.datasheetAngleDeg->problem))
            return result;
        lens.datasheetAngleHDeg = query.datasheetAngleDeg->value;
    }
    const std::optional<LensField> field = lensField(lens, imaged, *query.focalMm.value);
    if (!have(field.has_value(), {Quantity::DatasheetAngle, Fault::BeyondProjection}))
        return result;
    // The projection's scale: the focal length, or the one the datasheet's angle gives. Every
    // projection takes f millimetres a radian on the axis, so the centre's density and the level
    // distances are the pinhole's with this f (the needed focal length is the pinhole's too).
    const double f = field->scaleMm;
    const bool rectilinear = query.projection == Projection::Rectilinear;
    const auto degrees = [](double halfRad) { return 2 * halfRad * DegreesPerRadian; };
    result.angleHDeg = degrees(field->halfHRad);
    result.angleVDeg = degrees(field->halfVRad);
    result.angleDDeg = degrees(field->halfDRad);
    for (const double density : densities)
        result.levelDistanceM.push_back(levelDistance(*query.camera, f, density));
    if (!distance)
        return result;
    const double d = *query.distanceM.value;
    // Across the plane at the distance, square to the axis: 2 D tan(half angle), which the
    // pinhole's D w / f is; a field of 180° or more never ends on that plane.
    const auto across = [&](double sizeMm, double halfRad) -> std::optional<double> {
        if (rectilinear)
            return d * sizeMm / f;
        return halfRad < std::numbers::pi / 2 ? std::optional(2 * d * std::tan(halfRad))
                                              : std::nullopt;
    };
    result.sceneWidthM = across(imaged.widthMm, field->halfHRad);
    result.sceneHeightM = across(imaged.heightMm, field->halfVRad);
    result.pixelsPerMetre = pixelDensity(*query.camera, f, d);
    if (result.pixelsPerMetre)
        result.levelReached = levelReached(*result.pixelsPerMetre, densities);
    // At the horizontal edge of the field, θe off the axis, a target as far from the camera as
    // the aim (the slant distance is D: beyond 90° off the axis no point of the plane at D
    // exists, and a fisheye looks around itself). Across the line of sight there, a metre
    // subtends 1 / D radians, which take f g'(θe) mm of the picture, at columns / w pixels a mm:
    // columns f g'(θe) / (w D), the centre's density times g'(θe) (g' = 1 on the axis).
    if (!rectilinear && result.pixelsPerMetre)
        result.edgePixelsPerMetre =
            *result.pixelsPerMetre * radiusSlope(query.projection, field->halfHRad);
    if (have(query.fNumber.value.has_value(), query.fNumber.problem) &&
        have(query.confusionPixels.value.has_value(), query.confusionPixels.problem)) {
        const double pitchMm = pixelPitch(*query.camera) / 1000;
        result.depth =
            depthOfField(f, *query.fNumber.value, *query.confusionPixels.value * pitchMm, d);
        if (result.depth)
            result.focus = LensFocus{f, *query.fNumber.value, d, pitchMm};
    }
    if (!mount || !aimed)
        return result;
    const double h = *query.mountHeightM.value;
    const double tilt = byTilt ? *query.tiltDeg.value / DegreesPerRadian
                               : std::atan2(h - *query.targetHeightM.value, d);
    result.tiltDeg = tilt * DegreesPerRadian;
    result.ground = groundEdges(h, tilt, 2 * field->halfVRad);
    have(result.ground.nearM.has_value(),
         {byTilt ? Quantity::Tilt : Quantity::MountHeight, Fault::SeesNoGround});
    return result;
}

} // namespace vistaro
