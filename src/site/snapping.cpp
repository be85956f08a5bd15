// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/snapping.h"

#include "geometry/geometry.h"
#include "site/plancoordinates.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vistaro {

namespace {

double distance(const PlanPoint& a, const PlanPoint& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

} // namespace

PlanPoint nearestOn(const PlanPoint& a, const PlanPoint& b, const PlanPoint& at) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    const double t =
        length2 > 0 ? std::clamp(((at.x - a.x) * dx + (at.y - a.y) * dy) / length2, 0.0, 1.0) : 0;
    // Along a wall drawn east-west or north-south the pointer's other coordinate stays as it is.
    if (dy == 0)
        return {std::clamp(at.x, std::min(a.x, b.x), std::max(a.x, b.x)), a.y};
    if (dx == 0)
        return {a.x, std::clamp(at.y, std::min(a.y, b.y), std::max(a.y, b.y))};
    return {a.x + t * dx, a.y + t * dy};
}

WallSnapper::WallSnapper(const std::vector<SiteWall>& walls) {
    std::vector<plane::Segment> segments;
    for (const SiteWall& wall : walls)
        for (std::size_t i = 1; i < wall.points.size(); ++i)
            segments.push_back({{wall.points[i - 1].x, wall.points[i - 1].y},
                                {wall.points[i].x, wall.points[i].y}});
    m_index = std::make_unique<plane::WallIndex>(segments);
}

WallSnapper::~WallSnapper() = default;
WallSnapper::WallSnapper(WallSnapper&&) noexcept = default;
WallSnapper& WallSnapper::operator=(WallSnapper&&) noexcept = default;

Snapped WallSnapper::snap(const PlanPoint& at, const SnapRule& rule) const {
    if (!rule.on || !std::isfinite(at.x) || !std::isfinite(at.y))
        return {at, SnapKind::None};
    const double reach = std::max(rule.tolerance, 0.0);
    std::optional<Snapped> best;
    double bestDistance = 0;
    const auto consider = [&](const PlanPoint& point, SnapKind kind) {
        const double away = distance(point, at);
        if (away > reach)
            return;
        // A corner within reach wins over any line, the nearer of two of a kind.
        if (best &&
            ((best->kind == SnapKind::End) != (kind == SnapKind::End) ? kind != SnapKind::End
                                                                      : away >= bestDistance))
            return;
        best = Snapped{point, kind};
        bestDistance = away;
    };
    for (const plane::Segment& wall :
         m_index->meeting({at.x - reach, at.y - reach}, {at.x + reach, at.y + reach})) {
        const PlanPoint a{wall.a.x, wall.a.y};
        const PlanPoint b{wall.b.x, wall.b.y};
        consider(a, SnapKind::End);
        consider(b, SnapKind::End);
        consider(nearestOn(a, b, at), SnapKind::Line);
    }
    if (best)
        return *best;
    if (rule.grid > 0)
        return {{onGrid(at.x, rule.grid), onGrid(at.y, rule.grid)}, SnapKind::Grid};
    return {at, SnapKind::None};
}

double onGrid(double value, double step) {
    if (!(step > 0) || !std::isfinite(value))
        return value;
    constexpr double Micrometres = 1e6;
    return std::round(std::round(value / step) * step * Micrometres) / Micrometres;
}

PlanPoint pointAt(const PlanPoint& from, double length, double degrees) {
    double cos = std::cos(degrees * std::numbers::pi / 180);
    double sin = std::sin(degrees * std::numbers::pi / 180);
    if (std::fmod(degrees, 90) == 0) {
        cos = std::round(cos);
        sin = std::round(sin);
    }
    return {from.x + length * cos, from.y + length * sin};
}

PlanPoint heldAtAngle(const PlanPoint& from, const PlanPoint& to, double stepDegrees, double grid) {
    const double length = distance(from, to);
    if (!(length > 0) || !(stepDegrees > 0))
        return to;
    const double degrees = std::round(panTowards(from, to) / stepDegrees) * stepDegrees;
    return pointAt(from, onGrid(length, grid), degrees);
}

} // namespace vistaro
