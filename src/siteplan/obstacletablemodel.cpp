// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/obstacletablemodel.h"

#include "optics/units.h"
#include "site/planfigures.h"
#include "site/sitefile.h"

namespace vistaro {

ObstacleTableModel::ObstacleTableModel(const SiteDocument& document, const SiteCoverage& coverage,
                                       Edit edit, QObject* parent)
    : SiteTableModel(ItemKind::Obstacle, document, coverage, std::move(edit), parent) {}

int ObstacleTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ObstacleColumnCount;
}

QVariant ObstacleTableModel::data(const QModelIndex& index, int role) const {
    if (!shows(index) ||
        (role != Qt::DisplayRole && role != Qt::EditRole && role != ObstacleSortRole))
        return {};
    const SiteObstacle& obstacle =
        document().site().obstacles.at(static_cast<std::size_t>(index.row()));
    const auto figure = [role](double metres, const QString& shown) {
        return role == ObstacleSortRole ? QVariant(metres) : QVariant(shown);
    };
    switch (static_cast<ObstacleColumn>(index.column())) {
    case ObstacleColumn::Name:
        return obstacle.name;
    case ObstacleColumn::Bottom:
        return figure(obstacle.bottomM, lengthInUnits(obstacle.bottomM, units()));
    case ObstacleColumn::Top:
        return figure(obstacle.topM, lengthInUnits(obstacle.topM, units()));
    case ObstacleColumn::Surface: {
        // Truncated: the figure never claims more floor than the outline takes.
        const double surface = coverage().surfaceOf(obstacle.points);
        return figure(surface, surfaceText(surface, units(), Rounding::Down));
    }
    case ObstacleColumn::Storey:
        return storeyName(document().site(), obstacle.storey);
    }
    return {};
}

QVariant ObstacleTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (static_cast<ObstacleColumn>(section)) {
    case ObstacleColumn::Name:
        return tr("Name");
    case ObstacleColumn::Bottom:
        return withUnit(tr("Bottom"), lengthUnit(units()));
    case ObstacleColumn::Top:
        return withUnit(tr("Top"), lengthUnit(units()));
    case ObstacleColumn::Surface:
        return FigureCaptions::area(units());
    case ObstacleColumn::Storey:
        return tr("Storey");
    }
    return {};
}

Qt::ItemFlags ObstacleTableModel::flags(const QModelIndex& index) const {
    const auto column = static_cast<ObstacleColumn>(index.column());
    const bool typed = column != ObstacleColumn::Surface && column != ObstacleColumn::Storey;
    return SiteTableModel::flags(index) | (typed ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

std::optional<SiteItem> ObstacleTableModel::edited(SiteItem item, int column,
                                                   const QVariant& value) const {
    auto& obstacle = std::get<SiteObstacle>(item);
    const auto which = static_cast<ObstacleColumn>(column);
    if (which == ObstacleColumn::Name) {
        const QString name = value.toString().trimmed();
        if (name.isEmpty())
            return std::nullopt;
        obstacle.name = name;
        return item;
    }
    const std::optional<double> metres = typedHeight(value, units());
    if (which == ObstacleColumn::Surface || which == ObstacleColumn::Storey || !metres ||
        *metres < 0 || *metres > MaxSiteHeight)
        return std::nullopt;
    (which == ObstacleColumn::Bottom ? obstacle.bottomM : obstacle.topM) = *metres;
    if (obstacle.bottomM > obstacle.topM)
        return std::nullopt;
    return item;
}

} // namespace vistaro
