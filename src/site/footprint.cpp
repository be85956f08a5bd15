// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/footprint.h"

#include "optics/sight.h"

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

// The camera's field on a plane `aboveM` under it, turned by its pan and placed at its
// position. A rectilinear lens sees a keystone from above: a point x ahead is in view up to
// z w / 2f across, z = x cos t + above sin t its depth, so the sides meet behind the camera at
// x = -above tan t. Any other lens sees a sector (its field may reach all around), whose edges
// are given on rays from the camera at bearings(), off the pan.
class Placement {
public:
    Placement(const SiteCamera& camera, const LensField& field, double aboveM, double tiltRad)
        : at_(camera.position), pan_(radians(camera.panDeg)), cos_(std::cos(pan_)),
          sin_(std::sin(pan_)),
          halfWidthPerDepth_(imagedArea(camera.camera.sensor, camera.camera.image).widthMm /
                             (2 * field.scaleMm)),
          cosTilt_(std::cos(tiltRad)), aboveSin_(aboveM * std::sin(tiltRad)),
          sector_(camera.lensModel.projection != Projection::Rectilinear),
          halfAngle_(std::min(field.halfHRad, Pi)),
          steps_(std::max(1, static_cast<int>(std::ceil(2 * halfAngle_ / ArcStep)))) {}

    bool sector() const { return sector_; }

    // A field of 360° or more: one ring all around, with no edge of its own.
    bool allAround() const { return halfAngle_ >= Pi; }

    // Off the pan, counter-clockwise, from the right edge of the field to its left one; all
    // around, each bearing once.
    std::vector<double> bearings() const {
        std::vector<double> bearings;
        const int last = allAround() ? steps_ - 1 : steps_;
        for (int step = 0; step <= last; ++step)
            bearings.push_back(-halfAngle_ + 2 * halfAngle_ * step / steps_);
        return bearings;
    }

    // The field between two distances ahead of the camera's foot (from the camera for a
    // sector).
    FieldShape between(double near, double far) const {
        if (sector_) {
            const std::size_t rays = bearings().size();
            return ring(std::vector(rays, near), std::vector(rays, far));
        }
        const double nearHalf = halfWidth(near);
        const double farHalf = halfWidth(far);
        if (nearHalf > 0)
            return {{point(near, -nearHalf), point(far, -farHalf), point(far, farHalf),
                     point(near, nearHalf)},
                    {}};
        return {{point(near, 0), point(far, -farHalf), point(far, farHalf)}, {}};
    }

    // A sector between an inner and an outer distance from the camera on each of bearings().
    // All around, GEOS takes the inner disc away, so the ring needs no seam.
    FieldShape ring(const std::vector<double>& inner, const std::vector<double>& outer) const {
        const std::vector<double> rays = bearings();
        const auto atRadius = [&](std::size_t ray, double radius) {
            const double angle = pan_ + rays[ray];
            return PlanPoint{at_.x + radius * std::cos(angle), at_.y + radius * std::sin(angle)};
        };
        FieldShape shape;
        for (std::size_t ray = 0; ray < rays.size(); ++ray)
            shape.corners.push_back(atRadius(ray, outer[ray]));
        const bool hollow = std::any_of(inner.begin(), inner.end(), [](double r) { return r > 0; });
        PlanPolygon& inside = allAround() ? shape.hole : shape.corners;
        if (!hollow) {
            if (!allAround())
                inside.push_back(at_);
            return shape;
        }
        for (std::size_t ray = rays.size(); ray-- > 0;)
            inside.push_back(atRadius(ray, inner[ray]));
        return shape;
    }

    // At distance d ahead, on the camera's axis.
    PlanPoint onAxis(double d) const { return point(d, 0); }

private:
    static constexpr double Pi = std::numbers::pi;
    // Arcs in steps of at most 5°: within 0.1 % of the circle's radius.
    static constexpr double ArcStep = Pi / 36;

    // How far across the axis the view reaches at `ahead`: half the width of the picture at
    // its depth.
    double halfWidth(double ahead) const {
        return std::max(0.0, ahead * cosTilt_ + aboveSin_) * halfWidthPerDepth_;
    }

    // `ahead` along the pan and `across` to its left.
    PlanPoint point(double ahead, double across) const {
        return {at_.x + ahead * cos_ - across * sin_, at_.y + ahead * sin_ + across * cos_};
    }

