// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/plancoverage.h"

#include "site/footprint.h"

#include <algorithm>
#include <numbers>

namespace vistaro {

namespace {

std::vector<plane::Segment> segmentsOf(const std::vector<SiteWall>& walls) {
    std::vector<plane::Segment> segments;
    for (const SiteWall& wall : walls)
        for (std::size_t i = 1; wall.fullHeight() && i < wall.points.size(); ++i)
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

PlanCoverage::PlanCoverage(const std::vector<SiteWall>& walls,
                           const std::vector<PlanPoint>& boundary,
                           const std::vector<SiteObstacle>& obstacles)
    : m_walls(segmentsOf(walls)), m_blocks(sightBlocks(m_geometry, walls, obstacles)),
      m_boundary(regionOf(boundary)) {}

void PlanCoverage::setBoundary(const std::vector<PlanPoint>& boundary) {
    m_boundary = regionOf(boundary);
}

void PlanCoverage::setWalls(const std::vector<SiteWall>& walls,
                            const std::vector<SiteObstacle>& obstacles) {
    m_walls = plane::WallIndex(segmentsOf(walls));
    m_blocks = sightBlocks(m_geometry, walls, obstacles);
}

CameraCover PlanCoverage::camera(const SiteCamera& camera, const LevelSet& levels) const {
    CameraCover cover;
    cover.storey = camera.storey;
    cover.bands.resize(levels.size());
    cover.bandAreaM2.resize(levels.size());
    cover.labelAt.resize(levels.size());
    cover.reach.resize(levels.size());
    const FieldFootprint footprint = fieldFootprint(camera, levels);
    // One look past the walls for the whole field and the dead zone in front of it; then each
    // band and the dead zone keep their visible parts.
    plane::Region field = regionOf(footprint.deadZone);
    std::vector<plane::Piece> pieces;
    for (const FieldBand& band : footprint.bands)
        pieces.push_back({band.hole.empty()
                              ? regionOf(band.corners)
                              : m_geometry.subtract(regionOf(band.corners), regionOf(band.hole)),
                          plane::Point{band.middle.x, band.middle.y}});
    const plane::Region outline = regionOf(footprint.outline);
    field.insert(field.end(), outline.begin(), outline.end());
    pieces.push_back({regionOf(footprint.deadZone), std::nullopt, false});
    // The dead zone lies on the ground, below the target height that the blocks' shadows are
    // cast at: they take their part of the bands only.
    const std::vector<std::vector<plane::Point>> hidden =
        m_blocks.empty() ? std::vector<std::vector<plane::Point>>{}
                         : shadowsOf(camera.position, camera.mountHeightM, camera.targetHeightM,
                                     boundsOf(outline), m_blocks);
    std::vector<plane::SeenPiece> seen = m_geometry.visibleParts(
        {{camera.position.x, camera.position.y}, camera.panDeg * std::numbers::pi / 180}, field,
        pieces, m_walls, hidden);
    if (!m_boundary.empty())
        for (std::size_t i = 0; i < seen.size(); ++i) {
            seen[i].region = m_geometry.intersect(seen[i].region, m_boundary);
            seen[i].area = m_geometry.area(seen[i].region);
            seen[i].probeSeen = seen[i].probeSeen && i < footprint.bands.size() &&
                                m_geometry.covers(m_boundary, {footprint.bands[i].middle.x,
                                                               footprint.bands[i].middle.y});
        }
    cover.deadZone = std::move(seen.back().region);
    for (std::size_t i = 0; i < footprint.bands.size(); ++i) {
        const FieldBand& band = footprint.bands[i];
        cover.bands.at(band.level) = std::move(seen[i].region);
        cover.bandAreaM2.at(band.level) = seen[i].area;
        if (seen[i].probeSeen)
            cover.labelAt.at(band.level) = band.middle;
    }
    // The bands do not overlap: what meets a level or better adds up band by band, the highest
    // level first.
    QRectF reach;
    double better = 0;
    const Level wanted = levels.clamp(camera.level);
    for (Level level = levels.size(); level-- > 0;) {
        reach |= boundsOf(cover.bands.at(level));
        better += cover.bandAreaM2.at(level);
        cover.reach.at(level) = reach;
        if (level == wanted)
            cover.areaAtLevelM2 = better;
    }
    return cover;
}

AreaCover PlanCoverage::area(const SiteArea& area,
                             const std::vector<const CameraCover*>& covers) const {
    AreaCover result;
    const plane::Region surface = m_boundary.empty()
                                      ? regionOf(area.points)
                                      : m_geometry.intersect(regionOf(area.points), m_boundary);
    const QRectF box = boundsOf(surface);
    result.areaM2 = m_geometry.area(surface);
    std::vector<plane::Region> met;
    for (const CameraCover* cover : covers) {
        if (cover->storey != area.storey || area.level >= cover->reach.size() ||
            !cover->reach.at(area.level).intersects(box))
            continue;
        for (Level level = area.level; level < cover->bands.size(); ++level)
            if (boundsOf(cover->bands.at(level)).intersects(box))
                met.push_back(m_geometry.intersect(cover->bands.at(level), surface));
    }
    result.covered = m_geometry.unite(met);
    if (result.areaM2 > 0)
        result.coveredShare = m_geometry.area(result.covered) / result.areaM2;
    return result;
}

} // namespace vistaro
