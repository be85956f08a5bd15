// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/sitecoverage.h"

#include "site/footprint.h"

#include <algorithm>

namespace vistaro {

SiteCoverage::SiteCoverage(const SiteDocument& document, const SiteGeometry& geometry,
                           QObject* parent)
    : QObject(parent), m_document(document), m_geometry(geometry) {
    connect(&document, &SiteDocument::siteReset, this, &SiteCoverage::recomputeAll);
    connect(&document, &SiteDocument::boundaryChanged, this, &SiteCoverage::recomputeAll);
    connect(&document, &SiteDocument::itemsChanged, this, &SiteCoverage::itemsChanged);
    connect(&document, &SiteDocument::itemsInserted, this,
            [this](const std::vector<ItemRef>& refs) { itemsCountChanged(refs, true); });
    connect(&document, &SiteDocument::itemsRemoved, this,
            [this](const std::vector<ItemRef>& refs) { itemsCountChanged(refs, false); });
    recomputeAll();
}

CameraFootprint SiteCoverage::footprintOf(int camera) const {
    const Site& site = m_document.site();
    return m_geometry.footprint(site.cameras.at(static_cast<std::size_t>(camera)), site.levelSet,
                                site.walls, site.boundary, site.obstacles);
}

CameraFootprint SiteCoverage::footprintAt(int camera, double heightM) const {
    const Site& site = m_document.site();
    return m_geometry.footprint(
        atTargetHeight(site.cameras.at(static_cast<std::size_t>(camera)), site.levelSet, heightM),
        site.levelSet, site.walls, site.boundary, site.obstacles);
}

const std::vector<CameraFootprint>& SiteCoverage::footprintsFor(const SiteArea& area) {
    if (!area.targetHeightM)
        return m_footprints;
    const auto [at, added] = m_atHeight.try_emplace(*area.targetHeightM);
    if (added) {
        const Site& site = m_document.site();
        std::vector<SiteCamera> cameras;
        for (const SiteCamera& camera : site.cameras)
            cameras.push_back(atTargetHeight(camera, site.levelSet, *area.targetHeightM));
        at->second = m_geometry.footprints(cameras, site.levelSet, site.walls, site.boundary,
                                           site.obstacles);
    }
    return at->second;
}

SiteCoverage::AreaFigures SiteCoverage::figuresOf(int area) {
    const Site& site = m_document.site();
    const SiteArea& shape = site.areas.at(static_cast<std::size_t>(area));
    return {m_geometry.areaCoverage(shape, footprintsFor(shape), site.boundary),
            m_geometry.surface(shape.points)};
}

void SiteCoverage::recomputeAll() {
    const Site& site = m_document.site();
    m_footprints = m_geometry.footprints(site.cameras, site.levelSet, site.walls, site.boundary,
                                         site.obstacles);
    m_atHeight.clear();
    m_areas.clear();
    for (int i = 0; i < m_document.count(ItemKind::Area); ++i)
        m_areas.push_back(figuresOf(i));
    emit cameraCoverageChanged(-1);
    emit areaCoverageChanged(-1);
}

void SiteCoverage::recomputeAreasNear(const std::vector<Reach>& reaches) {
    const std::vector<SiteArea>& areas = m_document.site().areas;
    for (std::size_t i = 0; i < m_areas.size() && i < areas.size(); ++i) {
        const QRectF box = boundsOf(regionOf(areas[i].points));
        const Level level = areas[i].level;
        if (!areas[i].targetHeightM &&
            std::none_of(reaches.begin(), reaches.end(), [&](const Reach& reach) {
                return reach.storey == areas[i].storey && level < reach.boxes.size() &&
                       reach.boxes.at(level).intersects(box);
            }))
            continue;
        m_areas[i].coverage = figuresOf(static_cast<int>(i)).coverage;
        emit areaCoverageChanged(static_cast<int>(i));
    }
}

void SiteCoverage::itemsChanged(const std::vector<ItemRef>& refs) {
    // A wall or an obstacle brings every camera again, however many changed.
    if (std::ranges::any_of(refs, [](const ItemRef& ref) { return blocksSight(ref.kind); })) {
        recomputeAll();
        return;
    }
    for (const ItemRef& ref : refs)
        itemChanged(ref);
}

void SiteCoverage::itemChanged(const ItemRef& ref) {
    switch (ref.kind) {
    case ItemKind::Camera: {
        CameraFootprint& footprint = m_footprints.at(static_cast<std::size_t>(ref.index));
        const Reach before{footprint.cover.storey, footprint.cover.reach};
        footprint = footprintOf(ref.index);
        for (auto& [height, all] : m_atHeight)
            all.at(static_cast<std::size_t>(ref.index)) = footprintAt(ref.index, height);
        emit cameraCoverageChanged(ref.index);
        recomputeAreasNear({before, {footprint.cover.storey, footprint.cover.reach}});
        break;
    }
    case ItemKind::Wall: // with every camera, by itemsChanged()
    case ItemKind::Obstacle:
        break;
    case ItemKind::Area:
        m_areas.at(static_cast<std::size_t>(ref.index)) = figuresOf(ref.index);
        emit areaCoverageChanged(ref.index);
        break;
    }
}

void SiteCoverage::itemsCountChanged(const std::vector<ItemRef>& refs, bool inserted) {
    const auto indicesOf = [&refs](ItemKind kind) {
        std::vector<int> indices;
        for (const ItemRef& ref : refs)
            if (ref.kind == kind)
                indices.push_back(ref.index);
        return indices;
    };
    // A wall or an obstacle brings every camera again, however many came or went.
    if (std::ranges::any_of(refs, [](const ItemRef& ref) { return blocksSight(ref.kind); })) {
        recomputeAll();
        return;
    }
    // The items come in at their places, ascending, or leave them, descending; the others keep
    // what they cover.
    const auto follow = [inserted](auto& list, const std::vector<int>& indices, auto worked) {
        if (inserted)
            for (const int i : indices)
                list.insert(list.begin() + i, worked(i));
        else
            for (auto i = indices.rbegin(); i != indices.rend(); ++i)
                list.erase(list.begin() + *i);
    };
    // The areas that the cameras reach now, or reached before they went.
    const std::vector<int> cameras = indicesOf(ItemKind::Camera);
    std::vector<Reach> reaches;
    const auto reachAll = [&] {
        for (const int i : cameras) {
            const CameraCover& cover = m_footprints.at(static_cast<std::size_t>(i)).cover;
            reaches.push_back({cover.storey, cover.reach});
        }
    };
    if (!inserted)
        reachAll();
    follow(m_footprints, cameras, [this](int i) { return footprintOf(i); });
    for (auto& [atHeight, all] : m_atHeight) {
        const double height = atHeight; // clang 14 captures no structured binding
        follow(all, cameras, [this, height](int i) { return footprintAt(i, height); });
    }
    if (inserted)
        reachAll();
    const std::vector<int> areas = indicesOf(ItemKind::Area);
    follow(m_areas, areas, [this](int i) { return figuresOf(i); });
    if (!cameras.empty()) {
        emit cameraCoverageChanged(-1);
        recomputeAreasNear(reaches);
    }
    if (!areas.empty())
        emit areaCoverageChanged(-1);
}

} // namespace vistaro
