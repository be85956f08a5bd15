// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/storeyscenes.h"

#include <algorithm>

namespace vistaro {

StoreyScenes::Content StoreyScenes::contentOf(const Site& site, int storey) {
    Content content;
    for (std::size_t i = 0; i < site.storeys.size(); ++i)
        content.storeys.emplace_back(site.storeys[i].elevationM, site.storeys[i].heightM);
    for (std::size_t i = 0; i < site.walls.size(); ++i)
        if (site.walls[i].storey == storey)
            content.walls.emplace_back(i, site.walls[i]);
    for (std::size_t i = 0; i < site.obstacles.size(); ++i)
        if (site.obstacles[i].storey == storey)
            content.obstacles.emplace_back(i, site.obstacles[i]);
    return content;
}

const RenderScene& StoreyScenes::scene(const Site& site, int storey) {
    Content content = contentOf(site, storey);
    auto& [kept, scene] = kept_[storey];
    // The floor reaches well beyond what stood on it when the scene was built; a camera or an
    // area dragged past its edge builds it again.
    const auto onFloor = [&scene](PlanPoint p) { return scene->onFloor(p); };
    const bool offFloor =
        scene && (std::any_of(site.cameras.begin(), site.cameras.end(),
                              [&](const SiteCamera& camera) {
                                  return camera.storey == storey && !onFloor(camera.position);
                              }) ||
                  std::any_of(site.areas.begin(), site.areas.end(), [&](const SiteArea& area) {
                      return area.storey == storey &&
                             !std::all_of(area.points.begin(), area.points.end(), onFloor);
                  }));
    if (!scene || !(kept == content) || offFloor) {
        scene = std::make_unique<RenderScene>(site, storey);
        kept = std::move(content);
    } else if (std::vector<ScenePerson> people = peopleOf(site, storey);
               people != scene->people()) {
        scene->setPeople(std::move(people));
    }
    return *scene;
}

} // namespace vistaro
