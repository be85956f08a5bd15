// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/coverageresult.h"
#include "site/site.h"

#include <optional>
#include <vector>

namespace vistaro {

// A polygon on the plan, counter-clockwise, not closed (the last corner is not the first again).
using PlanPolygon = std::vector<PlanPoint>;

// The coverage window's query for a camera of the plan. A zoom is drawn and judged at `focalMm`,
// its wide end, as the coverage window's first row; `focalTeleMm` is kept to show the camera
// there and in the tables.
CoverageQuery coverageQuery(const SiteCamera& camera, const LevelSet& levels);

// The coverage window's figures for the camera (angles, density at the aim distance and the
// level it reaches there, level distances), so that one camera on the plan shows what that
// window shows for the same inputs, aimed by a tilt too.
CoverageResult cameraCoverage(const SiteCamera& camera, const LevelSet& levels);

// The camera as it stands, its field worked out at another target height: aimed by the tilt it
// has, so that only the plane its field is drawn on moves. Unchanged when its inputs give no tilt.
SiteCamera atTargetHeight(const SiteCamera& camera, const LevelSet& levels, double heightM);

// Where the view meets a horizontal plane, as distances ahead of the camera's foot.
struct AxialRange {
    double nearM = 0;
    std::optional<double> farM; // none: the view reaches the horizon, unbounded

    bool operator==(const AxialRange&) const = default;
};

// A part of the field seen from above: its corners and, of a field all around with an inner
// edge, the disc inside that edge, which is no part of it.
struct FieldShape {
    PlanPolygon corners;
    PlanPolygon hole;
};

// One level's band of the field: where that level is met, and no higher one.
struct FieldBand {
    Level level = 0;
    AxialRange range; // always bounded; on the camera's axis
    PlanPolygon corners;
    PlanPolygon hole; // see FieldShape
    PlanPoint middle; // on the camera's axis, halfway through the band: where its name reads
};

// What a camera covers, seen from above on the plane of the target height, turned by the pan and
// placed at the camera. A rectilinear lens sees a keystone, half-width z w / 2f at depth
// z = x cos t + (h - target) sin t for a point x ahead (w the imaged width, f the focal length,
// t the tilt), its bands ending at the depths of their levels. A lens of another projection sees
// a sector of its horizontal angle, cut at distances from the camera, its bands ending on each
// ray where the density falls below the level; a field of 360° or more is all around.
struct FieldFootprint {
    // The field at the target height, from its near edge (h - target) / tan(t + v/2) to its far
    // edge (h - target) / tan(t - v/2); none when the view never reaches that height.
    std::optional<AxialRange> field;
    // The field cut where each level ends, the highest level first, nearest the camera; a level
    // whose band lies outside the field is left out. The lowest level's band ends where that
    // level does, so the bands are finite even when the field is not.
    std::vector<FieldBand> bands;
    // The outline of the bands: the whole field at the target height where any level is met,
    // its far edge capped at the detection distance (beyond it no level is met, and an
    // unbounded field gets a finite polygon). Empty when no level is met anywhere in the field.
    // All around, the disc out to that edge.
    PlanPolygon outline;
    // The ground the camera cannot see in front of it, from its foot to h / tan(t + v/2);
    // empty when it sees the ground right below it, or no ground at all.
    PlanPolygon deadZone;
};

// Empty when the camera's inputs do not give a field (see cameraCoverage's problem).
FieldFootprint fieldFootprint(const SiteCamera& camera, const LevelSet& levels);

} // namespace vistaro
