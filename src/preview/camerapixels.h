// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "preview/targets.h"

#include <QImage>
#include <QtGlobal>

namespace vistaro {

// What happens to the picture between the sensor and the screen.
struct PictureOptions {
    int jpegQuality = 0;  // 1 to 100, 0 for none: the video's compression, as JPEG
    int noisePercent = 0; // 0 for none: the grain of a night picture, in monochrome as by night
    bool lensBlur = true; // the blur of a target outside the depth of field
    bool operator==(const PictureOptions&) const = default;
};

// The target as the camera's pixels show it at `pixelsPerMetre`, in three stages, each kept
// while the inputs of the later ones change: its original averaged over each pixel (see
// areaAverage), then spread over the lens's blur circle of `blurPixels` (see discBlur), then
// the night's noise, seeded by the target and the density so that the same inputs always give
// the same picture, then the compression: lens, sensor, encoder, as in a camera. The lens blurs
// before the sensor averages, but both are means over areas and commute, so the blur works on
// the few camera pixels instead of the original. A null image when the density is not a
// positive finite number or the target would be wider or taller than `largestPixels`.
QImage averagedPixels(Target target, double pixelsPerMetre, int largestPixels = 4000);
QImage blurredPixels(const QImage& averaged, Target target, double pixelsPerMetre,
                     double blurPixels);
// In the screen's format.
QImage optionedPixels(const QImage& blurred, Target target, double pixelsPerMetre,
                      const PictureOptions& options);

// The picture compressed to JPEG at `quality` (1 to 100) and read back; as it was when no JPEG
// writer is at hand.
QImage jpegRoundTrip(const QImage& image, int quality);

// Monochrome with grain of `percent` of full scale (the standard deviation), from `seed`.
QImage nightNoise(const QImage& image, int percent, quint32 seed);

} // namespace vistaro
