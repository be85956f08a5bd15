// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/plancoverage.h"

#include "site/footprint.h"

#include <algorithm>

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

QRectF boundsOf(const plane::Region& region) {
    const auto byX = [](const plane::Point& a, const plane::Point& b) { return a.x < b.x; };
    const auto byY = [](const plane::Point& a, const plane::Point& b) { return a.y < b.y; };
    QRectF box;
    for (const plane::Polygon& polygon : region) {
        if (polygon.outer.empty())
            continue;
        const auto [west, east] =
            std::minmax_element(polygon.outer.begin(), polygon.outer.end(), byX);
        const auto [south, north] =
            std::minmax_element(polygon.outer.begin(), polygon.outer.end(), byY);
        box |= QRectF(QPointF(west->x, south->y), QPointF(east->x, north->y));
    }
    return box;
}

PlanCoverage::PlanCoverage(const std::vector<SiteWall>& walls) : m_walls(segmentsOf(walls)) {}

void PlanCoverage::setWalls(const std::vector<SiteWall>& walls) {
    m_walls = plane::WallIndex(segmentsOf(walls));
}

CameraCover PlanCoverage::camera(const SiteCamera& camera, const LevelSet& levels) const {
    CameraCover cover;
    cover.bands.resize(levels.size());
    cover.meets.resize(levels.size());
    cover.reach.resize(levels.size());
    const FieldFootprint footprint = fieldFootprint(camera, levels);
    const plane::Point eye{camera.position.x, camera.position.y};
    // One look past the walls for the whole field; each band then keeps its visible part.
    std::vector<plane::Region> bands;
    for (const FieldBand& band : footprint.bands)
        bands.push_back(regionOf(band.corners));
    bands = m_geometry.visibleParts(eye, regionOf(fieldOutline(camera, levels)), bands, m_walls);
    for (std::size_t i = 0; i < bands.size(); ++i)
        cover.bands.at(footprint.bands[i].level) = std::move(bands[i]);
    cover.deadZone = m_geometry.visibleFrom(eye, regionOf(footprint.deadZone), m_walls);
    // Worked out once a camera, for every area that asks for one of the levels: from the highest
    // level down, each band joins what the levels above it meet. A band or a union alone is a
    // result of GEOS already, so it needs no union of its own.
    plane::Region better;
    for (Level level = levels.size(); level-- > 0;) {
        const plane::Region& band = cover.bands.at(level);
        better = better.empty() ? band : band.empty() ? better : m_geometry.unite({better, band});
        cover.meets.at(level) = better;
        cover.reach.at(level) = boundsOf(better);
    }
    if (!cover.meets.empty())
        cover.areaAtLevelM2 = m_geometry.area(cover.meets.at(levels.clamp(camera.level)));
    return cover;
}

AreaCover PlanCoverage::area(const SiteArea& area,
                             const std::vector<const CameraCover*>& covers) const {
    AreaCover result;
    const plane::Region surface = regionOf(area.points);
    const QRectF box = boundsOf(surface);
    const Level level = area.level;
    result.areaM2 = m_geometry.area(surface);
    std::vector<plane::Region> met;
    for (const CameraCover* cover : covers)
        if (level < cover->reach.size() && cover->reach.at(level).intersects(box))
            met.push_back(m_geometry.intersect(cover->meets.at(level), surface));
    result.covered = m_geometry.unite(met);
    if (result.areaM2 > 0)
        result.coveredShare = m_geometry.area(result.covered) / result.areaM2;
    return result;
}

} // namespace vistaro
