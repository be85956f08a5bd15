// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site/plancoordinates.h"

#include <cmath>
#include <numbers>

namespace vistaro {

double panTowards(const PlanPoint& from, const PlanPoint& to) {
    const double degrees = std::atan2(to.y - from.y, to.x - from.x) * 180 / std::numbers::pi;
    return degrees < 0 ? degrees + 360 : degrees;
}

double metresPerPixel(const SiteBackground& background) {
    if (const auto& scale = background.scale) {
        const double pixels = std::hypot(scale->to.x - scale->from.x, scale->to.y - scale->from.y);
        if (pixels > 0 && scale->metres > 0 && std::isfinite(scale->metres / pixels))
            return scale->metres / pixels;
    }
    return UnscaledMetresPerPixel;
}

PlanPoint planOfPixel(const SiteBackground& background, const PlanPoint& pixel) {
    const double metres = metresPerPixel(background);
    return {background.offset.x + pixel.x * metres, background.offset.y - pixel.y * metres};
}

PlanPoint pixelOfPlan(const SiteBackground& background, const PlanPoint& point) {
    const double metres = metresPerPixel(background);
    return {(point.x - background.offset.x) / metres, (background.offset.y - point.y) / metres};
}

std::optional<SiteBackground> scaledBackground(const SiteBackground& background,
                                               const PlanPoint& from, const PlanPoint& to,
                                               double metres) {
    if (from == to || !(metres > 0) || !std::isfinite(metres))
        return std::nullopt;
    const PlanPoint anchor = planOfPixel(background, from);
    SiteBackground scaled = background;
    scaled.scale = BackgroundScale{from, to, metres};
    const double perPixel = metresPerPixel(scaled);
    scaled.offset = {anchor.x - from.x * perPixel, anchor.y + from.y * perPixel};
    return scaled;
}

} // namespace vistaro
