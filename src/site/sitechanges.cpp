// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/sitechanges.h"

#include <algorithm>

namespace vistaro {

ItemChange::ItemChange(const SiteDocument& document, const ItemRef& ref, SiteItem after)
    : m_ref(ref), m_before(document.item(ref)), m_after(std::move(after)) {}

bool ItemChange::absorb(const ItemChange& next) {
    if (next.m_ref != m_ref)
        return false;
    m_after = next.m_after;
    return true;
}

ItemsEdit::ItemsEdit(const SiteDocument& document,
                     const std::vector<std::pair<ItemRef, SiteItem>>& after)
    : m_after(after) {
    for (const auto& [ref, item] : after)
        m_before.emplace_back(ref, document.item(ref));
}

bool ItemsEdit::absorb(const ItemsEdit& next) {
    using Pair = std::pair<ItemRef, SiteItem>;
    if (!std::ranges::equal(m_after, next.m_after, {}, &Pair::first, &Pair::first))
        return false;
    m_after = next.m_after;
    return true;
}

ItemsChange::ItemsChange(std::vector<std::pair<ItemRef, SiteItem>> items, Direction direction)
    : m_items(std::move(items)), m_direction(direction) {}

void ItemsChange::insert(SiteDocument& document) const {
    document.insertItems(m_items);
}

void ItemsChange::remove(SiteDocument& document) const {
    std::vector<ItemRef> refs;
    refs.reserve(m_items.size());
    for (const auto& item : m_items)
        refs.push_back(item.first);
    document.removeItems(std::move(refs));
}

void ItemsChange::apply(SiteDocument& document) const {
    m_direction == Direction::Insert ? insert(document) : remove(document);
}

void ItemsChange::revert(SiteDocument& document) const {
    m_direction == Direction::Insert ? remove(document) : insert(document);
}

BackgroundChange::BackgroundChange(const SiteDocument& document, int storey,
                                   std::optional<SiteBackground> after)
    : m_storey(storey),
      m_before(document.site().storeys.at(static_cast<std::size_t>(storey)).background),
      m_after(std::move(after)) {}

bool BackgroundChange::absorb(const BackgroundChange& next) {
    if (next.m_storey != m_storey)
        return false;
    m_after = next.m_after;
    return true;
}

LevelSetChange::LevelSetChange(const SiteDocument& document, const LevelSet& after)
    : m_before(document.site()), m_after(withLevelSet(document.site(), after)) {}

} // namespace vistaro
