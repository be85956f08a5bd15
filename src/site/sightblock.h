// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "geometry/geometry.h"
#include "site/site.h"

#include <QRectF>
#include <optional>
#include <vector>

namespace vistaro {

// Something that blocks sight between two heights above the floor, seen from above as convex
// parts: the triangles of an obstacle's outline (or the outline whole, when convex), or the
// segments of a wall with heights (rings of two points).
struct SightBlock {
    std::vector<plane::Ring> parts;
    double bottomM = 0;
    double topM = 0; // infinite: up to the ceiling
    QRectF box;      // around every part
};

// The obstacles, and the walls that do not stand full height, as blocks; the full-height walls
// are left to the walls' own exact visibility.
std::vector<SightBlock> sightBlocks(const plane::Geometry& geometry,
                                    const std::vector<SiteWall>& walls,
                                    const std::vector<SiteObstacle>& obstacles);

// Which multiples k of a footprint point's offset from the camera a block hides: the points
// C + k (Q - C), Q in the footprint, for k from nearK to farK (none: with no end).
struct HiddenSpread {
    double nearK = 1;
    std::optional<double> farK;

    bool operator==(const HiddenSpread&) const = default;
};

// Along the sight line from the camera at `cameraM` to a point at `targetM`, the height at the
// fraction s of the way is cameraM + s (targetM - cameraM): the line passes over the block's
// footprint within its heights for s in an interval [s0, s1] of (0, 1], so for k = 1 / s in
// [1 / s1, 1 / s0]. None when the line never lies within them beyond the camera.
std::optional<HiddenSpread> hiddenSpread(double cameraM, double targetM, double bottomM,
                                         double topM);

// What the blocks hide from a camera at `camera`, `cameraM` high, of a field at `targetM` that
// lies within `field` (a box): for each part, the corners of its copies at the two ends of its
// spread, whose convex hull it hides; the hulls overlap. An unbounded spread goes beyond the
// field. The hulls are left to be made where they matter: most fall on nothing seen.
std::vector<std::vector<plane::Point>> shadowsOf(PlanPoint camera, double cameraM, double targetM,
                                                 const QRectF& field,
                                                 const std::vector<SightBlock>& blocks);

} // namespace vistaro
