// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/sitedocument.h"

#include <QRegularExpression>
#include <algorithm>

namespace vistaro {

namespace {

// Calls `step` with the site's list of the kind `kind` names.
template <typename Site, typename Step>
decltype(auto) withList(Site& site, ItemKind kind, Step step) {
    switch (kind) {
    case ItemKind::Wall:
        return step(site.walls);
    case ItemKind::Area:
        return step(site.areas);
    case ItemKind::Obstacle:
        return step(site.obstacles);
    case ItemKind::Camera:
        break;
    }
    return step(site.cameras);
}

void translate(std::vector<PlanPoint>& points, double dx, double dy) {
    for (PlanPoint& point : points)
        point = {point.x + dx, point.y + dy};
}

} // namespace

ItemKind kindOf(const SiteItem& item) {
    return static_cast<ItemKind>(item.index());
}

SiteItem translated(SiteItem item, double dx, double dy) {
    if (auto* camera = std::get_if<SiteCamera>(&item))
        camera->position = {camera->position.x + dx, camera->position.y + dy};
    else if (auto* wall = std::get_if<SiteWall>(&item))
        translate(wall->points, dx, dy);
    else if (auto* area = std::get_if<SiteArea>(&item))
        translate(area->points, dx, dy);
    else
        translate(std::get<SiteObstacle>(item).points, dx, dy);
    return item;
}

int storeyOf(const SiteItem& item) {
    return std::visit([](const auto& of) { return of.storey; }, item);
}

SiteItem onStorey(SiteItem item, int storey) {
    std::visit([storey](auto& of) { of.storey = storey; }, item);
    return item;
}

QString freeName(const QString& stem, const QStringList& taken) {
    for (int number = 1;; ++number) {
        const QString name = QStringLiteral("%1 %2").arg(stem).arg(number);
        if (!taken.contains(name))
            return name;
    }
}

QString copyName(const QString& name, const QStringList& taken) {
    static const QRegularExpression numbered(QStringLiteral("^(.*\\S)\\s+\\d+$"));
    const QRegularExpressionMatch match = numbered.match(name);
    return freeName(match.hasMatch() ? match.captured(1) : name, taken);
}

SiteDocument::SiteDocument(QObject* parent) : QObject(parent) {}

int SiteDocument::count(ItemKind kind) const {
    return withList(m_site, kind, [](const auto& list) { return static_cast<int>(list.size()); });
}

bool SiteDocument::holds(const ItemRef& ref) const {
    return ref.index >= 0 && ref.index < count(ref.kind);
}

SiteItem SiteDocument::item(const ItemRef& ref) const {
    return withList(m_site, ref.kind, [&ref](const auto& list) {
        return SiteItem(list.at(static_cast<std::size_t>(ref.index)));
    });
}

QStringList SiteDocument::names(ItemKind kind) const {
    QStringList names;
    // Walls have no names.
    withList(m_site, kind, [&names](const auto& list) {
        for (const auto& item : list)
            if constexpr (requires { item.name; })
                names.append(item.name);
    });
    return names;
}

void SiteDocument::reset(const Site& site) {
    m_site = site;
    emit siteReset();
}

void SiteDocument::setItem(const ItemRef& ref, const SiteItem& item) {
    setItems({{ref, item}});
}

void SiteDocument::setItems(const std::vector<std::pair<ItemRef, SiteItem>>& items) {
    std::vector<ItemRef> changed;
    for (const auto& [ref, item] : items) {
        if (!holds(ref) || kindOf(item) != ref.kind)
            continue;
        // Captured by name: clang 14 captures no structured binding.
        withList(m_site, ref.kind, [&item = item, index = ref.index](auto& list) {
            list[static_cast<std::size_t>(index)] =
                std::get<typename std::decay_t<decltype(list)>::value_type>(item);
        });
        changed.push_back(ref);
    }
    if (!changed.empty())
        emit itemsChanged(changed);
}

void SiteDocument::insertItems(std::vector<std::pair<ItemRef, SiteItem>> items) {
    std::stable_sort(items.begin(), items.end(),
                     [](const auto& one, const auto& other) { return one.first < other.first; });
    std::vector<ItemRef> inserted;
    for (const auto& [ref, item] : items) {
        if (ref.index < 0 || ref.index > count(ref.kind) || kindOf(item) != ref.kind)
            continue;
        // Captured by name: clang 14 captures no structured binding.
        withList(m_site, ref.kind, [&item = item, index = ref.index](auto& list) {
            list.insert(list.begin() + index,
                        std::get<typename std::decay_t<decltype(list)>::value_type>(item));
        });
        inserted.push_back(ref);
    }
    if (!inserted.empty())
        emit itemsInserted(inserted);
}

void SiteDocument::removeItems(std::vector<ItemRef> refs) {
    std::sort(refs.begin(), refs.end());
    refs.erase(std::unique(refs.begin(), refs.end()), refs.end());
    std::erase_if(refs, [this](const ItemRef& ref) { return !holds(ref); });
    for (auto it = refs.rbegin(); it != refs.rend(); ++it)
        withList(m_site, it->kind, [&](auto& list) { list.erase(list.begin() + it->index); });
    if (!refs.empty())
        emit itemsRemoved(refs);
}

void SiteDocument::setBackground(int storey, const std::optional<SiteBackground>& background) {
    if (storey < 0 || storey >= static_cast<int>(m_site.storeys.size()))
        return;
    m_site.storeys[static_cast<std::size_t>(storey)].background = background;
    emit backgroundChanged();
}

void SiteDocument::setBoundary(const std::vector<PlanPoint>& boundary) {
    if (!boundary.empty() && boundary.size() < 3)
        return;
    m_site.boundary = boundary;
    emit boundaryChanged();
}

void SiteDocument::setProperties(const SiteProperties& properties) {
    m_site.properties = properties;
    emit propertiesChanged();
}

} // namespace vistaro
