// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

namespace vistaro {

// The picture as a lens out of focus makes it: each pixel spread evenly over a disc of
// `diameter` pixels. A disc and not a Gaussian: the defocused image of a point through a round
// aperture is a uniformly lit disc, and a Gaussian of the same spread would keep contrast in
// fine bars that the disc wipes out. Pixels past the picture's edge repeat its edge. Below half
// a pixel the picture is returned as it was; opaque (Format_RGBX8888) otherwise.
QImage discBlur(const QImage& image, double diameter);

} // namespace vistaro
