// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/site.h"

#include <QCoreApplication>
#include <cmath>
#include <map>

namespace vistaro {

Site withLevelSet(Site site, const LevelSet& levels) {
    for (SiteCamera& camera : site.cameras)
        camera.level = carriedLevel(site.levelSet, camera.level, levels);
    for (SiteArea& area : site.areas)
        area.level = carriedLevel(site.levelSet, area.level, levels);
    site.levelSet = levels;
    return site;
}

QString storeyName(const Site& site, int storey) {
    const QString& name = site.storeys.at(static_cast<std::size_t>(storey)).name;
    return name.isEmpty()
               ? QCoreApplication::translate("vistaro::Site", "Storey %1").arg(storey + 1)
               : name;
}

std::optional<int> nextStorey(const Site& site, int storey, int step) {
    const auto elevation = [&site](int i) {
        return site.storeys.at(static_cast<std::size_t>(i)).elevationM;
    };
    std::optional<int> next;
    for (int i = 0; i < static_cast<int>(site.storeys.size()); ++i) {
        const double rise = (elevation(i) - elevation(storey)) * step;
        if (rise > 0 && (!next || rise < (elevation(*next) - elevation(storey)) * step))
            next = i;
    }
    return next;
}

namespace {

// Keeps the items whose storey `keep` takes, on the storey it gives.
template <typename Item, typename Keep> void keepItems(std::vector<Item>& items, Keep keep) {
    std::vector<Item> kept;
    for (Item& item : items)
        if (const std::optional<int> storey = keep(item.storey)) {
            item.storey = *storey;
            kept.push_back(std::move(item));
        }
    items = std::move(kept);
}

template <typename Keep> void keepAll(Site& site, Keep keep) {
    keepItems(site.cameras, keep);
    keepItems(site.walls, keep);
    keepItems(site.areas, keep);
    keepItems(site.obstacles, keep);
}

} // namespace

Site storeyOnly(Site site, int storey) {
    keepAll(site, [storey](int of) { return of == storey ? std::optional(of) : std::nullopt; });
    return site;
}

Site withStoreys(Site site, std::vector<SiteStorey> storeys, const std::vector<int>& from) {
    if (storeys.empty() || from.size() != storeys.size())
        return site;
    std::map<int, int> moved;
    for (int i = 0; i < static_cast<int>(from.size()); ++i)
        if (from[static_cast<std::size_t>(i)] >= 0)
            moved[from[static_cast<std::size_t>(i)]] = i;
    keepAll(site, [&moved](int of) {
        const auto found = moved.find(of);
        return found != moved.end() ? std::optional(found->second) : std::nullopt;
    });
    site.storeys = std::move(storeys);
    return site;
}

} // namespace vistaro
