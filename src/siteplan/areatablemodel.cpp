// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/areatablemodel.h"

#include "optics/coverageformat.h"
#include "site/planfigures.h"

namespace vistaro {

AreaTableModel::AreaTableModel(const SiteDocument& document, const SiteCoverage& coverage,
                               Edit edit, QObject* parent)
    : SiteTableModel(ItemKind::Area, document, coverage, std::move(edit), parent) {
    connect(&coverage, &SiteCoverage::areaCoverageChanged, this, &AreaTableModel::rowChanged);
}

int AreaTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : AreaColumnCount;
}

QVariant AreaTableModel::data(const QModelIndex& index, int role) const {
    if (!shows(index) || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const SiteArea& area = document().site().areas.at(static_cast<std::size_t>(index.row()));
    switch (static_cast<AreaColumn>(index.column())) {
    case AreaColumn::Name:
        return area.name;
    case AreaColumn::Level:
        return role == Qt::EditRole ? QVariant(static_cast<int>(area.level))
                                    : QVariant(CoverageText::levelName(levelSet(), area.level));
    case AreaColumn::Surface:
        return surfaceText(coverage().surface(index.row()), units(), Rounding::Nearest);
    case AreaColumn::Covered:
        return coveredText(coverage().coverage(index.row()).share);
    case AreaColumn::Storey:
        return storeyName(document().site(), area.storey);
    }
    return {};
}

QVariant AreaTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (static_cast<AreaColumn>(section)) {
    case AreaColumn::Name:
        return tr("Name");
    case AreaColumn::Level:
        return tr("Level");
    case AreaColumn::Surface:
        return FigureCaptions::area(units());
    case AreaColumn::Covered:
        return tr("Covered (%)");
    case AreaColumn::Storey:
        return tr("Storey");
    }
    return {};
}

Qt::ItemFlags AreaTableModel::flags(const QModelIndex& index) const {
    const auto column = static_cast<AreaColumn>(index.column());
    const bool typed = column == AreaColumn::Name || column == AreaColumn::Level;
    return SiteTableModel::flags(index) | (typed ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

std::optional<SiteItem> AreaTableModel::edited(SiteItem item, int column,
                                               const QVariant& value) const {
    auto& area = std::get<SiteArea>(item);
    if (static_cast<AreaColumn>(column) == AreaColumn::Name) {
        area.name = value.toString().trimmed();
        return item;
    }
    if (static_cast<AreaColumn>(column) == AreaColumn::Level)
        if (const std::optional<Level> level = typedLevel(value, levelSet())) {
            area.level = *level;
            return item;
        }
    return std::nullopt;
}

} // namespace vistaro
