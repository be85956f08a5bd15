// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/plancoverage.h"
#include "site/sitegeometry.h"

#include <map>

namespace vistaro {

// Every ring of a region, holes among them: an odd-even fill draws it as it is.
PlanShape shapeOf(const plane::Region& region);

// The plan's geometry as the site plan shows it: each camera's level bands at target height,
// what the walls and obstacles of its storey leave of them, and the share of each area covered
// by the cameras of its storey, worked out with GEOS. A storey's walls are indexed again only
// when they changed since its last camera; every camera at once is worked out on every core.
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
    // One storey's walls and obstacles, indexed, cut at the boundary.
    struct Storey {
        std::vector<SiteWall> walls;
        std::vector<SiteObstacle> obstacles;
        std::vector<PlanPoint> boundary;
        PlanCoverage coverage;
    };

    // `storey`'s coverage, indexed again only when its walls, obstacles or the boundary changed.
    const PlanCoverage& useStorey(int storey, const std::vector<SiteWall>& walls,
                                  const std::vector<PlanPoint>& boundary,
                                  const std::vector<SiteObstacle>& obstacles) const;

    mutable std::map<int, Storey> m_storeys;
    mutable std::vector<PlanPoint> m_boundary; // the last one asked for
    mutable PlanCoverage m_areas;              // cut at m_boundary, for the areas alone
};

// Every ring of a region, holes among them: an odd-even fill draws it as it is.
PlanShape shapeOf(const plane::Region& region);

} // namespace vistaro
