// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/depthoffield.h"

#include <cmath>

namespace vistaro {

std::optional<DepthOfField> depthOfField(double focalMm, double fNumber, double confusionMm,
                                         double focusM) {
    for (const double input : {focalMm, fNumber, confusionMm, focusM})
        if (!(input > 0) || !std::isfinite(input))
            return std::nullopt;
    // In millimetres throughout, as the lens's figures are.
    const double f = focalMm;
    const double s = focusM * 1000;
    const double hyperfocal = f * f / (fNumber * confusionMm) + f;
    if (!(s > f) || !std::isfinite(hyperfocal))
        return std::nullopt;
    DepthOfField depth;
    depth.hyperfocalM = hyperfocal / 1000;
    depth.nearM = s * (hyperfocal - f) / (hyperfocal + s - 2 * f) / 1000;
    if (s < hyperfocal)
        depth.farM = s * (hyperfocal - f) / (hyperfocal - s) / 1000;
    return depth;
}

} // namespace vistaro
