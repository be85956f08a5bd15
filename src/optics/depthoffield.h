// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

namespace vistaro {

// Where the picture is sharp, in metres from the camera, for a lens focused at a distance.
struct DepthOfField {
    double nearM = 0;
    std::optional<double> farM; // none: sharp to infinity
    double hyperfocalM = 0;     // focused there, sharp from half of it to infinity

    bool operator==(const DepthOfField&) const = default;
};

// The thin-lens limits for focal length f, F-number N and circle of confusion c, focused at s:
// H = f² / (N c) + f, near = s (H - f) / (H + s - 2f), far = s (H - f) / (H - s) while s < H,
// else infinity. None when an input is not a positive finite number or the focus is no farther
// than the focal length (no sharp picture there).
std::optional<DepthOfField> depthOfField(double focalMm, double fNumber, double confusionMm,
                                         double focusM);

// A lens focused at a distance, as the blur of what lies nearer or farther needs it.
struct LensFocus {
    double focalMm = 0;
    double fNumber = 0;
    double focusM = 0;
    double pixelPitchMm = 0; // the imaged width over the columns

    bool operator==(const LensFocus&) const = default;
};

// The diameter, in pixels, of the blur circle of a point at `distanceM` on the axis: 0 at the
// focus, the circle of confusion at the limits of the depth of field. None when an input is not
// a positive finite number or the focus is no farther than the focal length.
std::optional<double> blurPixels(const LensFocus& lens, double distanceM);

} // namespace vistaro
