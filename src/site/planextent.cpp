// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/planextent.h"

#include "site/plancoordinates.h"
#include "site/plangeometry.h"

#include <algorithm>

namespace vistaro {

namespace {

constexpr double MarginShare = 0.1;
constexpr double LeastMarginM = 2;

QRectF pointBox(const PlanPoint& point) {
    return QRectF(QPointF(point.x, point.y), QSizeF(0, 0));
}

} // namespace

QRectF backgroundOnPlan(const SiteBackground& background, const QRectF& pixels) {
    const PlanPoint a = planOfPixel(background, {pixels.left(), pixels.top()});
    const PlanPoint b = planOfPixel(background, {pixels.right(), pixels.bottom()});
    return QRectF(QPointF(a.x, a.y), QPointF(b.x, b.y)).normalized();
}

std::optional<QRectF> planExtent(const Site& site, const std::optional<QRectF>& background) {
    // QRectF's own union leaves out a point or a line (no width or no height).
    std::optional<QRectF> box;
    const auto take = [&box](const QRectF& more) {
        const QRectF other = more.normalized();
        box = !box ? other
                   : QRectF(QPointF(std::min(box->left(), other.left()),
                                    std::min(box->top(), other.top())),
                            QPointF(std::max(box->right(), other.right()),
                                    std::max(box->bottom(), other.bottom())));
    };
    const auto takeAll = [&take](const std::vector<PlanPoint>& points) {
        for (const PlanPoint& point : points)
            take(pointBox(point));
    };
    if (background)
        take(*background);
    for (const SiteWall& wall : site.walls)
        takeAll(wall.points);
    for (const SiteArea& area : site.areas)
        takeAll(area.points);
    for (const SiteObstacle& obstacle : site.obstacles)
        takeAll(obstacle.points);
    for (const SiteCamera& camera : site.cameras)
        take(pointBox(camera.position));
    takeAll(site.boundary);
    return box;
}

QRectF withBandMargin(const QRectF& extent) {
    const double margin =
        std::max(std::max(extent.width(), extent.height()) * MarginShare, LeastMarginM);
    return extent.adjusted(-margin, -margin, margin, margin);
}

QRectF printedFrame(const QRectF& extent) {
    const QPointF middle = extent.center();
    const double width = std::max(extent.width(), 1.0);
    const double height = std::max(extent.height(), 1.0);
    return QRectF(middle.x() - width / 2, middle.y() - height / 2, width, height);
}

std::optional<QRectF> bandLimit(const Site& site, const std::optional<QRectF>& extent) {
    if (!site.boundary.empty() || !extent)
        return std::nullopt;
    return withBandMargin(*extent);
}

bool BandCut::keepsWhole(const CameraFootprint& footprint) const {
    const QRectF reach = footprint.cover.reach.empty() ? QRectF() : footprint.cover.reach.front();
    const QRectF dead = boundsOf(footprint.cover.deadZone);
    return !m_limit || ((reach.isNull() || m_limit->contains(reach)) &&
                        (dead.isNull() || m_limit->contains(dead)));
}

CameraFootprint BandCut::cut(const CameraFootprint& footprint) const {
    if (keepsWhole(footprint))
        return footprint;
    const QRectF& box = *m_limit;
    const plane::Region limit = regionOf({{box.left(), box.top()},
                                          {box.right(), box.top()},
                                          {box.right(), box.bottom()},
                                          {box.left(), box.bottom()}});
    CameraFootprint cut = footprint;
    cut.bands.clear();
    for (const LevelBand& band : footprint.bands) {
        const plane::Region kept =
            m_geometry.intersect(footprint.cover.bands.at(band.level), limit);
        cut.cover.bands.at(band.level) = kept;
        if (kept.empty())
            continue;
        LevelBand drawn = band;
        drawn.shape = shapeOf(kept);
        if (drawn.labelAt && !box.contains(QPointF(drawn.labelAt->x, drawn.labelAt->y)))
            drawn.labelAt.reset();
        cut.bands.push_back(std::move(drawn));
    }
    cut.cover.deadZone = m_geometry.intersect(footprint.cover.deadZone, limit);
    cut.deadZone = shapeOf(cut.cover.deadZone);
    return cut;
}

} // namespace vistaro
