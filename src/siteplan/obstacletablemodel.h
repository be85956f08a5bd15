// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "siteplan/sitetablemodel.h"

namespace vistaro {

enum class ObstacleColumn { Name, Bottom, Top, Surface, Storey };
inline constexpr int ObstacleColumnCount = 5;
// The role a sorting proxy reads: the figures as numbers, the name as text.
inline constexpr int ObstacleSortRole = Qt::UserRole;

// The site's obstacles, one a row: name, heights and surface seen from above, in the site's
// units. Name and heights can be typed; a negative height or a bottom above the top is refused.
class ObstacleTableModel : public SiteTableModel {
    Q_OBJECT

public:
    ObstacleTableModel(const SiteDocument& document, const SiteCoverage& coverage, Edit edit,
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
