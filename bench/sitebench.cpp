// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sitebench.h"

#include "childprocess.h"
#include "site/bestlevel.h"
#include "site/plangeometry.h"
#include "site/sitecoverage.h"
#include "site/sitefile.h"
#include "site/snapping.h"
#include "timing.h"

#include <QDir>
#include <array>
#include <cmath>
#include <random>

namespace vistaro::bench {

namespace {

// 25 x 20 rooms of 6 x 5 m: the inner walls have a door in the middle of each room's side, the
// outer ones none, so that there are 2 x 19 x 25 + 2 x 25 = 1000 segments east to west and
// 2 x 24 x 20 + 2 x 20 = 1000 north to south.
constexpr int RoomColumns = 25;
constexpr int RoomRows = 20;
constexpr double RoomWidth = 6;
constexpr double RoomDepth = 5;
constexpr double DoorWidth = 1;
constexpr double WallMargin = 0.5; // cameras and areas keep this far from the walls
constexpr int Cameras = 500;
constexpr int Areas = 36;
constexpr unsigned Seed = 20'260'101;

constexpr int ChildTimeoutMs = 120'000;
constexpr double OpenBudgetMs = 1000;
constexpr double DragBudgetMs = 16;
constexpr double RecomputeBudgetMs = 300;
constexpr double MemoryBudgetMiB = 150;
constexpr double BestLevelBudgetMs = 300;
constexpr double LabelsBudgetMs = 20;
constexpr int BestLevelMoves = 11;
constexpr double SnapBudgetMs = 0.1;
constexpr double WallsBudgetMs = 1000;
constexpr int Snaps = 2000;
constexpr int Obstacles = 2000;
constexpr double ObstaclesBudgetMs = 600;
constexpr int ObstacleRepetitions = 3;
// The same plan on each of four storeys, 3.5 m apart, the obstacles shared out among them.
constexpr int Storeys = 4;
constexpr double StoreyHeightM = 3.5;
constexpr double StoreysOpenBudgetMs = 2000;
constexpr double StoreysRecomputeBudgetMs = 600;
constexpr double StoreysMemoryBudgetMiB = 300;

// The side of a room from `a` to `b`, with a door in its middle when `door`.
void addSide(std::vector<SiteWall>& walls, PlanPoint a, PlanPoint b, bool door) {
    if (!door) {
        walls.push_back({{a, b}});
        return;
    }
    const PlanPoint middle{(a.x + b.x) / 2, (a.y + b.y) / 2};
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    const double ux = (b.x - a.x) / length;
    const double uy = (b.y - a.y) / length;
    const double half = DoorWidth / 2;
    walls.push_back({{a, {middle.x - ux * half, middle.y - uy * half}}});
    walls.push_back({{{middle.x + ux * half, middle.y + uy * half}, b}});
}

Site generatedSite() {
    Site site;
    for (int row = 0; row <= RoomRows; ++row)
        for (int column = 0; column < RoomColumns; ++column)
            addSide(site.walls, {column * RoomWidth, row * RoomDepth},
                    {(column + 1) * RoomWidth, row * RoomDepth}, row > 0 && row < RoomRows);
    for (int column = 0; column <= RoomColumns; ++column)
        for (int row = 0; row < RoomRows; ++row)
            addSide(site.walls, {column * RoomWidth, row * RoomDepth},
                    {column * RoomWidth, (row + 1) * RoomDepth},
                    column > 0 && column < RoomColumns);

    std::mt19937 random(Seed);
    const auto uniform = [&random](double from, double to) {
        return std::uniform_real_distribution<double>(from, to)(random);
    };
    const auto anyRoom = [&random](int rooms) {
        return std::uniform_int_distribution<int>(0, rooms - 1)(random);
    };
    static constexpr std::array<double, 5> Focals{2.8, 4, 6, 8, 12};
    for (int i = 0; i < Cameras; ++i) {
        SiteCamera camera;
        camera.name = QStringLiteral("Camera %1").arg(i + 1);
        const double left = anyRoom(RoomColumns) * RoomWidth;
        const double bottom = anyRoom(RoomRows) * RoomDepth;
        camera.position = {uniform(left + WallMargin, left + RoomWidth - WallMargin),
                           uniform(bottom + WallMargin, bottom + RoomDepth - WallMargin)};
        camera.panDeg = uniform(0, 360);
        camera.distanceM = uniform(6, 14);
        camera.focalMm = Focals.at(std::size_t(i) % Focals.size());
        camera.level = Level(i) % site.levelSet.size();
        site.cameras.push_back(camera);
    }
    // Rectangles of one to three rooms side by side, so that some lie across walls.
    for (int i = 0; i < Areas; ++i) {
        const int rooms = 1 + i % 3;
        const double left = anyRoom(RoomColumns - 2) * RoomWidth + WallMargin;
        const double bottom = anyRoom(RoomRows) * RoomDepth + WallMargin;
        const double right = left + rooms * RoomWidth - 2 * WallMargin;
        const double top = bottom + RoomDepth - 2 * WallMargin;
        site.areas.push_back({QStringLiteral("Area %1").arg(i + 1),
                              Level(i) % site.levelSet.size(),
                              {{left, bottom}, {right, bottom}, {right, top}, {left, top}}});
    }
    return site;
}

// Shelves, counters and racks standing on the floor, beams and soffits hanging from a 3.5 m
// ceiling, and pillars, of random sizes and heights in random rooms, clear of the walls.
std::vector<SiteObstacle> generatedObstacles() {
    std::mt19937 random(Seed + 1);
    const auto uniform = [&random](double from, double to) {
        return std::uniform_real_distribution<double>(from, to)(random);
    };
    std::vector<SiteObstacle> obstacles;
    for (int i = 0; i < Obstacles; ++i) {
        const double width = uniform(0.3, RoomWidth / 3);
        const double depth = uniform(0.3, RoomDepth / 3);
        const double left =
            std::uniform_int_distribution<int>(0, RoomColumns - 1)(random) * RoomWidth +
            uniform(WallMargin, RoomWidth - WallMargin - width);
        const double bottom =
            std::uniform_int_distribution<int>(0, RoomRows - 1)(random) * RoomDepth +
            uniform(WallMargin, RoomDepth - WallMargin - depth);
        SiteObstacle obstacle{QStringLiteral("Obstacle %1").arg(i + 1),
                              {{left, bottom},
                               {left + width, bottom},
                               {left + width, bottom + depth},
                               {left, bottom + depth}}};
        switch (i % 3) {
        case 0: // standing
            obstacle.topM = uniform(0.8, 2.4);
            break;
        case 1: // hanging
            obstacle.bottomM = uniform(2.2, 3);
            obstacle.topM = 3.5;
            break;
        default: // a pillar
            obstacle.topM = 3.5;
        }
        obstacles.push_back(std::move(obstacle));
    }
    return obstacles;
}

// `plan` on each of the storeys, its cameras, walls and areas copied, with the obstacles among
// the walls, an equal share of them a storey.
Site storeyedSite(const Site& plan) {
    Site site = plan;
    site.storeys.clear();
    const auto copyTo = [](auto& items, const auto& from, int storey) {
        for (auto item : from) {
            item.storey = storey;
            items.push_back(std::move(item));
        }
    };
    for (int storey = 0; storey < Storeys; ++storey) {
        site.storeys.push_back({QStringLiteral("Floor %1").arg(storey), storey * StoreyHeightM,
                                StoreyHeightM, std::nullopt});
        if (storey == 0)
            continue;
        copyTo(site.cameras, plan.cameras, storey);
        copyTo(site.walls, plan.walls, storey);
        copyTo(site.areas, plan.areas, storey);
    }
    site.obstacles = generatedObstacles();
    for (std::size_t i = 0; i < site.obstacles.size(); ++i)
        site.obstacles[i].storey = int(i * Storeys / site.obstacles.size());
    return site;
}

// Every camera and area worked out afresh with the obstacles among the walls, as the site plan
// does when it opens such a site: the median of a few runs.
ResultRow obstaclesRow(Site site) {
    site.obstacles = generatedObstacles();
    SiteDocument document;
    document.reset(site);
    std::vector<double> samples;
    for (int i = 0; i < ObstacleRepetitions; ++i) {
        const PlanGeometry geometry;
        samples.push_back(elapsedMs([&] { const SiteCoverage coverage(document, geometry); }));
    }
    return budgetRow("Site plan: every camera and area again among obstacles", median(samples),
                     " (" + std::to_string(Obstacles) + " obstacles of random heights, median of " +
                         std::to_string(ObstacleRepetitions) + ")",
                     ObstaclesBudgetMs);
}

// A point snapped at every mouse move over the site: the walls indexed once, then each move
// snapped within 0.4 m (8 pixels at 20 pixels a metre) or to a 1 m grid.
ResultRow snapRow(const Site& site) {
    const WallSnapper walls(site.walls);
    std::mt19937 random(Seed);
    std::uniform_real_distribution<double> east(0, RoomColumns * RoomWidth);
    std::uniform_real_distribution<double> north(0, RoomRows * RoomDepth);
    std::vector<double> samples;
    int snapped = 0;
    for (int i = 0; i < Snaps; ++i)
        samples.push_back(elapsedMs([&] {
            snapped +=
                walls.snap({east(random), north(random)}, SnapRule{0.4, 1}).kind != SnapKind::Grid;
        }));
    return budgetRow("Site plan: one snap of a point", median(samples),
                     " (median of " + std::to_string(Snaps) + ", " + std::to_string(snapped) +
                         " to a wall)",
                     SnapBudgetMs, "ms", 4);
}

ResultRow childRow(const ChildResult& run, const std::string& measure, const std::string& key,
                   const std::string& detail, double budgetMs) {
    const long long us = reportedValue(run.output, key);
    if (!run.ok || us < 0)
        return failedRow(measure, run.ok ? "no time reported" : run.failure, 1);
    return budgetRow(measure, static_cast<double>(us) / 1000, detail, budgetMs);
}

// The best level reached kept up to date as one camera after another moves half a metre: the
// median of the moves, and the whole map beside it.
ResultRow bestLevelRow(const Site& site) {
    SiteDocument document;
    const PlanGeometry geometry;
    const SiteCoverage coverage(document, geometry);
    document.reset(site);
    BestLevelMap map;
    const double wholeMs =
        elapsedMs([&] { map.reset(mapCameras(coverage, document.site(), PlanShows::BestLevel)); });
    std::vector<double> samples;
    for (int i = 0; i < BestLevelMoves; ++i) {
        const ItemRef ref{ItemKind::Camera, i * Cameras / BestLevelMoves};
        document.setItem(ref, translated(document.item(ref), 0.5, 0.25));
        samples.push_back(elapsedMs([&] {
            map.update(mapCameras(coverage, document.site(), PlanShows::BestLevel), {ref.index});
        }));
    }
    return budgetRow("Site plan: best-level view again after a change", median(samples),
                     " (" + std::to_string(map.tiles().size()) + " tiles, median of " +
                         std::to_string(BestLevelMoves) + " moves; whole map " +
                         std::to_string(static_cast<long long>(wholeMs)) + " ms)",
                     BestLevelBudgetMs);
}

// The site saved in `folder` as `name` and opened in the window of a child process, its rows
// from what the child reports: the opening, a drag step, every camera and area again, the peak
// memory and, for `more`, its labels and a layer of walls. `suffix` ends each row's name.
struct Budgets {
    double openMs;
    double recomputeMs;
    double memoryMiB;
};

std::vector<ResultRow> windowRows(const Site& site, const QString& folder, const QString& name,
                                  const std::string& workDir, const std::string& suffix,
                                  const Budgets& budgets, bool more) {
    const std::vector<std::string> measures{
        "Site plan: open the file" + suffix, "Site plan: one drag step of a camera" + suffix,
        "Site plan: every camera and area again" + suffix, "Site plan: peak memory" + suffix};
    const QString path = QDir(folder).filePath(name);
    if (const std::optional<QString> problem = SiteFile::save(path, site)) {
        std::vector<ResultRow> rows;
        for (const std::string& measure : measures)
            rows.push_back(failedRow(measure, problem->toStdString(), 1));
        return rows;
    }
    std::vector<std::string> arguments{path.toStdString()};
    if (!more)
        arguments.emplace_back("core");
    const ChildResult run = runChild(VISTARO_BENCH_SITE, arguments, workDir, ChildTimeoutMs);
    const std::string size =
        " (" + std::to_string(site.cameras.size()) + " cameras, " +
        std::to_string(site.walls.size()) + " walls, " + std::to_string(site.areas.size()) +
        " areas" +
        (site.obstacles.empty() ? std::string()
                                : ", " + std::to_string(site.obstacles.size()) + " obstacles") +
        ")";
    std::vector<ResultRow> rows{
        childRow(run, measures[0], "site-open-us", size, budgets.openMs),
        childRow(run, measures[1], "site-drag-us", " (median, areas and repaint included)",
                 DragBudgetMs),
        childRow(run, measures[2], "site-all-us", size, budgets.recomputeMs)};
    if (more) {
        const long long overlaps = reportedValue(run.output, "site-label-overlaps");
        rows.push_back(
            childRow(run, "Site plan: every label placed", "site-labels-us",
                     " (each camera's bands named, " +
                         std::to_string(reportedValue(run.output, "site-labels-placed")) +
                         " placed, " + std::to_string(overlaps) + " overlapping)",
                     LabelsBudgetMs));
        rows.push_back(childRow(
            run, "Site plan: a layer's 4055 lines used as walls", "site-walls-us",
            " (new site, median of 5, " +
                formatted(double(reportedValue(run.output, "site-walls-fastest-us")) / 1000, 0,
                          "to") +
                " " +
                formatted(double(reportedValue(run.output, "site-walls-slowest-us")) / 1000, 0,
                          "ms") +
                ")",
            WallsBudgetMs));
    }
    const long long kib = reportedValue(run.output, "peak-rss-kib");
    rows.push_back(run.ok && kib > 0
                       ? budgetRow(measures[3], static_cast<double>(kib) / 1024,
                                   " (the program, site open)", budgets.memoryMiB, "MiB", 1)
                       : failedRow(measures[3], run.ok ? "no peak RSS reported" : run.failure, 1));
    return rows;
}

} // namespace

std::vector<ResultRow> siteRows(const QString& folder, const std::string& workDir) {
    const Site site = generatedSite();
    std::vector<ResultRow> rows =
        windowRows(site, folder, QStringLiteral("site.vistaro"), workDir, "",
                   {OpenBudgetMs, RecomputeBudgetMs, MemoryBudgetMiB}, true);
    rows.insert(rows.end() - 1, bestLevelRow(site));
    rows.push_back(snapRow(site));
    rows.push_back(obstaclesRow(site));
    const std::vector<ResultRow> storeys =
        windowRows(storeyedSite(site), folder, QStringLiteral("storeys.vistaro"), workDir,
                   " (" + std::to_string(Storeys) + " storeys)",
                   {StoreysOpenBudgetMs, StoreysRecomputeBudgetMs, StoreysMemoryBudgetMiB}, false);
    rows.insert(rows.end(), storeys.begin(), storeys.end());
    return rows;
}

Site benchSite() {
    return generatedSite();
}

Site storeyedBenchSite() {
    return storeyedSite(generatedSite());
}

} // namespace vistaro::bench
