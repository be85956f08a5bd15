// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "siteplan/sitedocument.h"

#include <QUndoCommand>
#include <utility>
#include <vector>

namespace vistaro {

// Every edit of the site plan is one of these, pushed onto the window's undo stack. A drag
// sends one step for each mouse move, all with the drag's gesture number, and the steps of one
// gesture merge into one undo step; gesture 0 never merges.

// One item changes.
class SetItemCommand : public QUndoCommand {
public:
    SetItemCommand(SiteDocument& document, const ItemRef& ref, SiteItem after, const QString& text,
                   int gesture = 0);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    SiteDocument& m_document;
    ItemRef m_ref;
    SiteItem m_before;
    SiteItem m_after;
    int m_gesture;
};

// Items come onto the plan, or leave it. Each is given with its place in its kind's list after
// the insertion (before the removal); they go in in ascending order and out in descending order.
class InsertItemsCommand : public QUndoCommand {
public:
    enum class Direction { Insert, Remove };

    InsertItemsCommand(SiteDocument& document, std::vector<std::pair<ItemRef, SiteItem>> items,
                       Direction direction, const QString& text);

    void undo() override;
    void redo() override;

private:
    void insert();
    void remove();

    SiteDocument& m_document;
    std::vector<std::pair<ItemRef, SiteItem>> m_items; // ascending
    Direction m_direction;
};

// The background picture changes: added, moved, scaled, dimmed, locked, shown or hidden.
class SetBackgroundCommand : public QUndoCommand {
public:
    SetBackgroundCommand(SiteDocument& document, std::optional<SiteBackground> after,
                         const QString& text, int gesture = 0);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    SiteDocument& m_document;
    std::optional<SiteBackground> m_before;
    std::optional<SiteBackground> m_after;
    int m_gesture;
};

// The site's level set changes, its cameras and areas carried into it (withLevelSet).
class SetLevelSetCommand : public QUndoCommand {
public:
    SetLevelSetCommand(SiteDocument& document, const LevelSet& after, const QString& text);

    void undo() override { m_document.reset(m_before); }
    void redo() override { m_document.reset(m_after); }

private:
    SiteDocument& m_document;
    Site m_before;
    Site m_after;
};

} // namespace vistaro
