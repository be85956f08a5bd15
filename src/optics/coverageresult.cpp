// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/coverageresult.h"

#include "optics/sight.h"

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

GroundEdges targetPlaneEdges(double aboveM, double tiltRad, double verticalAngleRad) {
    return aboveM >= 0 ? groundEdges(aboveM, tiltRad, verticalAngleRad)
                       : groundEdges(-aboveM, -tiltRad, verticalAngleRad);
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
    const std::optional<double>& d = query.distanceM.value;
    std::optional<double> tilt;
    if (mount && aimed && (byTilt || distance))
        tilt = byTilt ? *query.tiltDeg.value / DegreesPerRadian
                      : aimedTiltRad(*query.mountHeightM.value - *query.targetHeightM.value, *d);
    // The target is seen along the line of sight, from above or below it: every density and
    // level needs both heights and the aim.
    std::optional<Sight> sight;
    if (tilt && target)
        sight = Sight{*query.camera, query.projection, 0,
                      *query.mountHeightM.value - *query.targetHeightM.value, *tilt};
    if (sight && distance && query.level < densities.size())
        if (const auto needed = neededScaleAt(*sight, densities[query.level], *d))
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
    // projection takes f millimetres a radian on the axis (the needed focal length is the
    // pinhole's).
    const double f = field->scaleMm;
    const bool rectilinear = query.projection == Projection::Rectilinear;
    const auto degrees = [](double halfRad) { return 2 * halfRad * DegreesPerRadian; };
    result.angleHDeg = degrees(field->halfHRad);
    result.angleVDeg = degrees(field->halfVRad);
    result.angleDDeg = degrees(field->halfDRad);
    if (distance && have(query.fNumber.value.has_value(), query.fNumber.problem) &&
        have(query.confusionPixels.value.has_value(), query.confusionPixels.problem)) {
        const double pitchMm = pixelPitch(*query.camera) / 1000;
        result.depth =
            depthOfField(f, *query.fNumber.value, *query.confusionPixels.value * pitchMm, *d);
        if (result.depth)
            result.focus = LensFocus{f, *query.fNumber.value, *d, pitchMm};
    }
    if (!tilt)
        return result;
    result.tiltDeg = byTilt ? *query.tiltDeg.value : *tilt * DegreesPerRadian;
    result.ground = groundEdges(*query.mountHeightM.value, *tilt, 2 * field->halfVRad);
    have(result.ground.nearM.has_value(),
         {byTilt ? Quantity::Tilt : Quantity::MountHeight, Fault::SeesNoGround});
    if (!sight)
        return result;
    sight->scaleMm = f;
    const GroundEdges plane = targetPlaneEdges(sight->aboveM, *tilt, 2 * field->halfVRad);
    for (const double density : densities) {
        // A view that never meets the targets' plane reaches no level on it.
        const std::optional<double> reach =
            plane.nearM ? reachAlong(*sight, density) : std::nullopt;
        result.levelDistanceM.push_back(reach && plane.farM ? std::min(*reach, *plane.farM)
                                                            : reach);
    }
    if (!distance)
        return result;
    // The plane square to the axis through the target: 2 z tan(half angle), which the pinhole's
    // z w / f is; a field of 180° or more never ends on that plane.
    const double z = depthAt(*sight, *d);
    const auto across = [&](double sizeMm, double halfRad) -> std::optional<double> {
        if (!(z > 0))
            return std::nullopt;
        if (rectilinear)
            return z * sizeMm / f;
        return halfRad < std::numbers::pi / 2 ? std::optional(2 * z * std::tan(halfRad))
                                              : std::nullopt;
    };
    result.sceneWidthM = across(imaged.widthMm, field->halfHRad);
    result.sceneHeightM = across(imaged.heightMm, field->halfVRad);
    result.slantM = std::hypot(*d, sight->aboveM);
    result.pixelsPerMetre = densityAt(*sight, *d, 0);
    if (result.pixelsPerMetre)
        result.levelReached = levelReached(*result.pixelsPerMetre, densities);
    // At the horizontal edge of the field, θe off the axis, a target as far from the camera as
    // the aim (beyond 90° off the axis no point of the plane through the aim exists, and a
    // fisheye looks around itself), seen across its line of sight.
    if (!rectilinear && result.pixelsPerMetre)
        result.edgePixelsPerMetre =
            densityOffAxis(*query.camera, query.projection, f, field->halfHRad, *result.slantM);
    return result;
}

} // namespace vistaro
