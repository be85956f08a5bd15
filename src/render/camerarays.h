// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optics/levels.h"
#include "optics/sight.h"
#include "site/site.h"

#include <QPointF>
#include <QSize>
#include <optional>

namespace vistaro {

// A point or a direction of a storey: x east, y north (plan metres), z up from its floor.
struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(double k, Vec3 a) {
    return {k * a.x, k * a.y, k * a.z};
}
inline double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// A ray of the picture: its unit direction and its angle off the camera's axis.
struct PictureRay {
    Vec3 direction;
    double offAxisRad = 0;
};

// How a camera of the plan turns the pixels of a picture into rays and back: the picture spans
// the imaged area of its sensor, a pixel's distance r from the centre (in millimetres of the
// sensor) lies θ off the axis as the lens's projection maps it (r = f g(θ), the scale and
// projection of lensField), in the direction of the pixel from the centre.
class CameraRays {
public:
    // None when the camera's inputs give no view (no tilt, no field) or the picture no pixel.
    static std::optional<CameraRays> of(const SiteCamera& camera, const LevelSet& levels,
                                        QSize picture);

    // The lens's centre, on its storey: its position at its mounting height.
    Vec3 origin() const { return origin_; }
    QSize picture() const { return picture_; }
    // At a point of the picture (a pixel's centre is at its column + 0.5, row + 0.5), in the
    // camera's own frame (x to the right of the picture, y up it, z along the axis); none
    // outside the projection's image circle, where the picture is dark.
    std::optional<PictureRay> localRay(double column, double row) const;
    // A direction of the camera's frame on the storey.
    Vec3 toSite(Vec3 local) const { return local.x * right_ + local.y * up_ + local.z * axis_; }
    // Whether the other's pictures are this one's, ray for ray in the camera's frame.
    bool samePicture(const CameraRays& other) const;
    // Where the picture shows `point`; none for a point the lens never sees.
    std::optional<QPointF> pixelOf(Vec3 point) const;
    // The density (px/m) at the target height above a point of the floor, as the plan's bands
    // take it (densityAt); none when the target there is out of the picture.
    std::optional<double> targetDensity(PlanPoint floor) const;
    // The density on a surface square to the line of sight `distanceM` away, θ off the axis.
    std::optional<double> densityAt(double offAxisRad, double distanceM) const;
    // How far apart, at one metre, two neighbouring pixels' rays are near the axis.
    double metresPerPixelAtOneMetre() const { return mmPerColumn_ / sight_.scaleMm; }
    // What each level of the site's set needs, px/m, lowest first.
    const std::vector<double>& levelDensities() const { return levelDensities_; }

private:
    CameraRays() = default;

    // Where the picture shows a point, how deep along the axis and how far off it (0 for a
    // pinhole, which needs no angle).
    struct Seen {
        QPointF pixel;
        double depthM;
        double offAxisRad;
    };
    std::optional<Seen> seen(Vec3 point) const;

    Sight sight_;
    Vec3 origin_;
    Vec3 axis_;
    Vec3 right_;
    Vec3 up_;
    QSize picture_;
    double mmPerColumn_ = 0;
    double mmPerRow_ = 0;
    double circleMm_ = 0; // the radius of the projection's image circle
    std::vector<double> levelDensities_;
};

} // namespace vistaro
