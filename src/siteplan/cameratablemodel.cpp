// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/cameratablemodel.h"

#include "optics/coverageformat.h"
#include "optics/units.h"
#include "platform/numberformat.h"
#include "site/planfigures.h"

#include <cmath>

namespace vistaro {

CameraTableModel::CameraTableModel(const SiteDocument& document, const SiteCoverage& coverage,
                                   Edit edit, QObject* parent)
    : SiteTableModel(ItemKind::Camera, document, coverage, std::move(edit), parent) {
    connect(&coverage, &SiteCoverage::cameraCoverageChanged, this, &CameraTableModel::rowChanged);
}

int CameraTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : CameraColumnCount;
}

QVariant CameraTableModel::data(const QModelIndex& index, int role) const {
    if (!shows(index) || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const SiteCamera& camera = document().site().cameras.at(static_cast<std::size_t>(index.row()));
    const bool edit = role == Qt::EditRole;
    const auto row = [&] {
        return cameraRowTexts(camera, levelSet(), coverage().areaAtLevel(index.row(), camera.level),
                              units());
    };
    switch (static_cast<CameraColumn>(index.column())) {
    case CameraColumn::Name:
        return camera.name;
    case CameraColumn::Lens:
        return camera.lens;
    case CameraColumn::Focal:
        return edit ? CoverageText::figure(camera.focalMm, 2, Rounding::Nearest) : row().focal;
    case CameraColumn::Level:
        return edit ? QVariant(static_cast<int>(camera.level)) : QVariant(row().level);
    case CameraColumn::Density:
        return row().density;
    case CameraColumn::AreaAtLevel:
        return row().areaAtLevel;
    case CameraColumn::Pan:
        return CoverageText::figure(camera.panDeg, 1, Rounding::Nearest);
    case CameraColumn::Height:
        return lengthInUnits(camera.mountHeightM, units());
    case CameraColumn::TargetHeight:
        // Aimed by its tilt, the camera's field is still worked out at its target height.
        return lengthInUnits(camera.targetHeightM, units());
    case CameraColumn::Storey:
        return storeyName(document().site(), camera.storey);
    }
    return {};
}

QVariant CameraTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (static_cast<CameraColumn>(section)) {
    case CameraColumn::Name:
        return tr("Name");
    case CameraColumn::Lens:
        return tr("Lens");
    case CameraColumn::Focal:
        return tr("Focal (mm)");
    case CameraColumn::Level:
        return tr("Level");
    case CameraColumn::Density:
        return FigureCaptions::densityAtAim(units());
    case CameraColumn::AreaAtLevel:
        return FigureCaptions::areaAtLevel(units());
    case CameraColumn::Pan:
        return tr("Pan (\u00b0)");
    case CameraColumn::Height:
        return withUnit(tr("Height"), lengthUnit(units()));
    case CameraColumn::TargetHeight:
        return withUnit(tr("Target height"), lengthUnit(units()));
    case CameraColumn::Storey:
        return tr("Storey");
    }
    return {};
}

Qt::ItemFlags CameraTableModel::flags(const QModelIndex& index) const {
    switch (static_cast<CameraColumn>(index.column())) {
    case CameraColumn::Name:
    case CameraColumn::Focal:
    case CameraColumn::Level:
    case CameraColumn::Pan:
    case CameraColumn::Height:
    case CameraColumn::TargetHeight:
        return SiteTableModel::flags(index) | Qt::ItemIsEditable;
    default:
        return SiteTableModel::flags(index);
    }
}

std::optional<SiteItem> CameraTableModel::edited(SiteItem item, int column,
                                                 const QVariant& value) const {
    auto& camera = std::get<SiteCamera>(item);
    switch (static_cast<CameraColumn>(column)) {
    case CameraColumn::Name:
        camera.name = value.toString().trimmed();
        return item;
    case CameraColumn::Focal: {
        const std::optional<double> focal = readNumber(value.toString(), Quantity::Focal).value;
        if (!focal)
            return std::nullopt;
        camera.focalMm = *focal;
        return item;
    }
    case CameraColumn::Level:
        if (const std::optional<Level> level = typedLevel(value, levelSet())) {
            camera.level = *level;
            return item;
        }
        return std::nullopt;
    case CameraColumn::Pan: {
        const std::optional<double> pan = num::toDouble(value.toString().trimmed());
        if (!pan)
            return std::nullopt;
        camera.panDeg = std::fmod(*pan, 360.0);
        if (camera.panDeg < 0)
            camera.panDeg += 360;
        return item;
    }
    case CameraColumn::Height:
        if (const auto height = typedLength(value, Quantity::MountHeight, units())) {
            camera.mountHeightM = *height;
            return item;
        }
        return std::nullopt;
    case CameraColumn::TargetHeight:
        if (const auto height = typedLength(value, Quantity::TargetHeight, units())) {
            camera.targetHeightM = *height;
            return item;
        }
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace vistaro
