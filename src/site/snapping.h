// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/site.h"

#include <memory>
#include <optional>
#include <vector>

namespace vistaro {

namespace plane {
class WallIndex;
}

// What a point drawn on the plan was drawn to.
enum class SnapKind { None, End, Line, Grid };

struct Snapped {
    PlanPoint point;
    SnapKind kind = SnapKind::None;

    bool operator==(const Snapped&) const = default;
};

// The point of the segment from `a` to `b` nearest to `at`.
PlanPoint nearestOn(const PlanPoint& a, const PlanPoint& b, const PlanPoint& at);

// How a point snaps: within `tolerance` metres of a wall, else to the grid of `grid` metres
// (none when 0); `on` false leaves the point as it is.
struct SnapRule {
    double tolerance = 0;
    double grid = 0;
    bool on = true;
};

// The walls of a site, indexed once, that points drawn on the plan snap to: a wall's corner
// (its ends and the points between) before a point on its line, and either before the grid.
class WallSnapper {
public:
    explicit WallSnapper(const std::vector<SiteWall>& walls);
    ~WallSnapper();
    WallSnapper(WallSnapper&&) noexcept;
    WallSnapper& operator=(WallSnapper&&) noexcept;

    Snapped snap(const PlanPoint& at, const SnapRule& rule) const;

private:
    std::unique_ptr<plane::WallIndex> m_index;
};

// `value` at the nearest multiple of `step` (as it is when `step` is not positive), written to
// the micrometre so that a whole number of steps reads as typed: 10, not 9.999999999999998.
double onGrid(double value, double step);

// The point `length` metres from `from` in the direction `degrees` counter-clockwise from east;
// the four main directions exact.
PlanPoint pointAt(const PlanPoint& from, double length, double degrees);

// `to` turned about `from` to the nearest multiple of `stepDegrees`, its distance kept but
// rounded to a multiple of `grid` (kept as it is when `grid` is 0).
PlanPoint heldAtAngle(const PlanPoint& from, const PlanPoint& to, double stepDegrees, double grid);

} // namespace vistaro
