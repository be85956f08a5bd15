// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/camera.h"
#include "optics/lensprojection.h"

#include <optional>

namespace vistaro {

// How a camera looks at the plane its targets stand on: its picture, its lens, how far above
// that plane it is mounted and how far down it is tilted. A point of the plane is named by how
// far it lies ahead of the camera's foot (along the pan) and across (to the left).
struct Sight {
    Camera camera;
    Projection projection = Projection::Rectilinear;
    double scaleMm = 0; // the projection's f
    double aboveM = 0;  // the mounting height less the target height; negative below the targets
    double tiltRad = 0; // down from the horizon

    bool operator==(const Sight&) const = default;
};

// The tilt that puts the axis on the target `distanceM` ahead: atan2(above, distance).
double aimedTiltRad(double aboveM, double distanceM);

// The depth along the optical axis of the points of the plane `aheadM` ahead:
// ahead cos t + above sin t, whatever their place across.
double depthAt(const Sight& sight, double aheadM);

// Pixels a metre on a target `offAxisRad` off the axis and `distanceM` from the camera, square to
// its line of sight: the lesser of the radial and tangential pixels a radian there over the
// distance, columns f min(g'(θ), g(θ) / sin θ) / (w distance), with w the imaged width.
std::optional<double> densityOffAxis(const Camera& camera, Projection projection, double scaleMm,
                                     double offAxisRad, double distanceM);

// The density at a point of the plane: for a rectilinear lens columns f / (w z), z its depth;
// for another projection the figure above at its angle off the axis and its distance. None where
// the camera cannot see the point (behind it) or an input is not usable.
std::optional<double> densityAt(const Sight& sight, double aheadM, double acrossM);

// How far along the plane from the camera's foot, in the direction `bearingRad` off the pan
// (counter-clockwise), a density of `neededPerMetre` is met: the farthest such distance, 0 when
// none is met on that line. On the centre line of a rectilinear lens, where the depth reaches
// z_L = f columns / (needed w): (z_L - above sin t) / cos t.
std::optional<double> reachAlong(const Sight& sight, double neededPerMetre, double bearingRad = 0);

// The focal length (mm, of the projection's scale) whose density at the point `aheadM` ahead on
// the centre line meets `neededPerMetre`: rectilinear, needed z w / columns (z the slant
// distance when the camera is aimed at the point).
std::optional<double> neededScaleAt(const Sight& sight, double neededPerMetre, double aheadM);

} // namespace vistaro
