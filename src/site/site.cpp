// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/site.h"

namespace vistaro {

Site withLevelSet(Site site, const LevelSet& levels) {
    for (SiteCamera& camera : site.cameras)
        camera.level = carriedLevel(site.levelSet, camera.level, levels);
    for (SiteArea& area : site.areas)
        area.level = carriedLevel(site.levelSet, area.level, levels);
    site.levelSet = levels;
    return site;
}

} // namespace vistaro
