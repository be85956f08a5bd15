// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/camerarays.h"

#include "site/footprint.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace vistaro {

namespace {

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

} // namespace

std::optional<CameraRays> CameraRays::of(const SiteCamera& camera, const LevelSet& levels,
                                         QSize picture) {
    const CoverageResult result = cameraCoverage(camera, levels);
    const SensorSize imaged = imagedArea(camera.camera.sensor, camera.camera.image);
    const std::optional<LensField> field = lensField(camera.lensModel, imaged, camera.focalMm);
    if (!result.tiltDeg || !field || picture.isEmpty())
        return std::nullopt;
    CameraRays rays;
    const double tilt = radians(*result.tiltDeg);
    rays.sight_ = {camera.camera, camera.lensModel.projection, field->scaleMm,
                   camera.mountHeightM - camera.targetHeightM, tilt};
    const double pan = radians(camera.panDeg);
    const double cp = std::cos(pan);
    const double sp = std::sin(pan);
    const double ct = std::cos(tilt);
    const double st = std::sin(tilt);
    rays.origin_ = {camera.position.x, camera.position.y, camera.mountHeightM};
    rays.axis_ = {ct * cp, ct * sp, -st};
    rays.right_ = {sp, -cp, 0};
    rays.up_ = {st * cp, st * sp, ct};
    rays.picture_ = picture;
    rays.mmPerColumn_ = imaged.widthMm / picture.width();
    rays.mmPerRow_ = imaged.heightMm / picture.height();
    rays.levelDensities_ = result.levelDensities;
    // Past its image circle a projection's angle stops at the circle's edge.
    const double edge =
        angleOffAxis(rays.sight_.projection, std::numeric_limits<double>::max(), field->scaleMm);
    rays.circleMm_ =
        unitRadius(rays.sight_.projection, edge).value_or(std::numeric_limits<double>::infinity()) *
        field->scaleMm;
    return rays;
}

bool CameraRays::samePicture(const CameraRays& other) const {
    return sight_.projection == other.sight_.projection && sight_.scaleMm == other.sight_.scaleMm &&
           picture_ == other.picture_ && mmPerColumn_ == other.mmPerColumn_ &&
           mmPerRow_ == other.mmPerRow_;
}

std::optional<PictureRay> CameraRays::localRay(double column, double row) const {
    const double xMm = (column - picture_.width() / 2.0) * mmPerColumn_;
    const double yMm = (picture_.height() / 2.0 - row) * mmPerRow_;
    const double radius = std::hypot(xMm, yMm);
    if (radius == 0)
        return PictureRay{{0, 0, 1}, 0};
    if (radius >= circleMm_)
        return std::nullopt;
    const double theta = angleOffAxis(sight_.projection, radius, sight_.scaleMm);
    const double across = std::sin(theta) / radius;
    return PictureRay{{across * xMm, across * yMm, std::cos(theta)}, theta};
}

std::optional<CameraRays::Seen> CameraRays::seen(Vec3 point) const {
    const Vec3 to = point - origin_;
    const double along = dot(to, axis_);
    const double x = dot(to, right_);
    const double y = dot(to, up_);
    const double sideways = std::hypot(x, y);
    const QPointF centre(picture_.width() / 2.0, picture_.height() / 2.0);
    if (sideways == 0)
        return along > 0 ? std::optional(Seen{centre, along, 0}) : std::nullopt;
    double offAxis = 0;
    double radius = 0;
    // A pinhole's r = f tan θ is f times sideways over along: no angle needed.
    if (sight_.projection == Projection::Rectilinear) {
        if (!(along > 0))
            return std::nullopt;
        radius = sight_.scaleMm * sideways / along;
    } else {
        offAxis = std::atan2(sideways, along);
        const std::optional<double> unit = unitRadius(sight_.projection, offAxis);
        if (!unit)
            return std::nullopt;
        radius = *unit * sight_.scaleMm;
    }
    return Seen{
        centre + QPointF(radius * x / sideways / mmPerColumn_, -radius * y / sideways / mmPerRow_),
        along, offAxis};
}

std::optional<QPointF> CameraRays::pixelOf(Vec3 point) const {
    const std::optional<Seen> at = seen(point);
    return at ? std::optional(at->pixel) : std::nullopt;
}

std::optional<double> CameraRays::targetDensity(PlanPoint floor) const {
    const Vec3 target{floor.x, floor.y, origin_.z - sight_.aboveM};
    const std::optional<Seen> at = seen(target);
    if (!at || at->pixel.x() < 0 || at->pixel.y() < 0 || at->pixel.x() > picture_.width() ||
        at->pixel.y() > picture_.height())
        return std::nullopt;
    // As the plan's densityAt takes it: a pinhole's density by the depth along the axis, any
    // other lens's by the distance and the angle off the axis.
    if (sight_.projection == Projection::Rectilinear)
        return pixelDensity(sight_.camera, sight_.scaleMm, at->depthM);
    const Vec3 to = target - origin_;
    return densityAt(at->offAxisRad, std::sqrt(dot(to, to)));
}

std::optional<double> CameraRays::densityAt(double offAxisRad, double distanceM) const {
    return densityOffAxis(sight_.camera, sight_.projection, sight_.scaleMm, offAxisRad, distanceM);
}

} // namespace vistaro
