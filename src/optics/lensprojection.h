// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/camera.h"

#include <QStringView>
#include <array>
#include <optional>

namespace vistaro {

// How a lens maps the angle θ off its axis to the distance r from the picture's centre, with f
// its focal length (the scale of the projection).
enum class Projection {
    Rectilinear,   // r = f tan θ, the pinhole: straight lines stay straight
    Equidistant,   // r = f θ, the common fisheye
    Equisolid,     // r = 2f sin(θ/2), equal areas of the sphere get equal areas of the picture
    Stereographic, // r = 2f tan(θ/2), shapes kept at the edge of the field
    Orthographic,  // r = f sin θ
};

inline constexpr std::array<Projection, 5> AllProjections{
    Projection::Rectilinear, Projection::Equidistant, Projection::Equisolid,
    Projection::Stereographic, Projection::Orthographic};

// The name a file or the settings keep a projection by, "rectilinear" and so on.
QString projectionKey(Projection projection);
std::optional<Projection> projectionOfKey(QStringView key);

// What a camera's field is worked out from besides the focal length: the lens's projection and,
// when the user has it, the horizontal angle of view that the lens's datasheet states.
struct LensModel {
    Projection projection = Projection::Rectilinear;
    std::optional<double> datasheetAngleHDeg;

    bool operator==(const LensModel&) const = default;
};

// The angle off the axis (radians) that a projection of scale f maps to radius r (mm). Past the
// edge of the projection's image circle (r > 2f equisolid, r > f orthographic) the picture is
// dark: the angle is that of the circle's edge. No lens sees more than all around, so the angle
// stops at π.
double angleOffAxis(Projection projection, double radiusMm, double scaleMm);

// r / f at θ off the axis (radians): where a projection of scale 1 puts θ; none where the
// projection never reaches θ. angleOffAxis's inverse within the image circle.
std::optional<double> unitRadius(Projection projection, double theta);

// dr/dθ over f at θ off the axis: how many millimetres of the picture a radian takes there, per
// millimetre of focal length. 1 on the axis for every projection.
double radiusSlope(Projection projection, double thetaRad);

// The lesser of the radial and the tangential millimetres of the picture a radian takes at θ off
// the axis, per millimetre of focal length: min(g'(θ), g(θ) / sin θ), 1 on the axis. A detail is
// only as sharp as its coarser direction. 0 where the projection does not reach θ.
double leastSlope(Projection projection, double thetaRad);

// The field of a lens on the imaged area of a sensor: the projection's scale and the half
// angles of view.
struct LensField {
    double scaleMm = 0; // the f of r = f g(θ)
    double halfHRad = 0;
    double halfVRad = 0;
    double halfDRad = 0;
};

// The focal length's field, or with a datasheet angle the lens's real one: that angle is the
// horizontal field, and the scale is the f that puts its half angle at the picture's half width,
// f = (w/2) / g(θh/2); the vertical and diagonal angles follow from that scale by the same
// projection. The datasheet is right where the focal length is rounded or the lens distorts.
// None when the datasheet angle is more than the projection can show (180° rectilinear and
// orthographic) or an input is not a positive finite number.
std::optional<LensField> lensField(const LensModel& lens, SensorSize imaged, double focalMm);

} // namespace vistaro
