// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/sitetablemodel.h"

#include "optics/coverageformat.h"
#include "optics/units.h"
#include "platform/numberformat.h"

namespace vistaro {

SiteTableModel::SiteTableModel(ItemKind kind, const SiteDocument& document,
                               const SiteCoverage& coverage, Edit edit, QObject* parent)
    : QAbstractTableModel(parent), m_kind(kind), m_document(document), m_coverage(coverage),
      m_edit(std::move(edit)), m_rows(document.count(kind)) {
    // The document has changed when it says so; the rows follow at once. Until they have, the
    // table has the rows it was told of, which the coverage may say changed in between.
    connect(&document, &SiteDocument::siteReset, this, [this] {
        beginResetModel();
        m_rows = m_document.count(m_kind);
        endResetModel();
    });
    connect(&document, &SiteDocument::itemsChanged, this, [this](const std::vector<ItemRef>& refs) {
        for (const ItemRef& ref : refs)
            if (ref.kind == m_kind)
                rowChanged(ref.index);
    });
    // Rows that come in together come in a run at a time, the first run first; those that go
    // leave a run at a time, the last run first, so that each run's rows are numbered as the
    // document numbers them.
    connect(&document, &SiteDocument::itemsInserted, this,
            [this](const std::vector<ItemRef>& refs) {
                for (const auto& [first, last] : runsOf(refs)) {
                    beginInsertRows({}, first, last);
                    m_rows += last - first + 1;
                    endInsertRows();
                }
            });
    connect(&document, &SiteDocument::itemsRemoved, this, [this](const std::vector<ItemRef>& refs) {
        const std::vector<std::pair<int, int>> runs = runsOf(refs);
        for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
            beginRemoveRows({}, run->first, run->second);
            m_rows -= run->second - run->first + 1;
            endRemoveRows();
        }
    });
}

std::vector<std::pair<int, int>> SiteTableModel::runsOf(const std::vector<ItemRef>& refs) const {
    std::vector<std::pair<int, int>> runs;
    for (const ItemRef& ref : refs) {
        if (ref.kind != m_kind)
            continue;
        if (!runs.empty() && runs.back().second + 1 == ref.index)
            runs.back().second = ref.index;
        else
            runs.emplace_back(ref.index, ref.index);
    }
    return runs;
}

int SiteTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int SiteTableModel::storeyOfRow(int row) const {
    const ItemRef ref{m_kind, row};
    return m_document.holds(ref) ? storeyOf(m_document.item(ref)) : -1;
}

StoreyRows::StoreyRows(SiteTableModel& rows, QObject* parent)
    : QSortFilterProxyModel(parent), m_rows(rows) {
    setSourceModel(&rows);
    // A camera moved to another storey leaves the rows of its first.
    setDynamicSortFilter(true);
}

void StoreyRows::setStorey(std::optional<int> storey) {
    if (storey == m_storey)
        return;
    m_storey = storey;
    invalidateRowsFilter();
}

bool StoreyRows::filterAcceptsRow(int row, const QModelIndex&) const {
    return !m_storey || m_rows.storeyOfRow(row) == *m_storey;
}

bool SiteTableModel::shows(const QModelIndex& index) const {
    return index.isValid() && index.row() < m_document.count(m_kind);
}

bool SiteTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const ItemRef ref{m_kind, index.row()};
    if (role != Qt::EditRole || !index.isValid() || !m_document.holds(ref))
        return false;
    const SiteItem before = m_document.item(ref);
    const std::optional<SiteItem> after = edited(before, index.column(), value);
    if (!after)
        return false;
    if (*after != before)
        m_edit(ref, *after);
    return true;
}

void SiteTableModel::retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    rowChanged(-1);
}

void SiteTableModel::rowChanged(int row) {
    const int rows = std::min(m_rows, m_document.count(m_kind));
    if (rows == 0 || row >= rows)
        return;
    emit dataChanged(index(std::max(row, 0), 0),
                     index(row < 0 ? rows - 1 : row, columnCount() - 1));
}

QString lengthInUnits(double metres, Units units) {
    return CoverageText::figure(toUnits(metres, units), 2, Rounding::Nearest);
}

std::optional<double> typedLength(const QVariant& value, Quantity quantity, Units units) {
    return readNumber(value.toString(), quantity, units).value;
}

std::optional<double> typedHeight(const QVariant& value, Units units) {
    const std::optional<double> typed = num::toDouble(value.toString());
    return typed ? std::optional(fromUnits(*typed, units)) : std::nullopt;
}

std::optional<Level> typedLevel(const QVariant& value, const LevelSet& set) {
    bool ok = false;
    const int index = value.toInt(&ok);
    if (!ok || index < 0 || index >= static_cast<int>(set.size()))
        return std::nullopt;
    return Level(index);
}

} // namespace vistaro
