// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/storeyscenes.h"

namespace vistaro {

StoreyScenes::Content StoreyScenes::contentOf(const Site& site, int storey) {
    Content content;
    if (storey >= 0 && storey < static_cast<int>(site.storeys.size()))
        content.heightM = site.storeys[static_cast<std::size_t>(storey)].heightM;
    for (std::size_t i = 0; i < site.walls.size(); ++i)
        if (site.walls[i].storey == storey)
            content.walls.emplace_back(i, site.walls[i]);
    for (std::size_t i = 0; i < site.obstacles.size(); ++i)
        if (site.obstacles[i].storey == storey)
            content.obstacles.emplace_back(i, site.obstacles[i]);
    for (const SiteArea& area : site.areas)
        if (area.storey == storey)
            content.areas.push_back(area);
    for (const SiteCamera& camera : site.cameras)
        if (camera.storey == storey) {
            SiteCamera aim;
            aim.name = camera.name;
            aim.position = camera.position;
            aim.panDeg = camera.panDeg;
            aim.distanceM = camera.distanceM;
            content.aims.push_back(aim);
        }
    return content;
}

const RenderScene& StoreyScenes::scene(const Site& site, int storey) {
    Content content = contentOf(site, storey);
    auto& [kept, scene] = kept_[storey];
    if (!scene || !(kept == content)) {
        scene = std::make_unique<RenderScene>(site, storey);
        kept = std::move(content);
    }
    return *scene;
}

} // namespace vistaro
