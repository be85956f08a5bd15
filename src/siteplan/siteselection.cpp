// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "siteplan/siteselection.h"

#include "siteplan/camerapanel.h"
#include "siteplan/planview.h"
#include "siteplan/sitetablemodel.h"

#include <QTableView>
#include <algorithm>

namespace vistaro {

namespace {

// Every table shows its rows through the proxy that sorts them and keeps a storey's.
const StoreyRows& rowsOf(const QTableView& table) {
    return *static_cast<const StoreyRows*>(table.model());
}

} // namespace

SiteSelection::SiteSelection(const SiteDocument& document, PlanView& view,
                             std::vector<QTableView*> tables, CameraPanel& panel)
    : m_document(document), m_view(view), m_tables(std::move(tables)), m_panel(panel) {
    connect(&view, &PlanView::selectionChanged, this, &SiteSelection::planChanged);
    for (QTableView* table : m_tables)
        connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this, table] { tableChanged(*table); });
    for (const auto signal :
         {&SiteDocument::itemsChanged, &SiteDocument::itemsInserted, &SiteDocument::itemsRemoved})
        connect(&document, signal, this, &SiteSelection::showCamera);
    connect(&document, &SiteDocument::siteReset, this, &SiteSelection::showCamera);
}

void SiteSelection::planChanged() {
    if (m_syncing)
        return;
    m_syncing = true;
    selectInTables(m_view.selection());
    m_syncing = false;
    showCamera();
}

void SiteSelection::tableChanged(QTableView& table) {
    if (m_syncing)
        return;
    m_syncing = true;
    const StoreyRows& shown = rowsOf(table);
    const ItemKind kind = shown.rows().kind();
    std::vector<ItemRef> refs;
    for (const QModelIndex& row : table.selectionModel()->selectedRows())
        refs.push_back({kind, shown.mapToSource(row).row()});
    std::sort(refs.begin(), refs.end());
    for (QTableView* other : m_tables)
        if (other != &table)
            other->selectionModel()->clearSelection();
    // A row of another storey shows that storey.
    if (const QModelIndex current = table.selectionModel()->currentIndex();
        current.isValid() && table.selectionModel()->isRowSelected(current.row(), {}))
        m_view.setStorey(shown.rows().storeyOfRow(shown.mapToSource(current).row()));
    m_view.select(refs);
    m_syncing = false;
    showCamera();
}

void SiteSelection::selectInTables(const std::vector<ItemRef>& refs) {
    for (QTableView* table : m_tables) {
        const StoreyRows& shown = rowsOf(*table);
        const SiteTableModel& model = shown.rows();
        QItemSelection rows;
        for (const ItemRef& ref : refs)
            if (const QModelIndex row = shown.mapFromSource(model.index(ref.index, 0));
                ref.kind == model.kind() && row.isValid())
                rows.select(row, row.siblingAtColumn(model.columnCount() - 1));
        table->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
        if (!rows.isEmpty())
            table->scrollTo(rows.indexes().first());
    }
}

std::optional<ItemRef> SiteSelection::camera() const {
    const std::vector<ItemRef> refs = m_view.selection();
    if (refs.size() == 1 && refs.front().kind == ItemKind::Camera)
        return refs.front();
    return std::nullopt;
}

void SiteSelection::showCamera() {
    const std::optional<ItemRef> ref = camera();
    m_panel.present(ref && m_document.holds(*ref)
                        ? std::optional(std::get<SiteCamera>(m_document.item(*ref)))
                        : std::nullopt,
                    m_document.site().units, m_document.site().levelSet);
    emit cameraShown();
}

} // namespace vistaro
