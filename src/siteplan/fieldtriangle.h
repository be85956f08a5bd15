// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "siteplan/sitegeometry.h"

namespace vistaro {

// A stand-in for the plan's geometry until walls clip the views: each camera's horizontal field
// of view, a triangle from the camera to its aim distance cut into level bands at the level
// distances, with the ground's dead zone at its tip. Walls are ignored and no area counts as
// covered.
class FieldTriangleGeometry : public SiteGeometry {
public:
    CameraFootprint footprint(const SiteCamera& camera,
                              const std::vector<SiteWall>& walls) const override;
    AreaCoverage areaCoverage(const SiteArea& area,
                              const std::vector<CameraFootprint>& footprints) const override;
    double surface(const std::vector<PlanPoint>& polygon) const override;
};

} // namespace vistaro
