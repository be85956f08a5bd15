// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/footprint.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace vistaro {

namespace {

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

// The vertical angle of view of the imaged area, in radians.
double verticalAngle(const SiteCamera& camera) {
    const SensorSize imaged = imagedArea(camera.camera.sensor, camera.camera.image);
    return 2 * std::atan(imaged.heightMm / (2 * camera.focalMm));
}

// The camera's field turned by its pan and placed at its position.
class Placement {
public:
    explicit Placement(const SiteCamera& camera)
        : at_(camera.position), cos_(std::cos(radians(camera.panDeg))),
          sin_(std::sin(radians(camera.panDeg))),
          halfWidthPerMetre_(imagedArea(camera.camera.sensor, camera.camera.image).widthMm /
                             (2 * camera.focalMm)) {}

    // The field between two axial distances; a triangle from the camera when `near` is 0.
    PlanPolygon between(double near, double far) const {
        if (near > 0)
            return {point(near, -1), point(far, -1), point(far, 1), point(near, 1)};
        return {at_, point(far, -1), point(far, 1)};
    }

private:
    // At axial distance d, on the camera's right (side -1) or left (side 1) edge of the field.
    PlanPoint point(double d, double side) const {
        const double across = side * d * halfWidthPerMetre_;
        return {at_.x + d * cos_ - across * sin_, at_.y + d * sin_ + across * cos_};
    }

    PlanPoint at_;
    double cos_;
    double sin_;
    double halfWidthPerMetre_;
};

} // namespace

CoverageQuery coverageQuery(const SiteCamera& camera, const LevelSet& levels) {
    CoverageQuery query;
    const SensorSize& sensor = camera.camera.sensor;
    const ImageSize& image = camera.camera.image;
    const std::array<Reading, 4> readings{checked(sensor.widthMm, Quantity::SensorWidth),
                                          checked(sensor.heightMm, Quantity::SensorHeight),
                                          checked(image.columns, Quantity::Columns),
                                          checked(image.rows, Quantity::Rows)};
    const auto unread =
        std::find_if(readings.begin(), readings.end(), [](const Reading& r) { return !r.value; });
    if (unread == readings.end())
        query.camera = camera.camera;
    else
        query.cameraProblem = unread->problem;
    query.focalMm = checked(camera.focalMm, Quantity::Focal);
    query.distanceM = checked(camera.distanceM, Quantity::Distance);
    query.mountHeightM = checked(camera.mountHeightM, Quantity::MountHeight);
    query.targetHeightM = checked(camera.targetHeightM, Quantity::TargetHeight);
    query.levelSet = levels;
    query.level = levels.clamp(camera.level);
    return query;
}

CoverageResult cameraCoverage(const SiteCamera& camera, const LevelSet& levels) {
    CoverageResult result = computeCoverage(coverageQuery(camera, levels));
    // With a tilt worked out, every input was read; the only problem left is the ground's.
    if (camera.aim != Aim::Tilt || !result.tiltDeg)
        return result;
    result.tiltDeg = camera.tiltDeg;
    result.ground =
        groundEdges(camera.mountHeightM, radians(camera.tiltDeg), verticalAngle(camera));
    result.problem.reset();
    if (!result.ground.nearM)
        result.problem = Problem{Quantity::MountHeight, Fault::SeesNoGround};
    return result;
}

FieldFootprint fieldFootprint(const SiteCamera& camera, const LevelSet& levels) {
    const CoverageResult result = cameraCoverage(camera, levels);
    if (!result.tiltDeg)
        return {};
    const Placement placement(camera);
    FieldFootprint footprint;
    if (result.ground.nearM && *result.ground.nearM > 0)
        footprint.deadZone = placement.between(0, *result.ground.nearM);

    const double tilt = radians(*result.tiltDeg);
    const double v = verticalAngle(camera);
    const double above = camera.mountHeightM - camera.targetHeightM;
    // A target height above the camera is the ground seen upside down.
    const GroundEdges edges =
        above >= 0 ? groundEdges(above, tilt, v) : groundEdges(-above, -tilt, v);
    if (!edges.nearM)
        return footprint;
    footprint.field = AxialRange{*edges.nearM, edges.farM};
    const double far = edges.farM.value_or(std::numeric_limits<double>::infinity());
    double inner = 0;
    for (Level level = result.levelDistanceM.size(); level-- > 0;) {
        const double outer = result.levelDistanceM[level].value_or(0);
        const double from = std::max(inner, *edges.nearM);
        const double to = std::min(outer, far);
        if (to > from)
            footprint.bands.push_back({level, {from, to}, placement.between(from, to)});
        inner = outer;
    }
    return footprint;
}

PlanPolygon fieldOutline(const SiteCamera& camera, const LevelSet& levels) {
    const FieldFootprint footprint = fieldFootprint(camera, levels);
    if (footprint.bands.empty())
        return {};
    return Placement(camera).between(footprint.bands.front().range.nearM,
                                     *footprint.bands.back().range.farM);
}

} // namespace vistaro