    PlanPoint at_;
    double pan_;
    double cos_;
    double sin_;
    double halfWidthPerDepth_;
    double cosTilt_;
    double aboveSin_;
    bool sector_;
    double halfAngle_;
    int steps_;
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
    query.aim = camera.aim;
    // The plan takes a camera looking straight down, which a typed tilt cannot be.
    query.tiltDeg = std::abs(camera.tiltDeg) <= 90 ? Reading{camera.tiltDeg, {}}
                                                   : checked(camera.tiltDeg, Quantity::Tilt);
    query.levelSet = levels;
    query.level = levels.clamp(camera.level);
    query.projection = camera.lensModel.projection;
    if (camera.lensModel.datasheetAngleHDeg)
        query.datasheetAngleDeg =
            checked(*camera.lensModel.datasheetAngleHDeg, Quantity::DatasheetAngle);
    return query;
}

CoverageResult cameraCoverage(const SiteCamera& camera, const LevelSet& levels) {
    return computeCoverage(coverageQuery(camera, levels));
}

SiteCamera atTargetHeight(const SiteCamera& camera, const LevelSet& levels, double heightM) {
    const std::optional<double> tilt = cameraCoverage(camera, levels).tiltDeg;
    if (!tilt)
        return camera;
    SiteCamera moved = camera;
    moved.aim = Aim::Tilt;
    moved.tiltDeg = *tilt;
    moved.targetHeightM = heightM;
    return moved;
}

FieldFootprint fieldFootprint(const SiteCamera& camera, const LevelSet& levels) {
    const CoverageResult result = cameraCoverage(camera, levels);
    if (!result.tiltDeg)
        return {};
    // With a tilt, every input was read: the field is there.
    const LensField field = *fieldOf(camera);
    const double tilt = radians(*result.tiltDeg);
    const double above = camera.mountHeightM - camera.targetHeightM;
    const Placement placement(camera, field, above, tilt);
    FieldFootprint footprint;
    if (result.ground.nearM && *result.ground.nearM > 0)
        footprint.deadZone = Placement(camera, field, camera.mountHeightM, tilt)
                                 .between(0, *result.ground.nearM)
                                 .corners;

    const GroundEdges edges = targetPlaneEdges(above, tilt, 2 * field.halfVRad);
    if (!edges.nearM)
        return footprint;
    footprint.field = AxialRange{*edges.nearM, edges.farM};
    const double near = *edges.nearM;
    const double far = edges.farM.value_or(std::numeric_limits<double>::infinity());
    // A sector's bands end on each ray where the density falls below the level.
    const Sight sight{camera.camera, camera.lensModel.projection, field.scaleMm, above, tilt};
    const std::vector<double> rays =
        placement.sector() ? placement.bearings() : std::vector<double>{};
    const auto reaches = [&](Level level) {
        std::vector<double> reach;
        for (const double bearing : rays)
            reach.push_back(
                std::clamp(reachAlong(sight, result.levelDensities.at(level), bearing).value_or(0),
                           near, far));
        return reach;
    };
    std::vector<double> inner(rays.size(), near);
    double innerOnAxis = 0;
    for (Level level = result.levelDistanceM.size(); level-- > 0;) {
        const double outerOnAxis = result.levelDistanceM[level].value_or(0);
        const double from = std::max(innerOnAxis, near);
        const double to = std::min(outerOnAxis, far);
        innerOnAxis = std::max(innerOnAxis, outerOnAxis);
        FieldShape shape;
        if (placement.sector()) {
            std::vector<double> outer = reaches(level);
            bool any = false;
            for (std::size_t ray = 0; ray < rays.size(); ++ray) {
                outer[ray] = std::max(outer[ray], inner[ray]);
                any = any || outer[ray] > inner[ray];
            }
            if (!any)
                continue;
            shape = placement.ring(inner, outer);
            inner = std::move(outer);
        } else if (to > from) {
            shape = placement.between(from, to);
        } else {
            continue;
        }
        footprint.bands.push_back({level,
                                   {from, std::max(from, to)},
                                   std::move(shape.corners),
                                   std::move(shape.hole),
                                   placement.onAxis((from + std::max(from, to)) / 2)});
    }
    if (footprint.bands.empty())
        return footprint;
    if (placement.sector()) {
        footprint.outline = placement.ring(std::vector(rays.size(), near), inner).corners;
    } else {
        footprint.outline =
            placement
                .between(footprint.bands.front().range.nearM, *footprint.bands.back().range.farM)
                .corners;
    }
    return footprint;
}

} // namespace vistaro
