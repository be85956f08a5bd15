// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/standingpictures.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>

namespace vistaro {

namespace {

// How far the picture's plane may lie behind the face a ray meets and still be in front of it.
constexpr double SameSurfaceM = 0.01;

double distanceTo(const CameraRays& rays, const StandingPicture& standing) {
    const Vec3 to = centreOf(standing) - rays.origin();
    return std::sqrt(dot(to, to));
}

// `over`, premultiplied, laid on `under`.
QRgb over(QRgb over, QRgb under) {
    const int keep = 255 - qAlpha(over);
    const auto mix = [keep](int top, int bottom) { return top + (bottom * keep + 127) / 255; };
    return qRgb(mix(qRed(over), qRed(under)), mix(qGreen(over), qGreen(under)),
                mix(qBlue(over), qBlue(under)));
}

void drawOne(QImage& picture, const RenderScene& scene, const CameraRays& rays,
             const StandingPicture& standing) {
    const Vec3 centre = centreOf(standing);
    const double half = standing.sizeM.height() / 2;
    const std::optional<QPointF> middle = rays.pixelOf(centre);
    const std::optional<QPointF> top = rays.pixelOf(centre + Vec3{0, 0, half});
    const std::optional<QPointF> bottom = rays.pixelOf(centre - Vec3{0, 0, half});
    if (!middle || !top || !bottom || standing.image.isNull() || standing.sizeM.isEmpty())
        return;
    const double height = std::hypot(bottom->x() - top->x(), bottom->y() - top->y());
    const double width = height * standing.sizeM.width() / standing.sizeM.height();
    const QRectF shown(middle->x() - width / 2, middle->y() - height / 2, width, height);
    const QRect pixels = shown.toAlignedRect().intersected(picture.rect());
    if (pixels.isEmpty())
        return;
    QImage layer(pixels.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter painter(&layer);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(shown.translated(-pixels.topLeft()), standing.image);
    }
    // A camera on a wall sees from its face, as its view does.
    const Vec3 right = rays.toSite({1, 0, 0});
    const std::optional<Vec3> from = scene.mountedAt(rays.origin(), {-right.y, right.x});
    if (!from)
        return;
    // Its plane, upright through its centre and square to the camera's line to it.
    Vec3 facing = centre - rays.origin();
    facing.z = 0;
    const double across = std::sqrt(dot(facing, facing));
    if (!(across > 0))
        return;
    facing = (1 / across) * facing;
    for (int row = pixels.top(); row <= pixels.bottom(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(row));
        const auto* drawn = reinterpret_cast<const QRgb*>(layer.scanLine(row - pixels.top()));
        for (int column = pixels.left(); column <= pixels.right(); ++column) {
            const QRgb made = drawn[column - pixels.left()];
            if (qAlpha(made) == 0)
                continue;
            const std::optional<PictureRay> ray = rays.localRay(column + 0.5, row + 0.5);
            if (!ray)
                continue;
            const Vec3 direction = rays.toSite(ray->direction);
            const double toward = dot(direction, facing);
            if (!(toward > 0))
                continue;
            // Hidden by what the ray meets on the camera's side of the picture's plane.
            const SceneHit hit = scene.cast(*from, direction);
            const bool hidden = (hit.kind == HitKind::Wall || hit.kind == HitKind::Obstacle) &&
                                dot(hit.point - centre, facing) < -SameSurfaceM * toward;
            if (!hidden)
                line[column] = over(made, line[column]);
        }
    }
}

} // namespace

void drawStanding(QImage& picture, const RenderScene& scene, const CameraRays& rays,
                  std::vector<StandingPicture> pictures) {
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    std::sort(pictures.begin(), pictures.end(),
              [&rays](const StandingPicture& a, const StandingPicture& b) {
                  return distanceTo(rays, a) > distanceTo(rays, b);
              });
    for (const StandingPicture& standing : pictures)
        drawOne(picture, scene, rays, standing);
}

} // namespace vistaro
