// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/site.h"

#include <QObject>
#include <array>
#include <utility>
#include <variant>
#include <vector>

namespace vistaro {

// The kinds of things placed on a plan, in the order of SiteItem's alternatives.
enum class ItemKind { Camera, Wall, Area, Obstacle };
// Every kind, in the order the plan goes through them (selecting all, Tab).
inline constexpr std::array<ItemKind, 4> ItemKinds{ItemKind::Camera, ItemKind::Wall, ItemKind::Area,
                                                   ItemKind::Obstacle};

// Whether items of `kind` hide what lies behind them, so that a change of one changes what
// every camera sees.
constexpr bool blocksSight(ItemKind kind) {
    return kind == ItemKind::Wall || kind == ItemKind::Obstacle;
}

// One thing on the plan: its kind and its place in the site's list of that kind.
struct ItemRef {
    ItemKind kind = ItemKind::Camera;
    int index = 0;

    bool operator==(const ItemRef&) const = default;
    auto operator<=>(const ItemRef&) const = default;
};

using SiteItem = std::variant<SiteCamera, SiteWall, SiteArea, SiteObstacle>;

ItemKind kindOf(const SiteItem& item);

// `item` moved by (dx, dy) metres.
SiteItem translated(SiteItem item, double dx, double dy);

int storeyOf(const SiteItem& item);
// `item` put on the storey at `storey`.
SiteItem onStorey(SiteItem item, int storey);

// `stem` followed by the lowest number from 1 up that no name in `taken` has yet.
QString freeName(const QString& stem, const QStringList& taken);
// A name for a copy of `name`: its stem without a trailing number, numbered afresh.
QString copyName(const QString& name, const QStringList& taken);

// The site on show, changed only through these few steps, each of which says what it changed;
// the undo commands are made of them.
class SiteDocument : public QObject {
    Q_OBJECT

public:
    explicit SiteDocument(QObject* parent = nullptr);

    const Site& site() const { return m_site; }
    int count(ItemKind kind) const;
    // Whether `ref` names an item of the site.
    bool holds(const ItemRef& ref) const;
    // The item `ref` names; it must be held.
    SiteItem item(const ItemRef& ref) const;
    // The names of the cameras, areas or obstacles, for freeName().
    QStringList names(ItemKind kind) const;

    void reset(const Site& site);
    // Each step does nothing when `ref` is out of range or `item` is of another kind.
    void setItem(const ItemRef& ref, const SiteItem& item);
    // Many items at once, as one change; each as setItem() takes it.
    void setItems(const std::vector<std::pair<ItemRef, SiteItem>>& items);
    // Many items at once, as one change: each given with its place after the insertion, they go
    // in in ascending order; those out of range or of another kind stay out.
    void insertItems(std::vector<std::pair<ItemRef, SiteItem>> items);
    // Each named by its place before the removal; those not held are passed over.
    void removeItems(std::vector<ItemRef> refs);
    // Of the storey at `storey`; nothing when there is none.
    void setBackground(int storey, const std::optional<SiteBackground>& background);
    // Empty for none; otherwise three points or more.
    void setBoundary(const std::vector<PlanPoint>& boundary);
    void setProperties(const SiteProperties& properties);

signals:
    void siteReset();
    // Once for each change of one item or many, the refs as the steps above name them.
    void itemsChanged(const std::vector<vistaro::ItemRef>& refs);
    // Once for each insertion or removal, the refs ascending as the steps above name them.
    void itemsInserted(const std::vector<vistaro::ItemRef>& refs);
    void itemsRemoved(const std::vector<vistaro::ItemRef>& refs);
    void backgroundChanged();
    void boundaryChanged();
    void propertiesChanged();

private:
    Site m_site;
};

} // namespace vistaro
