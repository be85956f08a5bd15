// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "render/camerarays.h"
#include "site/site.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace vistaro {

// What a ray meets.
enum class HitKind : std::uint8_t { None, Floor, Wall, Obstacle, Person };

// The first thing a ray meets: what it is (the wall's or obstacle's place in the site's lists,
// the person's in the scene's), where, how far along the ray, and the unit normal of its face.
struct SceneHit {
    HitKind kind = HitKind::None;
    int item = -1;
    double distanceM = 0;
    Vec3 point;
    Vec3 normal;
};

// Someone standing on the floor: at an area's centre (named after it) or at a camera's aim
// (named after the camera).
struct ScenePerson {
    QString name;
    PlanPoint at;

    bool operator==(const ScenePerson&) const = default;
};

// The people standing on `storey` of `site`: at each area's centre, then at each camera's aim.
std::vector<ScenePerson> peopleOf(const Site& site, int storey);

// One storey of a site raised to its heights, for casting rays: its floor (beyond every item
// of the storey), its walls as boxes from their bottom to their top (or the ceiling), its
// obstacles as prisms of their outline between their heights, and people of 1.8 m. Built once,
// the people placed again as cameras move; any number of threads may cast rays at once (while
// no one places the people).
class RenderScene {
public:
    static constexpr double WallThicknessM = 0.15;
    static constexpr double PersonHeightM = 1.8;
    static constexpr double PersonWidthM = 0.5;

    RenderScene(const Site& site, int storey);
    ~RenderScene();
    RenderScene(RenderScene&&) noexcept;
    RenderScene& operator=(RenderScene&&) noexcept;

    int storey() const;
    // From the floor to the next one's.
    double heightM() const;
    // Where a camera may hang from: the storey's height, none under the open sky of the top one.
    std::optional<double> ceilingM() const;
    // Whether the floor reaches `point`.
    bool onFloor(PlanPoint point) const;
    const std::vector<ScenePerson>& people() const;
    // The people standing, in place of those before (peopleOf() gives them).
    void setPeople(std::vector<ScenePerson> people);

    // The first thing the ray from `origin` along the unit `direction` meets.
    SceneHit cast(Vec3 origin, Vec3 direction) const;
    // Rays cast together, side by side, the fastest way.
    static constexpr int BundleSize = 16;
    // The first thing each ray from `origin` along the unit `directions` meets, into `hits`
    // (as many, up to BundleSize); a zero direction casts no ray and meets nothing.
    void cast(Vec3 origin, std::span<const Vec3> directions, std::span<SceneHit> hits) const;
    // The wall or obstacle of the storey that holds `point`; none (HitKind::None) when free.
    SceneHit enclosing(Vec3 point) const;
    // Where a camera at `point` that looks towards `heading` (across the plan) sees from: the
    // point itself when no wall holds it; within walls' thickness, on the faces it looks out of,
    // as the plan takes a camera on a wall's line to see the side it looks to; none when it looks
    // into or along a wall that holds it.
    std::optional<Vec3> mountedAt(Vec3 point, PlanPoint heading) const;

private:
    struct Data;
    std::unique_ptr<Data> data_;
};

} // namespace vistaro
