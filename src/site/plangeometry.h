// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/plancoverage.h"
#include "site/sitegeometry.h"

namespace vistaro {

// Every ring of a region, holes among them: an odd-even fill draws it as it is.
PlanShape shapeOf(const plane::Region& region);

// The plan's geometry as the site plan shows it: each camera's level bands at target height,
// what the walls leave of them, and the share of each area covered, worked out with GEOS. The
// walls are indexed again only when they changed since the last camera; every camera at once is
// worked out on every core.
class PlanGeometry : public SiteGeometry {
public:
    CameraFootprint footprint(const SiteCamera& camera, const LevelSet& levels,
                              const std::vector<SiteWall>& walls,
                              const std::vector<PlanPoint>& boundary = {},
                              const std::vector<SiteObstacle>& obstacles = {}) const override;
    std::vector<CameraFootprint>
    footprints(const std::vector<SiteCamera>& cameras, const LevelSet& levels,
               const std::vector<SiteWall>& walls, const std::vector<PlanPoint>& boundary = {},
               const std::vector<SiteObstacle>& obstacles = {}) const override;
    AreaCoverage areaCoverage(const SiteArea& area, const std::vector<CameraFootprint>& footprints,
                              const std::vector<PlanPoint>& boundary = {}) const override;
    double surface(const std::vector<PlanPoint>& polygon) const override;

private:
    void useSite(const std::vector<SiteWall>& walls, const std::vector<PlanPoint>& boundary,
                 const std::vector<SiteObstacle>& obstacles) const;

    mutable std::vector<SiteWall> m_walls;
    mutable std::vector<SiteObstacle> m_obstacles;
    mutable std::vector<PlanPoint> m_boundary;
    mutable PlanCoverage m_coverage;
};

// Every ring of a region, holes among them: an odd-even fill draws it as it is.
PlanShape shapeOf(const plane::Region& region);

} // namespace vistaro
