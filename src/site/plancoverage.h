// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "geometry/geometry.h"
#include "site/sightblock.h"
#include "site/site.h"

#include <QRectF>
#include <optional>
#include <vector>

namespace vistaro {

// What one camera covers on the plan once the walls have taken their part.
struct CameraCover {
    // By level of the site's set: where the camera meets that level and no higher one, as far
    // as it can see.
    std::vector<plane::Region> bands;
    // By level: the surface of `bands`, in square metres.
    std::vector<double> bandAreaM2;
    // By level: the middle of the band on the camera's axis, when the camera sees it there.
    std::vector<std::optional<PlanPoint>> labelAt;
    // By level: the box around the bands of that level or better (plan coordinates), so that an
    // area outside it is known to be uncovered by this camera without asking GEOS.
    std::vector<QRectF> reach;
    plane::Region deadZone; // the ground it cannot see in front of it
    // The surface where it meets its own wanted level or better, in square metres.
    double areaAtLevelM2 = 0;
    int storey = 0; // the camera's: it covers the areas of that storey only

    bool operator==(const CameraCover&) const = default;
};

// How much of an area to cover is covered at its level by at least one camera.
struct AreaCover {
    double areaM2 = 0;
    plane::Region covered;
    std::optional<double> coveredShare; // 0 to 1; none for an area of no surface
};

// Works out the plan's coverage with the walls indexed once: a camera dragged over the plan is
// worked out again alone, and the areas from the cameras' covers as they stand. A site boundary
// cuts both: what lies outside it is neither covered nor asked for. Full-height walls hide all
// that lies behind them; the obstacles and the walls with heights hide what they hide between
// their heights.
class PlanCoverage {
public:
    explicit PlanCoverage(const std::vector<SiteWall>& walls = {},
                          const std::vector<PlanPoint>& boundary = {},
                          const std::vector<SiteObstacle>& obstacles = {});

    void setWalls(const std::vector<SiteWall>& walls,
                  const std::vector<SiteObstacle>& obstacles = {});
    // Empty for none.
    void setBoundary(const std::vector<PlanPoint>& boundary);

    CameraCover camera(const SiteCamera& camera, const LevelSet& levels) const;
    // The part of `area` within the boundary that at least one of `covers` of the area's storey
    // covers at the area's level or better; its share is of that part of the area.
    AreaCover area(const SiteArea& area, const std::vector<const CameraCover*>& covers) const;
    // The surface of a region, in square metres.
    double surface(const plane::Region& region) const { return m_geometry.area(region); }

private:
    plane::Geometry m_geometry;
    plane::WallIndex m_walls; // the full-height ones
    std::vector<SightBlock> m_blocks;
    plane::Region m_boundary; // empty for none
};

// A polygon of the plan as the geometry takes it.
plane::Region regionOf(const std::vector<PlanPoint>& corners);

// The box around a region (x east, y north); a null one for an empty region. Two regions whose
// boxes do not overlap share no surface.
QRectF boundsOf(const plane::Region& region);

} // namespace vistaro
