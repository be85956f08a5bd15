// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "site/site.h"

#include <QPointF>

namespace vistaro {

// The plan view's scene is in metres with y pointing down, as pictures and text are drawn, so
// north is up on screen: scene y = -north.
inline QPointF toScene(const PlanPoint& point) {
    return {point.x, -point.y};
}
inline PlanPoint toPlan(const QPointF& point) {
    return {point.x(), -point.y()};
}

// The direction from `from` to `to`, in degrees counter-clockwise from east, 0 to 360.
double panTowards(const PlanPoint& from, const PlanPoint& to);

// A background picture that has no scale yet shows this many metres a pixel.
inline constexpr double UnscaledMetresPerPixel = 0.02;

// How many metres of the plan a pixel of the background spans.
double metresPerPixel(const SiteBackground& background);
// Where a pixel of the picture (x right, y down from its top left corner) lies on the plan,
// and back.
PlanPoint planOfPixel(const SiteBackground& background, const PlanPoint& pixel);
PlanPoint pixelOfPlan(const SiteBackground& background, const PlanPoint& point);

// The background with the scale that puts the pixels `from` and `to` `metres` apart; the pixel
// `from` stays where it lies on the plan. None when the points coincide or the distance is not
// a positive finite number.
std::optional<SiteBackground> scaledBackground(const SiteBackground& background,
                                               const PlanPoint& from, const PlanPoint& to,
                                               double metres);

} // namespace vistaro
