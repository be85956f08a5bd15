// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

namespace vistaro {

// What a sensor makes of a picture that falls on `width` x `height` of its pixels: each pixel
// is the mean of the part of `source` that it covers, a source pixel cut by a pixel's edge
// counting with the share that falls inside. The result has ceil(width) x ceil(height) pixels;
// a last column or row that the source covers only in part is the mean of that part. Opaque
// (Format_RGBX8888); a null image for an empty source or a size that is not positive.
QImage areaAverage(const QImage& source, double width, double height);

} // namespace vistaro
