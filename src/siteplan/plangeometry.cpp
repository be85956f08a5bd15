// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/plangeometry.h"

#include "site/footprint.h"

#include <cmath>
#include <numbers>

namespace vistaro {

namespace {

// Every ring of a region, holes among them: an odd-even fill draws it as it is.
PlanShape shapeOf(const plane::Region& region) {
    PlanShape shape;
    const auto add = [&shape](const plane::Ring& ring) {
        std::vector<PlanPoint> points;
        points.reserve(ring.size());
        for (const plane::Point& point : ring)
            points.push_back({point.x, point.y});
        shape.rings.push_back(std::move(points));
    };
    for (const plane::Polygon& polygon : region) {
        add(polygon.outer);
        for (const plane::Ring& hole : polygon.holes)
            add(hole);
    }
    return shape;
}

// The middle of a band on the camera's axis, where its name reads when the walls leave it.
PlanPoint middleOf(const SiteCamera& camera, const AxialRange& range) {
    const double along = (range.nearM + range.farM.value_or(range.nearM)) / 2;
    const double pan = camera.panDeg * std::numbers::pi / 180;
    return {camera.position.x + along * std::cos(pan), camera.position.y + along * std::sin(pan)};
}

} // namespace

CameraFootprint PlanGeometry::footprint(const SiteCamera& camera, const LevelSet& levels,
                                        const std::vector<SiteWall>& walls) const {
    if (walls != m_walls) {
        m_coverage.setWalls(walls);
        m_walls = walls;
    }
    CameraFootprint footprint;
    footprint.cover = m_coverage.camera(camera, levels);
    for (const FieldBand& band : fieldFootprint(camera, levels).bands) {
        const plane::Region& seen = footprint.cover.bands.at(band.level);
        if (seen.empty())
            continue;
        const PlanPoint middle = middleOf(camera, band.range);
        const bool labelled = m_coverage.covers(seen, middle);
        footprint.bands.push_back({band.level, shapeOf(seen), m_coverage.surface(seen),
                                   labelled ? std::optional(middle) : std::nullopt});
    }
    footprint.deadZone = shapeOf(footprint.cover.deadZone);
    return footprint;
}

AreaCoverage PlanGeometry::areaCoverage(const SiteArea& area,
                                        const std::vector<CameraFootprint>& footprints) const {
    std::vector<const CameraCover*> covers;
    covers.reserve(footprints.size());
    for (const CameraFootprint& footprint : footprints)
        covers.push_back(&footprint.cover);
    const AreaCover cover = m_coverage.area(area, covers);
    return {cover.coveredShare.value_or(0), shapeOf(cover.covered)};
}

double PlanGeometry::surface(const std::vector<PlanPoint>& polygon) const {
    return m_coverage.surface(regionOf(polygon));
}

} // namespace vistaro
