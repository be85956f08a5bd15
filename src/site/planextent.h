// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/sitegeometry.h"

#include <QRectF>
#include <optional>

namespace vistaro {

// Where a background whose picture spans `pixels` (its own pixels, x right and y down) lies on
// the plan, in metres (x east, y north).
QRectF backgroundOnPlan(const SiteBackground& background, const QRectF& pixels);

// The plan's extent in metres (x east, y north): the background's placed rectangle, the walls,
// the areas, the obstacles, the cameras and the boundary. The bands are left out: through a door
// they run far beyond the building. None for an empty site.
std::optional<QRectF> planExtent(const Site& site,
                                 const std::optional<QRectF>& background = std::nullopt);

// The extent plus a tenth of its larger side, at least 2 m: what a drawing of the plan frames.
QRectF withBandMargin(const QRectF& extent);

// What a printed or exported plan frames: the extent itself, so that a 20 m shop is 200 mm wide
// at 1:100; a side shorter than 1 m is widened to 1 m round its middle, so that a lone camera's
// plan has a size.
QRectF printedFrame(const QRectF& extent);

// Where the bands are drawn up to: the extent with its margin. None (no cut) when the site has a
// boundary, which cuts the coverage itself, or no extent.
std::optional<QRectF> bandLimit(const Site& site, const std::optional<QRectF>& extent);

// Cuts what a camera covers to the band limit for drawing, its cover's regions too (what a map
// of the best level is made of); the camera's figures (its bands' surfaces, what the areas
// count) stay those of the whole footprint. One thread at a time.
class BandCut {
public:
    void setLimit(const std::optional<QRectF>& limit) { m_limit = limit; }
    const std::optional<QRectF>& limit() const { return m_limit; }
    // Whether the footprint lies within the limit, so that cut() gives it back whole.
    bool keepsWhole(const CameraFootprint& footprint) const;
    // The footprint's bands and dead zone within the limit; a band left empty is dropped, and a
    // label outside the limit too.
    CameraFootprint cut(const CameraFootprint& footprint) const;

private:
    plane::Geometry m_geometry;
    std::optional<QRectF> m_limit;
};

} // namespace vistaro
