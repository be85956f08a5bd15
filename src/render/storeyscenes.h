// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "render/renderscene.h"
#include "site/site.h"

#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace vistaro {

// The scene of each storey asked for, kept while what it holds stays as it was: a camera's lens,
// height or tilt changed, or an item of another storey, leave it standing. A camera moved or
// turned moves the person at its aim, so its storey is built again.
class StoreyScenes {
public:
    // The scene of `storey` of `site`, built when it was not or what it holds changed.
    const RenderScene& scene(const Site& site, int storey);

private:
    // What a storey's scene is made of, with each item's place in the site's lists (which the
    // scene's hits name).
    struct Content {
        double heightM = 0;
        std::vector<std::pair<std::size_t, SiteWall>> walls;
        std::vector<std::pair<std::size_t, SiteObstacle>> obstacles;
        std::vector<SiteArea> areas;
        std::vector<SiteCamera> aims; // of each camera only what places the person at its aim

        bool operator==(const Content&) const = default;
    };
    static Content contentOf(const Site& site, int storey);

    std::map<int, std::pair<Content, std::unique_ptr<RenderScene>>> kept_;
};

} // namespace vistaro
