// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/sitechanges.h"

#include <QUndoCommand>
#include <utility>
#include <vector>

namespace vistaro {

// Every edit of the site plan is one of these, pushed onto the window's undo stack: a change of
// the site and its text. A drag sends one step for each mouse move, all with the drag's gesture
// number, and the steps of one gesture merge into one undo step when the change absorbs the
// next; gesture 0 never merges. `Id` tells apart the kinds of command that merge, -1 the others.
template <typename Change, int Id> class SiteCommand : public QUndoCommand {
public:
    SiteCommand(SiteDocument& document, Change change, const QString& text, int gesture)
        : QUndoCommand(text), m_document(document), m_change(std::move(change)),
          m_gesture(gesture) {}

    void undo() override { m_change.revert(m_document); }
    void redo() override { m_change.apply(m_document); }
    int id() const override { return m_gesture != 0 ? Id : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        if constexpr (Id == -1) {
            return false;
        } else {
            const auto* next = static_cast<const SiteCommand*>(other);
            return next->m_gesture == m_gesture && m_change.absorb(next->m_change);
        }
    }

private:
    SiteDocument& m_document;
    Change m_change;
    int m_gesture;
};

class SetItemCommand : public SiteCommand<ItemChange, 1> {
public:
    SetItemCommand(SiteDocument& document, const ItemRef& ref, SiteItem after, const QString& text,
                   int gesture = 0)
        : SiteCommand(document, ItemChange(document, ref, std::move(after)), text, gesture) {}
};

class SetItemsCommand : public SiteCommand<ItemsEdit, 3> {
public:
    SetItemsCommand(SiteDocument& document, const std::vector<std::pair<ItemRef, SiteItem>>& after,
                    const QString& text, int gesture = 0)
        : SiteCommand(document, ItemsEdit(document, after), text, gesture) {}
};

class InsertItemsCommand : public SiteCommand<ItemsChange, -1> {
public:
    using Direction = ItemsChange::Direction;

    InsertItemsCommand(SiteDocument& document, std::vector<std::pair<ItemRef, SiteItem>> items,
                       Direction direction, const QString& text)
        : SiteCommand(document, ItemsChange(std::move(items), direction), text, 0) {}
};

class SetBackgroundCommand : public SiteCommand<BackgroundChange, 2> {
public:
    SetBackgroundCommand(SiteDocument& document, int storey, std::optional<SiteBackground> after,
                         const QString& text, int gesture = 0)
        : SiteCommand(document, BackgroundChange(document, storey, std::move(after)), text,
                      gesture) {}
};

class SetBoundaryCommand : public SiteCommand<BoundaryChange, 3> {
public:
    SetBoundaryCommand(SiteDocument& document, std::vector<PlanPoint> after, const QString& text,
                       int gesture = 0)
        : SiteCommand(document, BoundaryChange(document, std::move(after)), text, gesture) {}
};

class SetLevelSetCommand : public SiteCommand<LevelSetChange, -1> {
public:
    SetLevelSetCommand(SiteDocument& document, const LevelSet& after, const QString& text)
        : SiteCommand(document, LevelSetChange(document, after), text, 0) {}
};

class SetStoreysCommand : public SiteCommand<StoreysChange, -1> {
public:
    SetStoreysCommand(SiteDocument& document, std::vector<SiteStorey> storeys,
                      const std::vector<int>& from, const QString& text)
        : SiteCommand(document, StoreysChange(document, std::move(storeys), from), text, 0) {}
};

class SetPropertiesCommand : public SiteCommand<PropertiesChange, -1> {
public:
    SetPropertiesCommand(SiteDocument& document, SiteProperties after, const QString& text)
        : SiteCommand(document, PropertiesChange(document, std::move(after)), text, 0) {}
};

} // namespace vistaro
