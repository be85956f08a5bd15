// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/bestlevel.h"

#include "site/plangeometry.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace vistaro {

namespace {

// A camera whose bands lie this far from the origin, or span more tiles than this, is left off
// the map: no plan is that large, and counting its tiles would not end.
constexpr double FarthestMetres = 1e9;
constexpr long long MostTilesPerCamera = 1'000'000;
// At most this many threads work out the tiles at once.
constexpr std::size_t MaxWorkers = 8;

plane::Region boxRegion(const QRectF& box) {
    return {plane::Polygon{{{box.left(), box.top()},
                            {box.right(), box.top()},
                            {box.right(), box.bottom()},
                            {box.left(), box.bottom()}},
                           {}}};
}

} // namespace

BestLevelMap::BestLevelMap(double tileMetres) : m_tileMetres(tileMetres) {}

std::set<BestLevelMap::TileKey> BestLevelMap::tilesOf(const CameraCover& cover) const {
    std::set<TileKey> keys;
    if (cover.storey != m_storey || cover.reach.empty() || cover.reach.front().isNull())
        return keys;
    const QRectF& box = cover.reach.front();
    if (!(std::abs(box.left()) < FarthestMetres && std::abs(box.right()) < FarthestMetres &&
          std::abs(box.top()) < FarthestMetres && std::abs(box.bottom()) < FarthestMetres))
        return keys;
    const auto first = [this](double at) {
        return static_cast<int>(std::floor(at / m_tileMetres + 0.5));
    };
    const int west = first(box.left());
    const int east = first(box.right());
    const int south = first(box.top());
    const int north = first(box.bottom());
    if (static_cast<long long>(east - west + 1) * (north - south + 1) > MostTilesPerCamera)
        return keys;
    for (int column = west; column <= east; ++column)
        for (int row = south; row <= north; ++row)
            keys.insert({column, row});
    return keys;
}

void BestLevelMap::reset(const std::vector<Camera>& cameras, int storey) {
    m_storey = storey;
    m_tiles.clear();
    m_reached.clear();
    m_levelCount = 0;
    for (const Camera& camera : cameras)
        m_levelCount = std::max(m_levelCount, camera.cover->bands.size());
    std::set<int> every;
    for (int i = 0; i < static_cast<int>(cameras.size()); ++i)
        every.insert(i);
    update(cameras, every);
}

std::set<BestLevelMap::TileKey> BestLevelMap::update(const std::vector<Camera>& cameras,
                                                     const std::set<int>& changed) {
    m_reached.resize(cameras.size());
    std::set<TileKey> touched;
    for (const int camera : changed) {
        if (camera < 0 || camera >= static_cast<int>(cameras.size()))
            continue;
        std::set<TileKey>& reached = m_reached[static_cast<std::size_t>(camera)];
        for (const TileKey& key : reached)
            m_tiles[key].cameras.erase(camera);
        touched.insert(reached.begin(), reached.end());
        reached = tilesOf(*cameras[static_cast<std::size_t>(camera)].cover);
        for (const TileKey& key : reached)
            m_tiles[key].cameras.insert(camera);
        touched.insert(reached.begin(), reached.end());
    }
    std::vector<std::pair<const TileKey, Tile>*> work;
    for (const TileKey& key : touched) {
        const auto found = m_tiles.find(key);
        if (found->second.cameras.empty())
            m_tiles.erase(found);
        else
            work.push_back(&*found);
    }
    // A whole site's tiles are shared out over the cores, each with a GEOS context of its own;
    // the few tiles of one camera's change are not worth a thread.
    constexpr std::size_t TilesPerWorker = 32;
    const std::size_t workers = std::clamp<std::size_t>(
        std::min<std::size_t>(std::thread::hardware_concurrency(), work.size() / TilesPerWorker), 1,
        MaxWorkers);
    const auto share = [&](const plane::Geometry& geometry, std::size_t first) {
        for (std::size_t i = first; i < work.size(); i += workers)
            this->work(work[i]->first, work[i]->second, cameras, geometry);
    };
    {
        std::vector<std::jthread> helpers;
        for (std::size_t first = 1; first < workers; ++first)
            helpers.emplace_back([&, first] { share(plane::Geometry(), first); });
        share(m_geometry, 0);
    }
    return touched;
}

void BestLevelMap::work(const TileKey& key, Tile& tile, const std::vector<Camera>& cameras,
                        const plane::Geometry& geometry) const {
    tile.box = QRectF((key.first - 0.5) * m_tileMetres, (key.second - 0.5) * m_tileMetres,
                      m_tileMetres, m_tileMetres);
    const plane::Region box = boxRegion(tile.box);
    tile.met.assign(m_levelCount, {});
    tile.levels.assign(m_levelCount, {});
    // From the best level down, each level's bands joined to what the better ones met.
    plane::Region better;
    for (Level level = m_levelCount; level-- > 0;) {
        std::vector<plane::Region> parts{better};
        for (const int index : tile.cameras) {
            const Camera& camera = cameras[static_cast<std::size_t>(index)];
            const CameraCover& cover = *camera.cover;
            if (camera.wanted && *camera.wanted != level)
                continue;
            const std::size_t last = camera.wanted ? cover.bands.size() : level + 1;
            for (Level band = level; band < std::min(last, cover.bands.size()); ++band)
                if (!cover.bands[band].empty() && cover.reach[band].intersects(tile.box))
                    parts.push_back(geometry.intersect(cover.bands[band], box));
        }
        if (parts.size() > 1)
            better = geometry.unite(parts);
        tile.met[level] = better;
    }
    for (Level level = 0; level < m_levelCount; ++level)
        tile.levels[level] = shapeOf(level + 1 < m_levelCount
                                         ? geometry.subtract(tile.met[level], tile.met[level + 1])
                                         : tile.met[level]);
}

std::vector<PlanShape> BestLevelMap::levels() const {
    std::vector<PlanShape> shapes(m_levelCount);
    for (const auto& [key, tile] : m_tiles)
        for (Level level = 0; level < tile.levels.size(); ++level)
            shapes[level].rings.insert(shapes[level].rings.end(), tile.levels[level].rings.begin(),
                                       tile.levels[level].rings.end());
    return shapes;
}

std::vector<BestLevelMap::Camera> mapCameras(const SiteCoverage& coverage, const Site& site,
                                             PlanShows shows) {
    std::vector<BestLevelMap::Camera> cameras;
    const int count = std::min(coverage.cameraCount(), static_cast<int>(site.cameras.size()));
    for (int i = 0; i < count; ++i)
        cameras.push_back({&coverage.footprint(i).cover,
                           shows == PlanShows::WantedLevel
                               ? std::optional(site.cameras[static_cast<std::size_t>(i)].level)
                               : std::nullopt});
    return cameras;
}

double BestLevelMap::metAreaM2(Level level) const {
    double sum = 0;
    for (const auto& [key, tile] : m_tiles)
        if (level < tile.met.size())
            sum += m_geometry.area(tile.met[level]);
    return sum;
}

} // namespace vistaro
