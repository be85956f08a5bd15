// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/sitedocument.h"

#include <optional>
#include <utility>
#include <vector>

namespace vistaro {

// What an edit does to the site, as a value: apply() makes the change on the document, revert()
// takes it back. The window's undo commands carry one each; those that can say absorb() take a
// later change of the same gesture into themselves.

// One item changes.
class ItemChange {
public:
    // `ref` names an item of `document`: it comes back as it is now.
    ItemChange(const SiteDocument& document, const ItemRef& ref, SiteItem after);

    void apply(SiteDocument& document) const { document.setItem(m_ref, m_after); }
    void revert(SiteDocument& document) const { document.setItem(m_ref, m_before); }
    // This change then `next` as one, when both change the same item; false when they do not.
    bool absorb(const ItemChange& next);

private:
    ItemRef m_ref;
    SiteItem m_before;
    SiteItem m_after;
};

// Several items change at once: a selection moved together.
class ItemsEdit {
public:
    // Each ref names an item of `document`, which comes back as it is now.
    ItemsEdit(const SiteDocument& document, const std::vector<std::pair<ItemRef, SiteItem>>& after);

    void apply(SiteDocument& document) const { document.setItems(m_after); }
    void revert(SiteDocument& document) const { document.setItems(m_before); }
    // This change then `next` as one, when both change the same items.
    bool absorb(const ItemsEdit& next);

private:
    std::vector<std::pair<ItemRef, SiteItem>> m_before;
    std::vector<std::pair<ItemRef, SiteItem>> m_after;
};

// Items come onto the plan, or leave it. Each is given with its place in its kind's list after
// the insertion (before the removal); all of them are one change of the document.
class ItemsChange {
public:
    enum class Direction { Insert, Remove };

    ItemsChange(std::vector<std::pair<ItemRef, SiteItem>> items, Direction direction);

    void apply(SiteDocument& document) const;
    void revert(SiteDocument& document) const;

private:
    void insert(SiteDocument& document) const;
    void remove(SiteDocument& document) const;

    std::vector<std::pair<ItemRef, SiteItem>> m_items;
    Direction m_direction;
};

// The background picture changes: added, moved, scaled, dimmed, locked, shown or hidden.
class BackgroundChange {
public:
    BackgroundChange(const SiteDocument& document, int storey, std::optional<SiteBackground> after);

    void apply(SiteDocument& document) const { document.setBackground(m_storey, m_after); }
    void revert(SiteDocument& document) const { document.setBackground(m_storey, m_before); }
    // This change then `next` as one.
    bool absorb(const BackgroundChange& next);

private:
    int m_storey;
    std::optional<SiteBackground> m_before;
    std::optional<SiteBackground> m_after;
};

// The site's boundary is drawn, replacing the one before, moved or taken away.
class BoundaryChange {
public:
    BoundaryChange(const SiteDocument& document, std::vector<PlanPoint> after)
        : m_before(document.site().boundary), m_after(std::move(after)) {}

    void apply(SiteDocument& document) const { document.setBoundary(m_after); }
    void revert(SiteDocument& document) const { document.setBoundary(m_before); }
    // This change then `next` as one.
    bool absorb(const BoundaryChange& next) {
        m_after = next.m_after;
        return true;
    }

private:
    std::vector<PlanPoint> m_before;
    std::vector<PlanPoint> m_after;
};

// The site's level set changes, its cameras and areas carried into it (withLevelSet).
class LevelSetChange {
public:
    LevelSetChange(const SiteDocument& document, const LevelSet& after);

    void apply(SiteDocument& document) const { document.reset(m_after); }
    void revert(SiteDocument& document) const { document.reset(m_before); }

private:
    Site m_before;
    Site m_after;
};

// The site's storeys change, their items carried along or removed with them (withStoreys).
class StoreysChange {
public:
    StoreysChange(const SiteDocument& document, std::vector<SiteStorey> storeys,
                  const std::vector<int>& from)
        : m_before(document.site()),
          m_after(withStoreys(document.site(), std::move(storeys), from)) {}

    void apply(SiteDocument& document) const { document.reset(m_after); }
    void revert(SiteDocument& document) const { document.reset(m_before); }

private:
    Site m_before;
    Site m_after;
};

// Who the site is for and by whom changes: the report's cover says it.
class PropertiesChange {
public:
    PropertiesChange(const SiteDocument& document, SiteProperties after)
        : m_before(document.site().properties), m_after(std::move(after)) {}

    void apply(SiteDocument& document) const { document.setProperties(m_after); }
    void revert(SiteDocument& document) const { document.setProperties(m_before); }

private:
    SiteProperties m_before;
    SiteProperties m_after;
};

} // namespace vistaro
