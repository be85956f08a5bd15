// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/plangeometry.h"

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

} // namespace

CameraFootprint PlanGeometry::footprint(const SiteCamera& camera,
                                        const std::vector<SiteWall>& walls) const {
    if (walls != m_walls) {
        m_coverage.setWalls(walls);
        m_walls = walls;
    }
    CameraFootprint footprint;
    footprint.cover = m_coverage.camera(camera);
    // The highest level first, nearest the camera, as the field's bands come.
    for (auto level = AllLevels.rbegin(); level != AllLevels.rend(); ++level) {
        const auto at = static_cast<std::size_t>(*level);
        const plane::Region& seen = footprint.cover.bands.at(at);
        if (!seen.empty())
            footprint.bands.push_back({*level, shapeOf(seen), footprint.cover.bandAreaM2.at(at),
                                       footprint.cover.labelAt.at(at)});
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
