// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "siteplan/sitetablemodel.h"

namespace vistaro {

enum class AreaColumn { Name, Level, Surface, Covered, Storey };
inline constexpr int AreaColumnCount = 5;

// The site's areas, one a row, with the share each has covered at its level. Name and level
// can be typed.
class AreaTableModel : public SiteTableModel {
    Q_OBJECT

public:
    AreaTableModel(const SiteDocument& document, const SiteCoverage& coverage, Edit edit,
                   QObject* parent = nullptr);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

protected:
    std::optional<SiteItem> edited(SiteItem item, int column, const QVariant& value) const override;
};

} // namespace vistaro
