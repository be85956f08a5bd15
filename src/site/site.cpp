// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/site.h"

#include <QCoreApplication>

namespace vistaro {

Site withLevelSet(Site site, const LevelSet& levels) {
    for (SiteCamera& camera : site.cameras)
        camera.level = carriedLevel(site.levelSet, camera.level, levels);
    for (SiteArea& area : site.areas)
        area.level = carriedLevel(site.levelSet, area.level, levels);
    site.levelSet = levels;
    return site;
}

QString storeyName(const Site& site, int storey) {
    const QString& name = site.storeys.at(static_cast<std::size_t>(storey)).name;
    return name.isEmpty()
               ? QCoreApplication::translate("vistaro::Site", "Storey %1").arg(storey + 1)
               : name;
}

} // namespace vistaro
