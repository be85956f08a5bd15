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

// The scene of each storey asked for, kept while what it is built of stays as it was: the
// storeys' heights and the storey's walls and obstacles. A camera moved or turned, or an area
// changed, places the people again; an item of another storey leaves the scene as it is.
class StoreyScenes {
public:
    // The scene of `storey` of `site`, built when it was not or what it is built of changed.
    const RenderScene& scene(const Site& site, int storey);

private:
    // What a storey's scene is built of, with each item's place in the site's lists (which the
    // scene's hits name).
    struct Content {
        std::vector<std::pair<double, double>> storeys; // each one's elevation and height
        std::vector<std::pair<std::size_t, SiteWall>> walls;
        std::vector<std::pair<std::size_t, SiteObstacle>> obstacles;

        bool operator==(const Content&) const = default;
    };
    static Content contentOf(const Site& site, int storey);

    std::map<int, std::pair<Content, std::unique_ptr<RenderScene>>> kept_;
};

} // namespace vistaro
