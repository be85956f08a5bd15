// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "siteplan/sitetablemodel.h"

namespace vistaro {

enum class CameraColumn {
    Name,
    Lens,
    Focal,
    Level,
    Density, // at the aim distance
    AreaAtLevel,
    Pan,
    Height,
    TargetHeight,
    Storey,
};
inline constexpr int CameraColumnCount = 10;

// The site's cameras, one a row. Name, focal length, level, pan and both heights can be typed.
class CameraTableModel : public SiteTableModel {
    Q_OBJECT

public:
    CameraTableModel(const SiteDocument& document, const SiteCoverage& coverage, Edit edit,
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
