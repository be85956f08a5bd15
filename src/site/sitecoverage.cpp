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
    connect(&document, &SiteDocument::itemChanged, this, &SiteCoverage::itemChanged);
    connect(&document, &SiteDocument::itemInserted, this,
            [this](const ItemRef& ref) { itemCountChanged(ref, true); });
    connect(&document, &SiteDocument::itemRemoved, this,
            [this](const ItemRef& ref) { itemCountChanged(ref, false); });
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

void SiteCoverage::recomputeAreasNear(const std::vector<std::vector<QRectF>>& reaches) {
    const std::vector<SiteArea>& areas = m_document.site().areas;
    for (std::size_t i = 0; i < m_areas.size() && i < areas.size(); ++i) {
        const QRectF box = boundsOf(regionOf(areas[i].points));
        const Level level = areas[i].level;
        if (!areas[i].targetHeightM &&
            std::none_of(reaches.begin(), reaches.end(), [&](const auto& reach) {
                return level < reach.size() && reach.at(level).intersects(box);
            }))
            continue;
        m_areas[i].coverage = figuresOf(static_cast<int>(i)).coverage;
        emit areaCoverageChanged(static_cast<int>(i));
    }
}

void SiteCoverage::itemChanged(const ItemRef& ref) {
    switch (ref.kind) {
    case ItemKind::Camera: {
        CameraFootprint& footprint = m_footprints.at(static_cast<std::size_t>(ref.index));
        const std::vector<QRectF> before = footprint.cover.reach;
        footprint = footprintOf(ref.index);
        for (auto& [height, all] : m_atHeight)
            all.at(static_cast<std::size_t>(ref.index)) = footprintAt(ref.index, height);
        emit cameraCoverageChanged(ref.index);
        recomputeAreasNear({before, footprint.cover.reach});
        break;
    }
    case ItemKind::Wall:
        recomputeAll();
        break;
    case ItemKind::Area:
        m_areas.at(static_cast<std::size_t>(ref.index)) = figuresOf(ref.index);
        emit areaCoverageChanged(ref.index);
        break;
    }
}

void SiteCoverage::itemCountChanged(const ItemRef& ref, bool inserted) {
    // The item comes in at its place, or leaves it; the others keep what they cover.
    const auto follow = [&](auto& list, auto worked) {
        if (inserted)
            list.insert(list.begin() + ref.index, worked(ref.index));
        else
            list.erase(list.begin() + ref.index);
    };
    switch (ref.kind) {
    case ItemKind::Camera: {
        // The areas that it reaches now, or reached before it went.
        const auto reachOf = [this](int i) {
            return m_footprints.at(static_cast<std::size_t>(i)).cover.reach;
        };
        const std::vector<QRectF> gone = inserted ? std::vector<QRectF>{} : reachOf(ref.index);
        follow(m_footprints, [this](int i) { return footprintOf(i); });
        for (auto& [height, all] : m_atHeight)
            follow(all, [this, height](int i) { return footprintAt(i, height); });
        emit cameraCoverageChanged(-1);
        recomputeAreasNear({inserted ? reachOf(ref.index) : gone});
        break;
    }
    case ItemKind::Wall:
        recomputeAll();
        break;
    case ItemKind::Area:
        follow(m_areas, [this](int i) { return figuresOf(i); });
        emit areaCoverageChanged(-1);
        break;
    }
}

} // namespace vistaro
