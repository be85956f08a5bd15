// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/sightblock.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vistaro {

namespace {

// Far copies of a part stay this close to the origin, well within what the geometry takes.
constexpr double FarthestCopy = 1e8;

// A box around the point that unites with others: a box of no size would count for none.
QRectF around(PlanPoint point) {
    return QRectF(point.x, point.y, 0, 0).adjusted(-1e-9, -1e-9, 1e-9, 1e-9);
}

QRectF boxOf(const std::vector<PlanPoint>& points) {
    QRectF box;
    for (const PlanPoint& point : points)
        box |= around(point);
    return box;
}

double distance(plane::Point a, plane::Point b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// From `at` to the nearest point of the part's edges.
double distanceToEdges(plane::Point at, const plane::Ring& part) {
    double nearest = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < part.size(); ++i) {
        const plane::Point a = part[i];
        const plane::Point b = part[(i + 1) % part.size()];
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        const double length2 = dx * dx + dy * dy;
        const double along =
            length2 > 0 ? std::clamp(((at.x - a.x) * dx + (at.y - a.y) * dy) / length2, 0.0, 1.0)
                        : 0.0;
        nearest = std::min(nearest, distance(at, {a.x + along * dx, a.y + along * dy}));
    }
    return nearest;
}

} // namespace

std::vector<SightBlock> sightBlocks(const plane::Geometry& geometry,
                                    const std::vector<SiteWall>& walls,
                                    const std::vector<SiteObstacle>& obstacles) {
    std::vector<SightBlock> blocks;
    for (const SiteWall& wall : walls) {
        if (wall.fullHeight())
            continue;
        SightBlock block{{},
                         wall.bottomM,
                         wall.topM.value_or(std::numeric_limits<double>::infinity()),
                         boxOf(wall.points)};
        for (std::size_t i = 1; i < wall.points.size(); ++i)
            block.parts.push_back({{wall.points[i - 1].x, wall.points[i - 1].y},
                                   {wall.points[i].x, wall.points[i].y}});
        blocks.push_back(std::move(block));
    }
    for (const SiteObstacle& obstacle : obstacles) {
        plane::Ring outline;
        for (const PlanPoint& point : obstacle.points)
            outline.push_back({point.x, point.y});
        blocks.push_back({geometry.convexParts({plane::Polygon{std::move(outline), {}}}),
                          obstacle.bottomM, obstacle.topM, boxOf(obstacle.points)});
    }
    return blocks;
}

std::optional<HiddenSpread> hiddenSpread(double cameraM, double targetM, double bottomM,
                                         double topM) {
    if (!(bottomM <= topM))
        return std::nullopt;
    if (cameraM == targetM) {
        // A level line stays at the camera's height all the way.
        if (bottomM <= cameraM && cameraM <= topM)
            return HiddenSpread{1, std::nullopt};
        return std::nullopt;
    }
    // Where the line reaches each height; an infinite top is reached at an infinite fraction.
    const double atBottom = (bottomM - cameraM) / (targetM - cameraM);
    const double atTop = (topM - cameraM) / (targetM - cameraM);
    const double s0 = std::max(std::min(atBottom, atTop), 0.0);
    const double s1 = std::min(std::max(atBottom, atTop), 1.0);
    if (!(s1 > 0 && s0 <= s1))
        return std::nullopt;
    return HiddenSpread{1 / s1, s0 > 0 ? std::optional(1 / s0) : std::nullopt};
}

std::vector<std::vector<plane::Point>> shadowsOf(PlanPoint camera, double cameraM, double targetM,
                                                 const QRectF& field,
                                                 const std::vector<SightBlock>& blocks) {
    const plane::Point at{camera.x, camera.y};
    // A sight line to the field lies in the box of the field and the camera.
    const QRectF sight = field | around(camera);
    const double reach = std::max({distance(at, {sight.left(), sight.top()}),
                                   distance(at, {sight.right(), sight.top()}),
                                   distance(at, {sight.left(), sight.bottom()}),
                                   distance(at, {sight.right(), sight.bottom()})});
    std::vector<std::vector<plane::Point>> shadows;
    for (const SightBlock& block : blocks) {
        if (!block.box.intersects(sight))
            continue;
        const std::optional<HiddenSpread> spread =
            hiddenSpread(cameraM, targetM, block.bottomM, block.topM);
        if (!spread)
            continue;
        // The union over k of the copies C + k (O - C) of a convex part O is the convex hull of
        // the copies at the two ends of k: a point between the ends, C + k (Q - C) with
        // k = a kn + (1 - a) kf, is a (1 - a, a) mix of Q's two copies, so lies in the hull; a
        // mix of two points of the union, C + ki (Qi - C), is C + k (Q - C) with k their mixed k
        // and Q a mix of Q1 and Q2, in O as O is convex: the union is convex and holds both ends.
        for (const plane::Ring& part : block.parts) {
            double farthest = 0;
            for (const plane::Point& corner : part)
                farthest = std::max(farthest, distance(at, corner));
            if (farthest == 0)
                continue;
            // With no end, far enough that the part's nearest point goes past the field (short of
            // it only on lines grazing a part that touches the camera).
            const double farK = spread->farK.value_or(std::min(
                reach / std::max(distanceToEdges(at, part), 1e-12), FarthestCopy / farthest));
            std::vector<plane::Point> copies;
            for (const double k : {spread->nearK, std::max(farK, spread->nearK)})
                for (const plane::Point& corner : part)
                    copies.push_back({at.x + k * (corner.x - at.x), at.y + k * (corner.y - at.y)});
            shadows.push_back(std::move(copies));
        }
    }
    return shadows;
}

} // namespace vistaro
