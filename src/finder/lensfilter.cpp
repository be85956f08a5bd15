// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "finder/lensfilter.h"

#include "finder/lenstablemodel.h"

namespace vistaro {

LensFilter::LensFilter(LensTableModel& model, QObject* parent)
    : QSortFilterProxyModel(parent), m_model(model) {
    setSourceModel(&model);
    setSortRole(SortRole);
    // The finder re-sorts and re-filters once after judging the whole catalogue; following each
    // changed row on its own would cost far more.
    setDynamicSortFilter(false);
}

void LensFilter::setFitsOnly(bool fitsOnly) {
    if (fitsOnly == m_fitsOnly)
        return;
    m_fitsOnly = fitsOnly;
    invalidateFilter();
}

void LensFilter::setNameFilter(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed == m_name)
        return;
    m_name = trimmed;
    invalidateFilter();
}

void LensFilter::setTypeFilter(const QString& typeCode) {
    if (typeCode == m_type)
        return;
    m_type = typeCode;
    invalidateFilter();
}

int LensFilter::sourceRow(int row) const {
    return mapToSource(index(row, 0)).row();
}

bool LensFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    if (m_fitsOnly && m_model.verdict(sourceRow, Check::Fits) != Verdict::Pass)
        return false;
    if (!m_type.isEmpty() && m_model.lens(sourceRow).TypeCode != m_type)
        return false;
    return m_name.isEmpty() || m_model.mentions(sourceRow, m_name);
}

} // namespace vistaro
