// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/planimport.h"
#include "siteplan/siteplan.h"
#include "siteplan/siteundo.h"

#include <QUndoStack>

namespace vistaro {

void SitePlan::editDxfLayers() {
    if (!m_document.site().background)
        return;
    const SiteBackground background = *m_document.site().background;
    const std::optional<LayerEdit> edit = m_plans->editLayers(background);
    if (!edit || (edit->hidden == background.hiddenLayers && edit->walls.empty()))
        return;
    // Layers hidden and walls made are undone together.
    m_undo->beginMacro(tr("Change drawing layers"));
    if (edit->hidden != background.hiddenLayers) {
        SiteBackground changed = background;
        changed.hiddenLayers = edit->hidden;
        m_undo->push(new SetBackgroundCommand(m_document, changed, tr("Change drawing layers")));
    }
    std::vector<std::pair<ItemRef, SiteItem>> walls;
    int index = m_document.count(ItemKind::Wall);
    for (const SiteWall& wall : edit->walls)
        walls.emplace_back(ItemRef{ItemKind::Wall, index++}, wall);
    if (!walls.empty())
        insertItems(std::move(walls), tr("Walls from layers"));
    m_undo->endMacro();
}

} // namespace vistaro
