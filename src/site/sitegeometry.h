// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/levels.h"
#include "site/plancoverage.h"
#include "site/site.h"

#include <optional>
#include <vector>

namespace vistaro {

// A region of the plan: closed rings, a point lying inside when an odd number of rings hold it
// (a hole is a ring inside a ring), as an odd-even fill draws it.
struct PlanShape {
    std::vector<std::vector<PlanPoint>> rings;

    bool operator==(const PlanShape&) const = default;
};

// The part of a camera's view where `level` is the best level it meets.
struct LevelBand {
    Level level = 0;
    PlanShape shape;
    double areaM2 = 0;
    std::optional<PlanPoint> labelAt; // where its name reads inside it

    bool operator==(const LevelBand&) const = default;
};

// What one camera covers, seen from above, with the walls in its way.
struct CameraFootprint {
    std::vector<LevelBand> bands; // at most one a level
    PlanShape deadZone;           // the ground in front of the camera that it does not see
    CameraCover cover;            // the same as regions, for the areas' coverage

    // The surface (m²) where `level` or better is met.
    double areaAtLevel(Level level) const {
        double sum = 0;
        for (const LevelBand& band : bands)
            if (band.level >= level)
                sum += band.areaM2;
        return sum;
    }

    bool operator==(const CameraFootprint&) const = default;
};

// How much of an area the cameras cover at its level.
struct AreaCoverage {
    double share = 0;  // 0 to 1
    PlanShape covered; // the covered part of the area

    bool operator==(const AreaCoverage&) const = default;
};

// The geometry of the plan. The site plan asks only this for what the cameras cover, so the
// computation behind it can change without the windows knowing.
class SiteGeometry {
public:
    virtual ~SiteGeometry() = default;

    // What `camera` sees at the levels of `levels`, clipped by `walls` and `obstacles` and cut
    // at the site's `boundary` (none when empty).
    virtual CameraFootprint footprint(const SiteCamera& camera, const LevelSet& levels,
                                      const std::vector<SiteWall>& walls,
                                      const std::vector<PlanPoint>& boundary = {},
                                      const std::vector<SiteObstacle>& obstacles = {}) const = 0;
    // What each camera sees, as footprint() gives for each, in the cameras' order.
    virtual std::vector<CameraFootprint>
    footprints(const std::vector<SiteCamera>& cameras, const LevelSet& levels,
               const std::vector<SiteWall>& walls, const std::vector<PlanPoint>& boundary = {},
               const std::vector<SiteObstacle>& obstacles = {}) const = 0;
    // The part of `area` within `boundary` that at least one footprint covers at the area's
    // level or better.
    virtual AreaCoverage areaCoverage(const SiteArea& area,
                                      const std::vector<CameraFootprint>& footprints,
                                      const std::vector<PlanPoint>& boundary = {}) const = 0;
    // The surface of a closed polygon, in m².
    virtual double surface(const std::vector<PlanPoint>& polygon) const = 0;

protected:
    SiteGeometry() = default;
    SiteGeometry(const SiteGeometry&) = default;
    SiteGeometry& operator=(const SiteGeometry&) = default;
};

} // namespace vistaro
