// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "render/camerarays.h"
#include "render/renderscene.h"

#include <QImage>
#include <QSizeF>
#include <vector>

namespace vistaro {

// A picture standing upright at a point of the floor, facing the camera: already made, its real
// size in metres, its centre `centreM` above the floor.
struct StandingPicture {
    QImage image;
    PlanPoint at;
    double centreM = 0;
    QSizeF sizeM;
};

// The point of the storey at the centre of `standing`.
inline Vec3 centreOf(const StandingPicture& standing) {
    return {standing.at.x, standing.at.y, standing.centreM};
}

// Draws each of `pictures` into `picture` (which `rays` span) where the camera sees it, the
// farthest first: centred on where its centre is seen, as tall as its top and bottom are seen
// apart, as wide as its aspect makes it. A pixel whose ray meets a wall or an obstacle of
// `scene` before the picture's plane keeps what it showed; the scene's people, which stand
// where such pictures are placed, hide nothing of them.
void drawStanding(QImage& picture, const RenderScene& scene, const CameraRays& rays,
                  std::vector<StandingPicture> pictures);

} // namespace vistaro
