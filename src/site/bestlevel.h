// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "geometry/geometry.h"
#include "site/plancoverage.h"
#include "site/sitecoverage.h"
#include "site/sitegeometry.h"

#include <QRectF>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace vistaro {

// Tiles of this side hold any plan whole.
inline constexpr double WholePlanMetres = 1e7;

// What the plan paints of the cameras' coverage: the best level any camera meets at each point,
// each camera's own bands, or where each camera meets the level it is wanted at.
enum class PlanShows { BestLevel, EachCamera, WantedLevel };

// The best level any camera of one storey meets at each point of its plan: for each level, the
// union of every camera's bands at that level or better, less the union one level up, so that each
// level's region is painted once, none over another. It is kept by square tiles of the plan: a
// camera that changes works out again only the tiles its bands reach, before and after the change.
class BestLevelMap {
public:
    // A camera as the map counts it: its cover and, for the map of the levels wanted, the level
    // it is wanted at, where it counts every band of that level or better and no other.
    struct Camera {
        const CameraCover* cover = nullptr;
        std::optional<Level> wanted;
    };
    // Column east, row north: tile (0, 0) is centred on the origin, so that one tile of
    // WholePlanMetres holds a plan round it whole.
    using TileKey = std::pair<int, int>;

    // One tile's part of the map.
    struct Tile {
        QRectF box;                     // plan coordinates, x east and y north
        std::set<int> cameras;          // those whose bands reach the tile
        std::vector<PlanShape> levels;  // by level: where it is the best level met
        std::vector<plane::Region> met; // by level: where it or a better one is met
    };

    // Tiles of 8 m keep a change of one camera of a site of 500 within a few tiles.
    explicit BestLevelMap(double tileMetres = 8);

    // Every camera of `cameras` (in the cameras' order) worked out again, the map made of those
    // on `storey`: the others leave it as it is, now and in update().
    void reset(const std::vector<Camera>& cameras, int storey = 0);
    // The cameras `changed` now cover as `cameras` says (the others kept theirs); the tiles they
    // reach now or reached before are worked out again, and returned.
    std::set<TileKey> update(const std::vector<Camera>& cameras, const std::set<int>& changed);

    const std::map<TileKey, Tile>& tiles() const { return m_tiles; }
    std::size_t levelCount() const { return m_levelCount; }
    int storey() const { return m_storey; }
    // By level: the tiles' regions where it is the best level met, side by side.
    std::vector<PlanShape> levels() const;
    // The surface in m² where `level` or a better one is met.
    double metAreaM2(Level level) const;

private:
    std::set<TileKey> tilesOf(const CameraCover& cover) const;
    // The tile's regions from the cameras that reach it, with `geometry` (one a thread).
    void work(const TileKey& key, Tile& tile, const std::vector<Camera>& cameras,
              const plane::Geometry& geometry) const;

    double m_tileMetres;
    int m_storey = 0;
    std::size_t m_levelCount = 0;
    plane::Geometry m_geometry;
    std::map<TileKey, Tile> m_tiles;
    std::vector<std::set<TileKey>> m_reached; // by camera: the tiles it reaches
};

// The cameras of `coverage` as the map of `shows` counts them, their wanted levels from `site`.
std::vector<BestLevelMap::Camera> mapCameras(const SiteCoverage& coverage, const Site& site,
                                             PlanShows shows);

} // namespace vistaro
