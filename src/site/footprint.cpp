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

// The camera's field, as the coverage window works it out.
std::optional<LensField> fieldOf(const SiteCamera& camera) {
    return lensField(camera.lensModel, imagedArea(camera.camera.sensor, camera.camera.image),
                     camera.focalMm);
}

// The vertical angle of view of the imaged area, in radians.
double verticalAngle(const LensField& field) {
    return 2 * field.halfVRad;
}

// The camera's field turned by its pan and placed at its position. A rectilinear lens sees a
// triangle from above, half-width d tan(h/2) at axial distance d. Any other lens sees a sector
// (its field may pass 180°): its bands are cut at distances from the camera, as its level
// distances are those on its axis and its edge density is taken at the aim distance.
class Placement {
public:
    Placement(const SiteCamera& camera, const LensField& field)
        : at_(camera.position), pan_(radians(camera.panDeg)), cos_(std::cos(pan_)),
          sin_(std::sin(pan_)),
          halfWidthPerMetre_(imagedArea(camera.camera.sensor, camera.camera.image).widthMm /
                             (2 * field.scaleMm)),
          sector_(camera.lensModel.projection != Projection::Rectilinear),
          halfAngle_(std::min(field.halfHRad, MaxHalfAngle)) {}

    // The field between two axial distances; a triangle from the camera when `near` is 0.
    PlanPolygon between(double near, double far) const {
        if (sector_)
            return sector(near, far);
        if (near > 0)
            return {point(near, -1), point(far, -1), point(far, 1), point(near, 1)};
        return {at_, point(far, -1), point(far, 1)};
    }

    // At axial distance d, on the camera's axis.
    PlanPoint onAxis(double d) const { return point(d, 0); }

private:
    // Just short of all around, so that the field stays one polygon without a hole.
    static constexpr double MaxHalfAngle = std::numbers::pi * 0.999;
    // Arcs in steps of at most 5°: within 0.1 % of the circle's radius.
    static constexpr double ArcStep = std::numbers::pi / 36;

    // At axial distance d, on the camera's right (side -1) or left (side 1) edge of the field.
    PlanPoint point(double d, double side) const {
        const double across = side * d * halfWidthPerMetre_;
        return {at_.x + d * cos_ - across * sin_, at_.y + d * sin_ + across * cos_};
    }

    PlanPolygon sector(double near, double far) const {
        const int steps = std::max(1, static_cast<int>(std::ceil(2 * halfAngle_ / ArcStep)));
        const auto arc = [&](double radius, int step) {
            const double angle = pan_ - halfAngle_ + 2 * halfAngle_ * step / steps;
            return PlanPoint{at_.x + radius * std::cos(angle), at_.y + radius * std::sin(angle)};
        };
        PlanPolygon corners;
        for (int step = 0; step <= steps; ++step)
            corners.push_back(arc(far, step));
        if (near > 0)
            for (int step = steps; step >= 0; --step)
                corners.push_back(arc(near, step));
        else
            corners.push_back(at_);
        return corners;
    }

    PlanPoint at_;
    double pan_;
    double cos_;
    double sin_;
    double halfWidthPerMetre_;
    bool sector_;
    double halfAngle_;
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
    query.projection = camera.lensModel.projection;
    if (camera.lensModel.datasheetAngleHDeg)
        query.datasheetAngleDeg =
            checked(*camera.lensModel.datasheetAngleHDeg, Quantity::DatasheetAngle);
    return query;
}

CoverageResult cameraCoverage(const SiteCamera& camera, const LevelSet& levels) {
    CoverageResult result = computeCoverage(coverageQuery(camera, levels));
    // With a tilt worked out, every input was read; the only problem left is the ground's.
    if (camera.aim != Aim::Tilt || !result.tiltDeg)
        return result;
    result.tiltDeg = camera.tiltDeg;
    result.ground =
        groundEdges(camera.mountHeightM, radians(camera.tiltDeg), verticalAngle(*fieldOf(camera)));
    result.problem.reset();
    if (!result.ground.nearM)
        result.problem = Problem{Quantity::MountHeight, Fault::SeesNoGround};
    return result;
}

FieldFootprint fieldFootprint(const SiteCamera& camera, const LevelSet& levels) {
    const CoverageResult result = cameraCoverage(camera, levels);
    if (!result.tiltDeg)
        return {};
    // With a tilt, every input was read: the field is there.
    const LensField field = *fieldOf(camera);
    const Placement placement(camera, field);
    FieldFootprint footprint;
    if (result.ground.nearM && *result.ground.nearM > 0)
        footprint.deadZone = placement.between(0, *result.ground.nearM);

    const double tilt = radians(*result.tiltDeg);
    const double v = verticalAngle(field);
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
            footprint.bands.push_back({level,
                                       {from, to},
                                       placement.between(from, to),
                                       placement.onAxis((from + to) / 2)});
        inner = outer;
    }
    if (!footprint.bands.empty())
        footprint.outline = placement.between(footprint.bands.front().range.nearM,
                                              *footprint.bands.back().range.farM);
    return footprint;
}

} // namespace vistaro
