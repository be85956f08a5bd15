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

std::optional<double> blurPixels(const LensFocus& lens, double distanceM) {
    for (const double input :
         {lens.focalMm, lens.fNumber, lens.focusM, lens.pixelPitchMm, distanceM})
        if (!(input > 0) || !std::isfinite(input))
            return std::nullopt;
    const double f = lens.focalMm;
    const double s = lens.focusM * 1000;
    const double d = distanceM * 1000;
    if (!(s > f))
        return std::nullopt;
    // Thin lens, 1/f = 1/u + 1/v: focused at s, the sensor lies at v = s f / (s - f); a point at
    // d comes to a point at v' = d f / (d - f), and the cone of light through the aperture, of
    // diameter f / N, cuts the sensor in a circle of diameter (f / N) |v - v'| / v'. Worked
    // out, |v - v'| / v' = f |d - s| / (d (s - f)), so c(d) = f² / (N (s - f)) x |d - s| / d:
    // the blur of a point at infinity scaled by |d - s| / d. Its value at the near and far
    // limits of depthOfField is the circle of confusion.
    const double diameterMm = f * f / (lens.fNumber * (s - f)) * std::abs(d - s) / d;
    return diameterMm / lens.pixelPitchMm;
}

} // namespace vistaro
