// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/plancoverage.h"

#include "site/footprint.h"

namespace vistaro {

namespace {

std::vector<plane::Segment> segmentsOf(const std::vector<SiteWall>& walls) {
    std::vector<plane::Segment> segments;
    for (const SiteWall& wall : walls)
        for (std::size_t i = 1; i < wall.points.size(); ++i)
            segments.push_back({{wall.points[i - 1].x, wall.points[i - 1].y},
                                {wall.points[i].x, wall.points[i].y}});
    return segments;
}

} // namespace

plane::Region regionOf(const std::vector<PlanPoint>& corners) {
    if (corners.empty())
        return {};
    plane::Ring ring;
    ring.reserve(corners.size());
    for (const PlanPoint& corner : corners)
        ring.push_back({corner.x, corner.y});
    return {plane::Polygon{std::move(ring), {}}};
}

PlanCoverage::PlanCoverage(const std::vector<SiteWall>& walls) : m_walls(segmentsOf(walls)) {}

void PlanCoverage::setWalls(const std::vector<SiteWall>& walls) {
    m_walls = plane::WallIndex(segmentsOf(walls));
}

CameraCover PlanCoverage::camera(const SiteCamera& camera) const {
    CameraCover cover;
    const FieldFootprint footprint = fieldFootprint(camera);
    const plane::Point eye{camera.position.x, camera.position.y};
    // One look past the walls for the whole field; each band then keeps its visible part.
    const plane::Region seen = m_geometry.visibleFrom(eye, regionOf(fieldOutline(camera)), m_walls);
    for (const FieldBand& band : footprint.bands)
        cover.bands.at(static_cast<std::size_t>(band.level)) =
            m_geometry.intersect(regionOf(band.corners), seen);
    cover.deadZone = m_geometry.visibleFrom(eye, regionOf(footprint.deadZone), m_walls);
    // Worked out once a camera, for every area that asks for one of the levels.
    for (const Level level : AllLevels) {
        std::vector<plane::Region> met;
        for (const Level band : AllLevels)
            if (band >= level)
                met.push_back(cover.bands.at(static_cast<std::size_t>(band)));
        cover.meets.at(static_cast<std::size_t>(level)) = m_geometry.unite(met);
    }
    cover.areaAtLevelM2 = m_geometry.area(cover.meets.at(static_cast<std::size_t>(camera.level)));
    return cover;
}

AreaCover PlanCoverage::area(const SiteArea& area,
                             const std::vector<const CameraCover*>& covers) const {
    AreaCover result;
    const plane::Region surface = regionOf(area.points);
    result.areaM2 = m_geometry.area(surface);
    std::vector<plane::Region> met;
    met.reserve(covers.size());
    for (const CameraCover* cover : covers)
        met.push_back(
            m_geometry.intersect(cover->meets.at(static_cast<std::size_t>(area.level)), surface));
    result.covered = m_geometry.unite(met);
    if (result.areaM2 > 0)
        result.coveredShare = m_geometry.area(result.covered) / result.areaM2;
    return result;
}

} // namespace vistaro
