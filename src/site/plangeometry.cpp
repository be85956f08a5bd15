// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/plangeometry.h"

#include <algorithm>
#include <iterator>
#include <thread>

namespace vistaro {

namespace {

// At most this many threads work out the cameras at once.
constexpr std::size_t MaxWorkers = 8;

// What the camera covers, worked out with `coverage`'s walls.
CameraFootprint footprintWith(const PlanCoverage& coverage, const SiteCamera& camera,
                              const LevelSet& levels) {
    CameraFootprint footprint;
    footprint.cover = coverage.camera(camera, levels);
    // The highest level first, nearest the camera, as the field's bands come.
    for (Level level = footprint.cover.bands.size(); level-- > 0;) {
        const plane::Region& seen = footprint.cover.bands.at(level);
        if (!seen.empty())
            footprint.bands.push_back({level, shapeOf(seen), footprint.cover.bandAreaM2.at(level),
                                       footprint.cover.labelAt.at(level)});
    }
    footprint.deadZone = shapeOf(footprint.cover.deadZone);
    return footprint;
}

// The items of `all` on `storey`, in their order.
template <typename Item> std::vector<Item> onStorey(const std::vector<Item>& all, int storey) {
    std::vector<Item> own;
    std::copy_if(all.begin(), all.end(), std::back_inserter(own),
                 [storey](const Item& item) { return item.storey == storey; });
    return own;
}

// Whether the items of `all` on `storey` are `kept`, in order, without copying them.
template <typename Item>
bool sameOnStorey(const std::vector<Item>& all, int storey, const std::vector<Item>& kept) {
    auto next = kept.begin();
    for (const Item& item : all)
        if (item.storey == storey && (next == kept.end() || !(*next++ == item)))
            return false;
    return next == kept.end();
}

} // namespace

PlanShape shapeOf(const plane::Region& region) {
    PlanShape shape;
    const auto add = [&shape](const plane::Ring& ring) {
        std::vector<PlanPoint> points;
        points.reserve(ring.size());
        for (const plane::Point& point : ring)
            points.push_back({point.x, point.y});
        shape.rings.push_back(std::move(points));
    };
    for (const plane::Polygon& polygon : region) {
        add(polygon.outer);
        for (const plane::Ring& hole : polygon.holes)
            add(hole);
    }
    return shape;
}

const PlanCoverage& PlanGeometry::useStorey(int storey, const std::vector<SiteWall>& walls,
                                            const std::vector<PlanPoint>& boundary,
                                            const std::vector<SiteObstacle>& obstacles) const {
    Storey& own = m_storeys[storey];
    if (!sameOnStorey(walls, storey, own.walls) ||
        !sameOnStorey(obstacles, storey, own.obstacles)) {
        own.walls = onStorey(walls, storey);
        own.obstacles = onStorey(obstacles, storey);
        own.coverage.setWalls(own.walls, own.obstacles);
    }
    if (boundary != own.boundary) {
        own.coverage.setBoundary(boundary);
        own.boundary = boundary;
    }
    return own.coverage;
}

CameraFootprint PlanGeometry::footprint(const SiteCamera& camera, const LevelSet& levels,
                                        const std::vector<SiteWall>& walls,
                                        const std::vector<PlanPoint>& boundary,
                                        const std::vector<SiteObstacle>& obstacles) const {
    return footprintWith(useStorey(camera.storey, walls, boundary, obstacles), camera, levels);
}

std::vector<CameraFootprint>
PlanGeometry::footprints(const std::vector<SiteCamera>& cameras, const LevelSet& levels,
                         const std::vector<SiteWall>& walls, const std::vector<PlanPoint>& boundary,
                         const std::vector<SiteObstacle>& obstacles) const {
    // Every core takes every n-th camera, so that crowded and empty parts of the plan share out
    // evenly. A worker has a GEOS context and a wall index of its own for each storey it meets
    // (made in about a millisecond): the workers share nothing but what they read. A few cameras
    // are not worth a thread.
    constexpr std::size_t CamerasPerWorker = 8;
    const std::size_t workers =
        std::clamp<std::size_t>(std::min<std::size_t>(std::thread::hardware_concurrency(),
                                                      cameras.size() / CamerasPerWorker),
                                1, MaxWorkers);
    std::vector<CameraFootprint> result(cameras.size());
    const auto work = [&](const auto& coverageOf, std::size_t first) {
        for (std::size_t i = first; i < cameras.size(); i += workers)
            result[i] = footprintWith(coverageOf(cameras[i].storey), cameras[i], levels);
    };
    {
        std::vector<std::jthread> helpers;
        for (std::size_t first = 1; first < workers; ++first)
            helpers.emplace_back([&, first] {
                std::map<int, PlanCoverage> own;
                work(
                    [&](int storey) -> const PlanCoverage& {
                        const auto made = own.try_emplace(storey);
                        if (made.second) {
                            made.first->second.setWalls(onStorey(walls, storey),
                                                        onStorey(obstacles, storey));
                            made.first->second.setBoundary(boundary);
                        }
                        return made.first->second;
                    },
                    first);
            });
        // This thread's index of a storey checked against the site once for all its cameras.
        std::map<int, const PlanCoverage*> mine;
        work(
            [&](int storey) -> const PlanCoverage& {
                const auto found = mine.try_emplace(storey, nullptr);
                if (found.second)
                    found.first->second = &useStorey(storey, walls, boundary, obstacles);
                return *found.first->second;
            },
            0);
    }
    return result;
}

AreaCoverage PlanGeometry::areaCoverage(const SiteArea& area,
                                        const std::vector<CameraFootprint>& footprints,
                                        const std::vector<PlanPoint>& boundary) const {
    if (boundary != m_boundary) {
        m_areas.setBoundary(boundary);
        m_boundary = boundary;
    }
    std::vector<const CameraCover*> covers;
    covers.reserve(footprints.size());
    for (const CameraFootprint& footprint : footprints)
        covers.push_back(&footprint.cover);
    const AreaCover cover = m_areas.area(area, covers);
    return {cover.coveredShare.value_or(0), shapeOf(cover.covered)};
}

double PlanGeometry::surface(const std::vector<PlanPoint>& polygon) const {
    return m_areas.surface(regionOf(polygon));
}

} // namespace vistaro
