// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "render/renderscene.h"
#include "site/site.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace vistaro {

// What the picture shows at one of its pixels.
struct ViewPoint {
    HitKind kind = HitKind::None;
    // The obstacle's name, the person's, or on the floor the name of the area there.
    QString name;
    int item = -1; // the wall's or obstacle's place in the site's lists, the person's in the scene
    // Pixels a metre there: on the floor at the target height above it (what its colour tells),
    // elsewhere on the surface met, square to the line of sight.
    std::optional<double> densityPerM;
    std::optional<Level> level; // the level that density reaches, on the floor
    // On the floor: the camera sees the floor there but not the target above it.
    bool deadZone = false;
    std::optional<PlanPoint> floorPoint; // where on the plan, of the floor
};

// A camera's picture and, for each pixel, what it shows.
class CameraView {
public:
    QImage image;

    ViewPoint at(QPoint pixel) const;

private:
    friend std::variant<CameraView, QString> renderView(const RenderScene&, const Site&, int, int,
                                                        int);
    // Left uninitialised until drawn: every pixel is written once. The density and the point
    // of the floor are worked out again from the distance when asked, so that the picture's
    // record stays small.
    struct Pixel {
        HitKind kind;
        std::int8_t level; // -1 none, -2 the dead zone
        int item;
        float distanceM; // along the pixel's ray
    };
    std::shared_ptr<Pixel[]> pixels_;
    std::optional<CameraRays> rays_;
    Vec3 from_; // where the rays start: the camera, or the face of the wall it is mounted on
    std::vector<QString> obstacleNames_;
    std::vector<QString> personNames_;
    std::vector<std::pair<QString, QPolygonF>> areas_;
};

// The largest picture drawn, either way.
inline constexpr int MaxViewSide = 16384;

// What camera `cameraIndex` of `site` sees of the scene (of its storey), `width` x `height`
// pixels over its picture: one ray a pixel, the rows shared over every core. The floor takes
// the level reached at the target height above it in the plan's colours, plain grey below every
// level; the dead zone (where the target above the floor is out of the picture) striped; walls
// and obstacles grey by how square they face the camera; the areas' outlines; people in amber.
// A camera within a wall's thickness that looks away from it is mounted on its face and sees
// from there. Instead of a picture, one line that says why there is none: a camera inside a
// wall that looks into or along it, or inside an obstacle, on or below its floor or above its
// ceiling, on another storey, a picture of no pixel, a camera whose inputs give no view.
std::variant<CameraView, QString> renderView(const RenderScene& scene, const Site& site,
                                             int cameraIndex, int width, int height);

} // namespace vistaro
