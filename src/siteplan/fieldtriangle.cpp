// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/fieldtriangle.h"

#include "optics/coverageresult.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vistaro {

namespace {

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

// The camera's own frame: `along` its axis, `across` to its left, both in metres.
struct CameraFrame {
    PlanPoint origin;
    double cosPan;
    double sinPan;

    PlanPoint at(double along, double across) const {
        return {origin.x + along * cosPan - across * sinPan,
                origin.y + along * sinPan + across * cosPan};
    }
};

// The field between `nearM` and `farM` along the axis.
std::vector<PlanPoint> fieldPart(const CameraFrame& frame, double halfTan, double nearM,
                                 double farM) {
    std::vector<PlanPoint> ring{frame.at(nearM, -nearM * halfTan), frame.at(farM, -farM * halfTan),
                                frame.at(farM, farM * halfTan)};
    if (nearM > 0)
        ring.push_back(frame.at(nearM, nearM * halfTan));
    return ring;
}

// Down from the horizon, in radians.
double tiltOf(const SiteCamera& camera) {
    if (camera.aim == Aim::Tilt)
        return radians(camera.tiltDeg);
    return std::atan2(camera.mountHeightM - camera.targetHeightM, camera.distanceM);
}

} // namespace

CameraFootprint FieldTriangleGeometry::footprint(const SiteCamera& camera,
                                                 const std::vector<SiteWall>&) const {
    CameraFootprint footprint;
    const SensorSize imaged = imagedArea(camera.camera.sensor, camera.camera.image);
    const double f = camera.focalMm;
    const double reach = camera.distanceM;
    if (!(f > 0) || !(reach > 0) || !(imaged.widthMm > 0) || !std::isfinite(reach))
        return footprint;
    const double halfTan = imaged.widthMm / (2 * f);
    const CameraFrame frame{camera.position, std::cos(radians(camera.panDeg)),
                            std::sin(radians(camera.panDeg))};

    // Identification is nearest: each band runs from the next higher level's reach to its own.
    double nearer = 0;
    for (auto level = AllLevels.rbegin(); level != AllLevels.rend(); ++level) {
        const double farther = std::min(levelDistance(camera.camera, f, *level).value_or(0), reach);
        if (farther <= nearer)
            continue;
        footprint.bands.push_back({*level,
                                   {{fieldPart(frame, halfTan, nearer, farther)}},
                                   (farther * farther - nearer * nearer) * halfTan,
                                   frame.at((nearer + farther) / 2, 0)});
        nearer = farther;
    }
    std::reverse(footprint.bands.begin(), footprint.bands.end());

    const double vertical = 2 * std::atan(imaged.heightMm / (2 * f));
    const GroundEdges ground = groundEdges(camera.mountHeightM, tiltOf(camera), vertical);
    if (ground.nearM && *ground.nearM > 0)
        footprint.deadZone.rings.push_back(
            fieldPart(frame, halfTan, 0, std::min(*ground.nearM, reach)));
    return footprint;
}

AreaCoverage FieldTriangleGeometry::areaCoverage(const SiteArea&,
                                                 const std::vector<CameraFootprint>&) const {
    return {};
}

// The shoelace formula.
double FieldTriangleGeometry::surface(const std::vector<PlanPoint>& polygon) const {
    double twice = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const PlanPoint& a = polygon[i];
        const PlanPoint& b = polygon[(i + 1) % polygon.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return std::abs(twice) / 2;
}

} // namespace vistaro
